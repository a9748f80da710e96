// The start and end of a displayed event, each held in a write-once TMultiUnit. The two concrete
// handlers differ in how they store: as calendar dates or as plain values.
#pragma once

#include "time/TMultiUnit.h"
#include "time/TimeTypes.h"

#include <memory>

class TAbstractDataHandler {
public:
    TAbstractDataHandler() = default;
    virtual ~TAbstractDataHandler() = default;
    TAbstractDataHandler(const TAbstractDataHandler&) = delete;
    TAbstractDataHandler& operator=(const TAbstractDataHandler&) = delete;

    virtual void SetBoth(TTimeValue value) = 0;
    virtual void SetStartEnd(TTimeValue start, TTimeValue end) = 0;
    virtual void SetStart(TTimeValue value) = 0;
    virtual void SetEnd(TTimeValue value) = 0;

    TTimeValue GetStart() const { return m_start.Value(); }
    TTimeValue GetEnd() const { return m_end.Value(); }
    // The state of Start: 0 unassigned, 1 calendar date, 2 plain value.
    TMultiUnit::TState GetKind() const { return m_start.State(); }

protected:
    TMultiUnit& Start() { return m_start; }
    TMultiUnit& End() { return m_end; }

private:
    TMultiUnit m_start;
    TMultiUnit m_end;
};

// A TRealDatesHandler for Calendar Dates, a TDoubleValuesHandler for every other system.
std::unique_ptr<TAbstractDataHandler> CreateDataHandler(TUnitSystem unit);
