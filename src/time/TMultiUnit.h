// One time value tagged with how it was stored: a calendar date or a plain value. Write-once.
#pragma once

#include "time/TimeTypes.h"

class TMultiUnit {
public:
    enum TState : quint8 { msUnassigned = 0, msDate = 1, msValue = 2 };

    // Each requires the unassigned state ("Trying to reassign multiunit." otherwise).
    void AssignDate(TTimeValue date);
    void AssignValue(TTimeValue value);

    // The date or the plain value; "Multiunit unassigned." before an assignment.
    TTimeValue Value() const;
    TState State() const { return m_state; }

private:
    void CheckUnassigned() const;

    TState m_state = msUnassigned;
    TTimeValue m_date = 0;
    TTimeValue m_value = 0;
};
