// A lane of events at one offset from the axis line.
#pragma once

#include "time/TimeTypes.h"

#include <QString>

class TtlBay {
public:
    TTimeValue OccupiedUntil = 0; // the time up to which the bay is taken
    int X = 0;                    // offset from the axis line in pixels
    QString Group;                // group of the bay's first event (layout styles 1 and 3)
};
