#include "time/TRealDatesHandler.h"

void TRealDatesHandler::SetBoth(TTimeValue value) {
    Start().AssignDate(value);
    End().AssignDate(value);
}

void TRealDatesHandler::SetStartEnd(TTimeValue start, TTimeValue end) {
    Start().AssignDate(start);
    End().AssignDate(end);
}

void TRealDatesHandler::SetStart(TTimeValue value) {
    Start().AssignDate(value);
}

void TRealDatesHandler::SetEnd(TTimeValue value) {
    End().AssignDate(value);
}
