// Calendar label levels 0 (a day, written in full) to 9 (a century): the band texts and periods
// of the calendar axis style. Dates are calendar date-time numbers; texts use the default
// locale's day and month names.
#pragma once

#include "time/TimeTypes.h"

#include <QFont>
#include <QString>

inline constexpr int CalendarLabelLevelCount = 10;

// The label of `date` at `level`: "Thursday 30th September 2000", "Thu 30th", "30",
// "September 2000", "September", "Sep", "S", "2000", "1990s", "1900s".
QString CalendarLabelText(int level, TTimeValue date);

// Width in pixels of the level's sample text drawn in `font`.
int CalendarLabelSampleWidth(int level, const QFont& font);
// The sample text measured by CalendarLabelSampleWidth.
QString CalendarLabelSample(int level);

// Start of the period (day, month, year, decade, century) holding `date`.
TTimeValue CalendarPeriodStart(int level, TTimeValue date);
// Start of the period after the one that begins at or holds `date`.
TTimeValue CalendarPeriodNext(int level, TTimeValue date);
// Nominal days of one period (1, 30, 365, 3650, 36500); 1 for a level outside 0-9.
int CalendarPeriodDays(int level);

// "st", "nd", "rd" or "th" for a day of the month.
QString OrdinalSuffix(int day);
