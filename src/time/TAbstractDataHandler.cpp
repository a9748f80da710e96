#include "time/TAbstractDataHandler.h"

#include "time/TDoubleValuesHandler.h"
#include "time/TRealDatesHandler.h"

std::unique_ptr<TAbstractDataHandler> CreateDataHandler(TUnitSystem unit) {
    if (unit == usCalendarDates)
        return std::make_unique<TRealDatesHandler>();
    return std::make_unique<TDoubleValuesHandler>();
}
