// The time model in one header: unit systems, time values, readable texts, calendar levels,
// date numbers and time entry. Other subsystems include this.
#pragma once

#include "time/CalendarLevels.h"
#include "time/DateNumbers.h"
#include "time/ReadableText.h"
#include "time/TAbstractDataHandler.h"
#include "time/TDoubleValuesHandler.h"
#include "time/TMultiUnit.h"
#include "time/TRealDatesHandler.h"
#include "time/TTimeEntrySet.h"
#include "time/TTimeValidator.h"
#include "time/TimeEntry.h"
#include "time/TimeTypes.h"
#include "time/TimeValues.h"
#include "time/UnitTable.h"
