// A data handler that stores start and end as plain values.
#pragma once

#include "time/TAbstractDataHandler.h"

class TDoubleValuesHandler : public TAbstractDataHandler {
public:
    void SetBoth(TTimeValue value) override;
    void SetStartEnd(TTimeValue start, TTimeValue end) override;
    void SetStart(TTimeValue value) override;
    void SetEnd(TTimeValue value) override;
};
