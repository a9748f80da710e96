// Calendar date-time numbers: days counted from 30 December 1899 (0.0), the fraction being the
// time of day; 1 January 1900 is 2.0. For a negative number the whole part is the day (counted
// back from 30 December 1899) and the absolute fraction is the time of day, so -1.25 is
// 29 December 1899 06:00. Years 1 to 9999 convert exactly, milliseconds included.
#pragma once

#include "time/TimeTypes.h"

#include <QDate>
#include <QDateTime>
#include <QString>

// Day numbers of 1 January 1 and 31 December 9999.
inline constexpr double MinDateValue = -693593.0;
inline constexpr double MaxDateValue = 2958465.0;

// The date (at midnight) as a number; 0.0 for an invalid date.
TTimeValue DateToValue(const QDate& date);
// The date-time as shown by its date() and time() (the wall-clock reading, whatever its zone);
// 0.0 for an invalid date-time.
TTimeValue DateTimeToValue(const QDateTime& dateTime);
TTimeValue DateTimeToValue(const QDate& date, const QTime& time);

// The number as a date-time, rounded to the millisecond. Returned in UTC so that every wall-clock
// time exists (no daylight-saving gaps). Invalid outside years 1 to 9999 and for NaN/infinity.
QDateTime ValueToDateTime(TTimeValue value);
// The date part of ValueToDateTime.
QDate ValueToDate(TTimeValue value);

// The number as a continuous count of days (whole part + absolute fraction), so that numbers of
// both signs compare in time order.
double DateValueToLinearDays(TTimeValue value);

// The default locale's short date format with years widened to four digits ("dd/MM/yyyy" in
// English (United Kingdom)). The one format for writing and reading entry texts.
QString ShortDateFormat();
// A date format with every year field shorter than four digits widened to "yyyy" (quoted
// text left alone).
QString WidenShortDateYears(const QString& format);
// `date` / the date part of `value` in the short date format; empty when there is no such date.
QString ShortDateText(const QDate& date);
QString ShortDateText(TTimeValue value);
// Reads a text written in the short date format (single-digit days and months accepted);
// an invalid date when it does not read or lies outside years 1 to 9999.
QDate ReadShortDate(const QString& text);
