#include "time/CalendarLevels.h"

#include "common/Errors.h"
#include "time/DateNumbers.h"
#include "time/TLocaleTexts.h"

#include <QFontMetrics>

#include <cmath>

namespace {

void CheckLevel(int level) {
    if (level < 0 || level >= CalendarLabelLevelCount)
        throw EAssertionFailed(QStringLiteral("Wrong date format"));
}

QString FourDigitYear(int year) {
    return QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0'));
}

// The first day of `year` (clamped to year 1, the first year a date number holds) and `month`.
TTimeValue FirstDay(int year, int month = 1) {
    return DateToValue(QDate(qMax(year, 1), month, 1));
}

} // namespace

QString OrdinalSuffix(int day) {
    switch (day) {
    case 1:
    case 21:
    case 31:
        return QStringLiteral("st");
    case 2:
    case 22:
        return QStringLiteral("nd");
    case 3:
    case 23:
        return QStringLiteral("rd");
    default:
        return QStringLiteral("th");
    }
}

QString CalendarLabelText(int level, TTimeValue date) {
    CheckLevel(level);
    const QDate d = ValueToDate(date);
    if (!d.isValid())
        return {};
    const TLocaleTexts& texts = TLocaleTexts::Current();
    int year = 0, month = 0, day = 0;
    d.getDate(&year, &month, &day);
    const QString dayNumber = QString::number(day);
    switch (level) {
    case 0:
        return texts.DayName(d.dayOfWeek(), true) + QLatin1Char(' ') + dayNumber +
               OrdinalSuffix(day) + QLatin1Char(' ') + texts.MonthName(month, true) +
               QLatin1Char(' ') + FourDigitYear(year);
    case 1:
        return texts.DayName(d.dayOfWeek(), false) + QLatin1Char(' ') + dayNumber +
               OrdinalSuffix(day);
    case 2:
        return QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0'));
    case 3:
        return texts.StandaloneMonthName(month, true) + QLatin1Char(' ') + FourDigitYear(year);
    case 4:
        return texts.StandaloneMonthName(month, true);
    case 5:
        return texts.StandaloneMonthName(month, false);
    case 6:
        return texts.StandaloneMonthName(month, false).left(1);
    default: // 7 to 9: the year; decade and century bands are labelled by their first year
        return level == 7 ? FourDigitYear(year) : FourDigitYear(year) + QLatin1Char('s');
    }
}

QString CalendarLabelSample(int level) {
    CheckLevel(level);
    static const char* const samples[CalendarLabelLevelCount] = {"Thursday 30th September 2000",
                                                                 "Thur 30th",
                                                                 "30",
                                                                 "September 2000",
                                                                 "September",
                                                                 "Dec",
                                                                 "M",
                                                                 "2000",
                                                                 "2000's",
                                                                 "2000's"};
    return QString::fromLatin1(samples[level]);
}

int CalendarLabelSampleWidth(int level, const QFont& font) {
    return QFontMetrics(font).horizontalAdvance(CalendarLabelSample(level));
}

TTimeValue CalendarPeriodStart(int level, TTimeValue date) {
    CheckLevel(level);
    const QDate d = ValueToDate(date);
    if (level <= 2 || !d.isValid())
        return std::trunc(date);
    const int year = d.year();
    switch (level) {
    case 3:
    case 4:
    case 5:
    case 6:
        return FirstDay(year, d.month());
    case 7:
        return FirstDay(year);
    case 8:
        return FirstDay(year - year % 10);
    default:
        return FirstDay(year - year % 100);
    }
}

TTimeValue CalendarPeriodNext(int level, TTimeValue date) {
    CheckLevel(level);
    const QDate d = ValueToDate(date);
    // Without a date, step by the nominal period so that a caller's loop still ends.
    if (level <= 2 || !d.isValid())
        return std::trunc(date) + CalendarPeriodDays(level);
    const int year = d.year();
    switch (level) {
    case 3:
    case 4:
    case 5:
    case 6:
        return d.month() == 12 ? FirstDay(year + 1) : FirstDay(year, d.month() + 1);
    case 7:
        return FirstDay(year + 1);
    case 8:
        return FirstDay(year - year % 10 + 10);
    default:
        return FirstDay(year - year % 100 + 100);
    }
}

int CalendarPeriodDays(int level) {
    static constexpr int days[CalendarLabelLevelCount] = {1,  1,  1,   30,   30,
                                                          30, 30, 365, 3650, 36500};
    return level >= 0 && level < CalendarLabelLevelCount ? days[level] : 1;
}
