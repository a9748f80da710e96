// One open timeline with everything that works on it without a window: the data module, the
// timeline control and the file sequences, with the headless side of what those sequences
// ask of the program (settings, background picture). The command-line tool uses it directly;
// the main window builds on it.
#pragma once

#include "display/TmLn.h"
#include "storage/MainDataMod.h"
#include "storage/TimelineFile.h"
#include "storage/TimelineFileHost.h"

#include <QByteArray>

class TTimelineDocument : public TTimelineFileHost {
public:
    TTimelineDocument();
    ~TTimelineDocument() override;
    TTimelineDocument(const TTimelineDocument&) = delete;
    TTimelineDocument& operator=(const TTimelineDocument&) = delete;

    TdtmMain& Data() { return m_dm; }
    TTimeLine& Timeline() { return m_timeline; }
    TTimelineFile& File() { return m_file; }

    // The background picture as file bytes; empty for none.
    const QByteArray& Background() const { return m_background; }
    void SetBackground(const QByteArray& bytes) { m_background = bytes; }

    // TTimelineFileHost
    void ReadSettings(const QString& path, bool timelineMode) override;
    void WriteSettings(const QString& path, bool timelineMode) override;
    void LoadBackground(const QString& path) override;
    void WriteBackground(const QString& path) override;

private:
    TdtmMain m_dm;
    TTimeLine m_timeline;
    TTimelineFile m_file;
    QByteArray m_background;
};
