// The fixed description of every unit system: names, minor counts and list order.
#pragma once

#include "time/TimeTypes.h"

#include <QString>
#include <QStringList>

#include <array>

// Seven parallel tables indexed by the unit-system code. An empty name means the system has no
// such unit. Calendar Dates has no minor unit; its minor count (1) and base (0) are placeholders
// that keep arithmetic on the table harmless.
inline constexpr std::array<const char*, UnitSystemCount> UnitMajorShortNames = {
    "yr", "yr", "day", "hr", "step", "km", "m", ""};
inline constexpr std::array<const char*, UnitSystemCount> UnitMajorLongNames = {
    "Year", "Year", "Day", "Hour", "Step", "Kilometre", "Metre", "Calendar Date"};
inline constexpr std::array<int, UnitSystemCount> UnitMinorPerMajor = {12, 52,   24,  60,
                                                                       10, 1000, 100, 1};
inline constexpr std::array<const char*, UnitSystemCount> UnitMinorShortNames = {
    "mth", "wk", "hr", "min", "", "m", "cm", ""};
inline constexpr std::array<const char*, UnitSystemCount> UnitMinorLongNames = {
    "Month", "Week", "Hour", "Minute", "", "Metre", "Centimetre", ""};
inline constexpr std::array<int, UnitSystemCount> UnitMinorBase = {1, 1, 0, 0, 1, 0, 0, 0};
inline constexpr std::array<const char*, UnitSystemCount> UnitQuantityNames = {
    "Date", "Date", "Date/Time", "Time", "Step", "Distance", "Distance", "Date/Time"};

// Captions of the eight unit commands of the main window.
inline constexpr std::array<const char*, UnitSystemCount> UnitMenuCaptions = {
    "Years and Months",
    "Years and Weeks (legacy)",
    "Days and Hours",
    "Hours and Minutes",
    "Steps",
    "Kilometres and Metres",
    "Metres and Centimetres",
    "Calendar Dates"};

// The order in which lists offer the unit systems: Calendar Dates first, then codes 0 to 6.
inline constexpr std::array<TUnitSystem, UnitSystemCount> UnitSystemOrder = {
    usCalendarDates,   usYearsAndMonths, usYearsAndWeeks,       usDaysAndHours,
    usHoursAndMinutes, usSteps,          usKilometresAndMetres, usMetresAndCentimetres};

// Typed accessors of the tables; `unit` is one of the eight codes (UnitSystemFromCode turns a
// stored number into one).
QString MajorShortName(TUnitSystem unit);
QString MajorLongName(TUnitSystem unit);
int MinorPerMajor(TUnitSystem unit);
QString MinorShortName(TUnitSystem unit);
QString MinorLongName(TUnitSystem unit);
int MinorBase(TUnitSystem unit);
QString QuantityName(TUnitSystem unit);
QString UnitMenuCaption(TUnitSystem unit);

// True for every system except Calendar Dates.
constexpr bool IsMultiUnit(TUnitSystem unit) {
    return unit != usCalendarDates;
}

// "Years and Months" style list name: "%ss and %ss", or "%ss" without a minor unit.
QString UnitSystemListName(TUnitSystem unit);

// Clears `list` and adds the eight list names in UnitSystemOrder.
void UnitSystemNames(QStringList& list);

// Position of `unit` in UnitSystemOrder, and the unit at a list position (Calendar Dates for a
// position outside 0-7).
int UnitSystemListPosition(TUnitSystem unit);
TUnitSystem UnitSystemAtListPosition(int position);

// The unit system of a stored code; `fallback` for a code outside 0-7.
TUnitSystem UnitSystemFromCode(int code, TUnitSystem fallback = usCalendarDates);
