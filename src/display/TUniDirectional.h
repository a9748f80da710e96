// Marks a data set that can only move forward; the timeline control's data links refuse such a
// set.
#pragma once

class TUniDirectional {
public:
    virtual ~TUniDirectional() = default;
};
