// Time values: the typed major and minor texts to a value and back, and the small tests on
// values that the rest of the program relies on.
//
// Outside Calendar Dates a value is major + (minor - minor base) / minor per major; for a negative
// major the fraction is subtracted, so it always moves the value away from zero. A value typed
// without a minor carries MajorOnlyMarker as its fraction.
#pragma once

#include "time/TimeTypes.h"

#include <QString>

#include <optional>

inline constexpr double MajorOnlyMarker = 0.0002;

// The two texts shown in the entry boxes of one value.
struct TTimeTexts {
    QString Major;
    QString Minor;
    bool operator==(const TTimeTexts&) const = default;
};

// The split of a value as numbers: the whole part and the minor number the user sees (none for
// a major-only or negative value). SplitTimeValue prints exactly these.
struct TSplitNumbers {
    double Major = 0;
    std::optional<int> Minor;
};

// Calendar Dates: majorText in the short date format (1 January 1900 when it does not read),
// minorText ignored. Otherwise major and minor read as decimal numbers (0 when unreadable); an
// empty minor gives the major-only marker.
TTimeValue ParseTimeValue(const QString& majorText, const QString& minorText, TUnitSystem unit);

// The texts of a value: the short date for Calendar Dates (no minor); otherwise the whole part
// and, unless the value is major-only or negative, MinorIndex + minor base.
TTimeTexts SplitTimeValue(TTimeValue value, TUnitSystem unit);
TSplitNumbers SplitTimeNumbers(TTimeValue value, TUnitSystem unit);

// The value carries the major-only marker (never true for a negative value).
bool IsMajorOnly(TTimeValue value);

// A whole number gets the marker (added, or subtracted when negative); others stay as they are.
void AddMajorOnlyMarker(TTimeValue& value);

// Fractional part x minor per major, rounded to nearest with ties to even (0 for Calendar Dates
// and for NaN or infinity).
int MinorIndex(TTimeValue value, TUnitSystem unit);

// Moves a value of 0.0002 or more in size by 0.000001 away from zero, so that a stored
// 1990 + 2/12 does not truncate to the month before.
TTimeValue NudgeForDisplay(TTimeValue value);

// A calendar value whose whole part is zero: no date set.
bool IsNullDate(TTimeValue value);

// Calendar Dates: the text is empty or the text of date 0.0; other systems: the text is empty.
// No trimming.
bool IsEmptyEntryText(const QString& text, TUnitSystem unit);

// Two picker dates (0.0 when empty) must be exchanged: a lone end date, or an end before the start.
bool DatesNeedSwap(TTimeValue start, TTimeValue end);

// Rounds to nearest, ties to even.
double RoundHalfEven(double x);

// Reads a decimal number: plain "C" form first, then the locale's decimal separator (group
// separators refused); `fallback` when it does not read or is not finite.
double ReadDecimal(const QString& text, double fallback = 0.0);
