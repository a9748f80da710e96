// The two shared types of the time model: the unit system of a timeline and a time value.
#pragma once

#include <QtGlobal>

// Persistent codes: written as the integer value of the key "Units" of the settings file.
enum TUnitSystem : quint8 {
    usYearsAndMonths = 0,
    usYearsAndWeeks = 1,
    usDaysAndHours = 2,
    usHoursAndMinutes = 3,
    usSteps = 4,
    usKilometresAndMetres = 5,
    usMetresAndCentimetres = 6,
    usCalendarDates = 7,
};

constexpr int UnitSystemCount = 8;

// True for the codes 0 to 7.
constexpr bool IsValidUnitSystem(int code) {
    return code >= 0 && code < UnitSystemCount;
}

// A start or end value: a calendar date-time number in Calendar Dates, major + fraction otherwise.
using TTimeValue = double;
