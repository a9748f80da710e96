#include "time/ReadableText.h"

#include "common/Errors.h"
#include "time/DateNumbers.h"
#include "time/TLocaleTexts.h"
#include "time/TimeValues.h"
#include "time/UnitTable.h"

#include <cmath>

namespace {

const QString BcSuffix = QStringLiteral(" BC");

// A whole number with no decimals; never "-0".
QString WholeNumberText(double whole) {
    if (std::fabs(whole) < 9.0e18)
        return QString::number(qint64(whole));
    return QString::number(whole, 'f', 0);
}

QString YearTextOf(double n) {
    if (n < 0)
        return WholeNumberText(RoundHalfEven(-n)) + BcSuffix;
    if (n == 0)
        return QStringLiteral("0");
    return WholeNumberText(RoundHalfEven(n));
}

// "%.2d" of a whole number text: at least two digits after any sign.
QString TwoDigits(const QString& wholeText) {
    const bool negative = wholeText.startsWith(QLatin1Char('-'));
    const qsizetype digits = wholeText.size() - (negative ? 1 : 0);
    if (digits >= 2)
        return wholeText;
    if (negative)
        return QStringLiteral("-0") + QStringView(wholeText).mid(1);
    return QStringLiteral("0") + wholeText;
}

QString Fixed(double value, int decimals, const TLocaleTexts& texts) {
    QString s = QString::number(value, 'f', decimals);
    if (texts.DecimalPoint() != QStringLiteral("."))
        s.replace(QLatin1Char('.'), texts.DecimalPoint());
    return s;
}

QString ReadableDateImpl(TTimeValue value, const TLocaleTexts& texts) {
    try {
        if (!std::isfinite(value))
            throw EVzError(QStringLiteral("Invalid floating point operation."));
        const double whole = std::trunc(value);
        const QString year = YearTextOf(whole);
        if (IsMajorOnly(value))
            return year;
        double f = value - whole;
        if (f < 0)
            f = 1 - std::fabs(f);
        // 1 - |f| can round to exactly 1 for a tiny negative fraction; it still means December.
        const int month = qMin(int(std::trunc(12 * f)) + 1, 12);
        if (year.endsWith(BcSuffix))
            return year;
        const QString& monthName = texts.StandaloneMonthName(month, false);
        if (value >= 32)
            return monthName + QLatin1Char(' ') + year;
        return monthName + QStringLiteral(" (year ") + year + QLatin1Char(')');
    } catch (const std::exception& e) {
        throw EVzError(QString::fromUtf8(e.what()) + QStringLiteral(" Proc=ReadableDate, D=") +
                       GeneralFloatText(value) + QLatin1Char('.'));
    }
}

QString ReadableValueImpl(TTimeValue value, TUnitSystem unit, const TLocaleTexts& texts) {
    switch (unit) {
    case usCalendarDates:
        return texts.FormatShortDate(ValueToDate(value));
    case usYearsAndMonths:
        return ReadableDateImpl(value, texts);
    default:
        break;
    }
    const bool majorOnly = IsMajorOnly(value);
    const QString major = WholeNumberText(std::trunc(value));
    // The minor of a negative value comes from its absolute fraction, like its encoding
    // (major - fraction): -5.25 in Days and Hours is day -5, hour 6.
    auto minor = [&] {
        return QString::number(MinorIndex(std::fabs(value), unit) + MinorBase(unit));
    };
    switch (unit) {
    case usYearsAndWeeks: {
        const QString year = YearTextOf(std::trunc(value));
        if (majorOnly || year.endsWith(BcSuffix))
            return year;
        return year + QStringLiteral(" wk") + minor();
    }
    case usDaysAndHours:
        if (majorOnly)
            return QStringLiteral("day ") + major;
        return TwoDigits(minor()) + QStringLiteral(":00 day ") + major;
    case usHoursAndMinutes:
        if (majorOnly)
            return TwoDigits(major) + QStringLiteral(":00");
        return TwoDigits(major) + QLatin1Char(':') + TwoDigits(minor());
    case usSteps:
        if (majorOnly)
            return major;
        return QStringLiteral("step ") + major + QLatin1Char('.') + minor();
    case usKilometresAndMetres:
        return (majorOnly ? major : Fixed(value, 3, texts)) + QStringLiteral("km");
    case usMetresAndCentimetres:
        return (majorOnly ? major : Fixed(value, 2, texts)) + QStringLiteral("m");
    default:
        return {};
    }
}

QString ValueLabelImpl(TUnitSystem unit, TTimeValue value, double interval,
                       const TLocaleTexts& texts) {
    if (unit == usCalendarDates)
        return texts.FormatShortDate(ValueToDate(value));
    if (interval < 1 && std::fabs(interval - 1) > 0.00001)
        return ReadableValueImpl(NudgeForDisplay(value), unit, texts);
    const double whole = std::floor(value);
    if (unit == usYearsAndMonths || unit == usYearsAndWeeks)
        return YearTextOf(whole);
    return WholeNumberText(whole);
}

} // namespace

QString YearText(const QString& numberText) {
    if (numberText.isEmpty())
        return {};
    return YearTextOf(ReadDecimal(numberText));
}

QString IntText(TTimeValue value) {
    const double whole = std::trunc(value);
    return WholeNumberText(whole);
}

QString ReadableDate(TTimeValue value) {
    return ReadableDateImpl(value, TLocaleTexts::Current());
}

QString ReadableValue(TTimeValue value, TUnitSystem unit) {
    return ReadableValueImpl(value, unit, TLocaleTexts::Current());
}

QString ValueLabel(TUnitSystem unit, TTimeValue value, double interval) {
    return ValueLabelImpl(unit, value, interval, TLocaleTexts::Current());
}

QString JoinRange(const QString& first, const QString& second, const QString& separator) {
    if (first == second)
        return first;
    if (!first.isEmpty() && !second.isEmpty())
        return first + separator + second;
    return first.isEmpty() ? second : first;
}

// One-month collapse of a Years and Months range. Both values are split as the entry boxes show
// them (SplitTimeNumbers: year and month number, no month for a major-only or negative value).
// The range collapses when both have a month and the end month is the month right after the
// start month, counted across the year end (Dec 1990 to Jan 1991): the event covers one month.
bool IsOneMonthRange(TTimeValue start, TTimeValue end) {
    const TSplitNumbers s = SplitTimeNumbers(start, usYearsAndMonths);
    const TSplitNumbers e = SplitTimeNumbers(end, usYearsAndMonths);
    if (!s.Minor || !e.Minor)
        return false;
    return (e.Major * 12 + *e.Minor) - (s.Major * 12 + *s.Minor) == 1;
}

QString RangeText(bool startIsNull, bool endIsNull, TUnitSystem unit, TTimeValue start,
                  TTimeValue end) {
    const TLocaleTexts& texts = TLocaleTexts::Current();
    const bool calendar = unit == usCalendarDates;
    const bool hasStart = !startIsNull && !(calendar && IsNullDate(start));
    const bool hasEnd = !endIsNull && !(calendar && IsNullDate(end));
    const QString startText = hasStart ? ValueLabelImpl(unit, start, 0.5, texts) : QString();
    if (hasStart && hasEnd && unit == usYearsAndMonths && IsOneMonthRange(start, end))
        return startText;
    const QString endText = hasEnd ? ValueLabelImpl(unit, end, 0.5, texts) : QString();
    static const QString separator = QStringLiteral(" - ");
    return JoinRange(startText, endText, separator);
}

QString RangeText(TUnitSystem unit, std::optional<TTimeValue> start,
                  std::optional<TTimeValue> end) {
    return RangeText(!start, !end, unit, start.value_or(0.0), end.value_or(0.0));
}

QString GeneralFloatText(double value) {
    if (!std::isfinite(value))
        return QString::number(value);
    const double size = std::fabs(value);
    QString s;
    if (value == 0)
        s = QStringLiteral("0");
    else if (size >= 1e-5 && size < 1e15)
        s = QString::number(value, 'f', QLocale::FloatingPointShortest);
    else
        s = QString::number(value, 'e', QLocale::FloatingPointShortest);
    const QString& point = TLocaleTexts::Current().DecimalPoint();
    if (point != QStringLiteral("."))
        s.replace(QLatin1Char('.'), point);
    return s;
}

QString FixedText(double value, int decimals) {
    return Fixed(value, decimals, TLocaleTexts::Current());
}
