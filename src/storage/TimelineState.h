// The state of the open timeline as the storage code sees it. The timeline control holds it;
// the data module and the file sequences read and set it through this interface.
#pragma once

#include "time/TimeTypes.h"

#include <QString>

class TTimelineState {
public:
    virtual ~TTimelineState() = default;

    virtual TUnitSystem Units() const = 0;
    virtual void SetUnits(TUnitSystem units) = 0;
    // The password of the timeline; empty for none.
    virtual QString Password() const = 0;
    // Full path of the open .tml; "Vezizivu 1" for a new timeline; empty when none is open.
    virtual QString FileName() const = 0;
    virtual void SetFileName(const QString& fileName) = 0;
    virtual bool Modified() const = 0;
    virtual void SetModified(bool modified) = 0;
    // Clears the displayed timeline when it is closed: file name, events, password, ...
    virtual void ClearTimeline() = 0;
};
