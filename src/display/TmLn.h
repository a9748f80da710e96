// The timeline control: the state of the open timeline and, as the display grows, its axis,
// events and bays. It holds the file name and the modified flag that the storage sequences
// read and set.
#pragma once

#include "storage/TimelineState.h"

#include <QString>

class TTimeLine : public TTimelineState {
public:
    TTimeLine();
    ~TTimeLine() override;

    TUnitSystem Units() const override { return m_units; }
    void SetUnits(TUnitSystem units) override;

    QString FileName() const override { return m_fileName; }
    void SetFileName(const QString& fileName) override;
    // The file name has no folder part (a new timeline not yet saved).
    bool FileNameHasNoFolder() const { return m_fileNameHasNoFolder; }

    bool Modified() const override { return m_modified; }
    void SetModified(bool modified) override { m_modified = modified; }

    QString Password() const override { return m_password; }
    void SetPassword(const QString& password) { m_password = password; }

    // True while a unit change sets the axis caption.
    bool CaptionFollowsUnits() const { return m_captionFollowsUnits; }
    void SetCaptionFollowsUnits(bool follows) { m_captionFollowsUnits = follows; }

    void ClearTimeline() override;

private:
    TUnitSystem m_units = usCalendarDates;
    QString m_fileName;
    bool m_fileNameHasNoFolder = true;
    bool m_modified = false;
    QString m_password;
    bool m_captionFollowsUnits = true;
};
