// Readable texts of time values: the "Date" range text of an event, the tick labels of the plain
// axis and the helpers they are built from. Pure functions of the value, the unit system and the
// default locale (short date format, month names, decimal separator).
#pragma once

#include "time/TimeTypes.h"

#include <QString>

#include <optional>

// Year text of a whole number written in decimal: "44 BC" for "-44", "0", "1990"; empty for an
// empty text. No "AD" is ever appended.
QString YearText(const QString& numberText);

// The whole part of a value (truncated toward zero) with no decimals ("%.0f"; never "-0").
QString IntText(TTimeValue value);

// A Years and Months value: "1990", "Mar 1990", "Mar (year 5)", "44 BC". A failure is raised again
// as EVzError with " Proc=ReadableDate, D=<value>." appended to its message.
QString ReadableDate(TTimeValue value);

// One value in any unit system ("06:00 day 5", "05:07", "step 5.3", "5.250km", ...).
QString ReadableValue(TTimeValue value, TUnitSystem unit);

// A value for a tick interval (in value units): the readable value below an interval of 1,
// else the whole number (a year text in the two year systems). Calendar Dates: the short date.
QString ValueLabel(TUnitSystem unit, TTimeValue value, double interval);

// `first` when both are equal, both joined by `separator` when both are non-empty, else the
// non-empty one.
QString JoinRange(const QString& first, const QString& second, const QString& separator);

// The readable range of an event (the calculated "Date" field): start and end labels joined by
// " - ". A Years and Months range of exactly one month shows its start alone.
QString RangeText(bool startIsNull, bool endIsNull, TUnitSystem unit, TTimeValue start,
                  TTimeValue end);
// The same with NULL fields as empty optionals.
QString RangeText(TUnitSystem unit, std::optional<TTimeValue> start, std::optional<TTimeValue> end);

// A Years and Months range covers one month: see ReadableText.cpp for the rule.
bool IsOneMonthRange(TTimeValue start, TTimeValue end);

// A double as a general float: the shortest text that reads back to the same number, in fixed
// notation from 1e-5 up to 1e15 and in exponent notation outside, with the locale's decimal
// separator ("1990.25", "0.0002", "1e+20"). Used in error texts.
QString GeneralFloatText(double value);

// A double with `decimals` decimals and the locale's decimal separator, no group separators
// ("%.3f" in this program's texts).
QString FixedText(double value, int decimals);
