#include "time/TimeValues.h"

#include "time/DateNumbers.h"
#include "time/ReadableText.h"
#include "time/TLocaleTexts.h"
#include "time/UnitTable.h"

#include <cmath>

double RoundHalfEven(double x) {
    const double lower = std::floor(x);
    const double rest = x - lower;
    if (rest > 0.5)
        return lower + 1;
    if (rest < 0.5)
        return lower;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

double ReadDecimal(const QString& text, double fallback) {
    bool ok = false;
    double n = QLocale::c().toDouble(QStringView(text).trimmed(), &ok);
    if (!ok) {
        QLocale locale = TLocaleTexts::Current().Locale();
        locale.setNumberOptions(QLocale::RejectGroupSeparator);
        n = locale.toDouble(QStringView(text).trimmed(), &ok);
    }
    return ok && std::isfinite(n) ? n : fallback;
}

TTimeValue ParseTimeValue(const QString& majorText, const QString& minorText, TUnitSystem unit) {
    if (unit == usCalendarDates) {
        const QDate date = ReadShortDate(majorText);
        return date.isValid() ? DateToValue(date) : 2.0;
    }
    const double major = ReadDecimal(majorText);
    double fraction = MajorOnlyMarker;
    if (!minorText.isEmpty())
        fraction = (ReadDecimal(minorText) - MinorBase(unit)) / double(MinorPerMajor(unit));
    return major < 0 ? major - fraction : major + fraction;
}

TSplitNumbers SplitTimeNumbers(TTimeValue value, TUnitSystem unit) {
    TSplitNumbers split;
    split.Major = std::trunc(value);
    if (!IsMajorOnly(value) && !(value < 0) && std::isfinite(value))
        split.Minor = MinorIndex(value, unit) + MinorBase(unit);
    return split;
}

TTimeTexts SplitTimeValue(TTimeValue value, TUnitSystem unit) {
    if (unit == usCalendarDates)
        return {ShortDateText(value), {}};
    const TSplitNumbers split = SplitTimeNumbers(value, unit);
    return {IntText(value), split.Minor ? QString::number(*split.Minor) : QString()};
}

bool IsMajorOnly(TTimeValue value) {
    const double fraction = value - std::trunc(value);
    const double rounded = RoundHalfEven(fraction * 10000.0) / 10000.0;
    return std::fabs(rounded - MajorOnlyMarker) < 1e-16;
}

void AddMajorOnlyMarker(TTimeValue& value) {
    if (value - std::trunc(value) != 0.0)
        return;
    value = value < 0 ? value - MajorOnlyMarker : value + MajorOnlyMarker;
}

int MinorIndex(TTimeValue value, TUnitSystem unit) {
    if (unit == usCalendarDates || !std::isfinite(value))
        return 0;
    const double fraction = value - std::trunc(value);
    return int(RoundHalfEven(fraction * MinorPerMajor(unit)));
}

TTimeValue NudgeForDisplay(TTimeValue value) {
    if (std::fabs(value) < MajorOnlyMarker)
        return value;
    return value > 0 ? value + 0.000001 : value - 0.000001;
}

bool IsNullDate(TTimeValue value) {
    return std::fabs(std::trunc(value)) <= 1e-8;
}

bool IsEmptyEntryText(const QString& text, TUnitSystem unit) {
    if (text.isEmpty())
        return true;
    return unit == usCalendarDates && text == TLocaleTexts::Current().ZeroDateText();
}

bool DatesNeedSwap(TTimeValue start, TTimeValue end) {
    return std::fabs(end) > 1e-8 && (end < start || std::fabs(start) < 1e-8);
}
