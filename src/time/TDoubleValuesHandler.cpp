#include "time/TDoubleValuesHandler.h"

void TDoubleValuesHandler::SetBoth(TTimeValue value) {
    Start().AssignValue(value);
    End().AssignValue(value);
}

void TDoubleValuesHandler::SetStartEnd(TTimeValue start, TTimeValue end) {
    Start().AssignValue(start);
    End().AssignValue(end);
}

void TDoubleValuesHandler::SetStart(TTimeValue value) {
    Start().AssignValue(value);
}

void TDoubleValuesHandler::SetEnd(TTimeValue value) {
    End().AssignValue(value);
}
