#include "time/DateNumbers.h"

#include "time/TLocaleTexts.h"

#include <cmath>

namespace {

constexpr qint64 EpochJulianDay = 2415019; // 30 December 1899
constexpr qint64 MsecsPerDay = 86400000;

bool InDateRange(double day) {
    return day >= MinDateValue && day <= MaxDateValue;
}

// "dd" -> "d" and "MM" -> "M" outside quotes: the lenient reading of typed dates.
QString RelaxedFormat(const QString& format) {
    QString out;
    qsizetype i = 0;
    bool quoted = false;
    while (i < format.size()) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        qsizetype n = 1;
        if (!quoted && (c == QLatin1Char('d') || c == QLatin1Char('M')))
            while (i + n < format.size() && format.at(i + n) == c)
                ++n;
        out += n == 2 ? QString(c) : format.mid(i, n);
        i += n;
    }
    return out;
}

} // namespace

TTimeValue DateToValue(const QDate& date) {
    if (!date.isValid())
        return 0.0;
    return double(date.toJulianDay() - EpochJulianDay);
}

TTimeValue DateTimeToValue(const QDate& date, const QTime& time) {
    if (!date.isValid())
        return 0.0;
    const double day = DateToValue(date);
    const double fraction =
        time.isValid() ? double(time.msecsSinceStartOfDay()) / MsecsPerDay : 0.0;
    return day < 0 ? day - fraction : day + fraction;
}

TTimeValue DateTimeToValue(const QDateTime& dateTime) {
    if (!dateTime.isValid())
        return 0.0;
    return DateTimeToValue(dateTime.date(), dateTime.time());
}

namespace {

// The Julian day and the milliseconds since midnight of a number; false outside the range.
bool SplitDateValue(TTimeValue value, qint64& julianDay, int& msecs) {
    if (!std::isfinite(value))
        return false;
    double day = std::trunc(value);
    if (!InDateRange(day))
        return false;
    qint64 ms = std::llround(std::fabs(value - day) * MsecsPerDay);
    if (ms >= MsecsPerDay) {
        // Rounded up to midnight: the next day begins.
        ms -= MsecsPerDay;
        day += 1;
        if (!InDateRange(day))
            return false;
    }
    julianDay = qint64(day) + EpochJulianDay;
    msecs = int(ms);
    return true;
}

} // namespace

QDateTime ValueToDateTime(TTimeValue value) {
    qint64 julianDay = 0;
    int msecs = 0;
    if (!SplitDateValue(value, julianDay, msecs))
        return {};
    return QDateTime(QDate::fromJulianDay(julianDay), QTime::fromMSecsSinceStartOfDay(msecs),
                     Qt::UTC);
}

QDate ValueToDate(TTimeValue value) {
    qint64 julianDay = 0;
    int msecs = 0;
    if (!SplitDateValue(value, julianDay, msecs))
        return {};
    return QDate::fromJulianDay(julianDay);
}

double DateValueToLinearDays(TTimeValue value) {
    const double whole = std::trunc(value);
    return whole + std::fabs(value - whole);
}

QString ShortDateFormat() {
    return TLocaleTexts::Current().ShortDateFormat();
}

QString ShortDateText(const QDate& date) {
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return {};
    return TLocaleTexts::Current().FormatShortDate(date);
}

QString ShortDateText(TTimeValue value) {
    return TLocaleTexts::Current().FormatShortDate(ValueToDate(value));
}

QDate ReadShortDate(const QString& text) {
    if (text.isEmpty())
        return {};
    const TLocaleTexts& texts = TLocaleTexts::Current();
    QDate date = texts.Locale().toDate(text, texts.ShortDateFormat());
    if (!date.isValid())
        date = texts.Locale().toDate(text, RelaxedFormat(texts.ShortDateFormat()));
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return {};
    return date;
}
