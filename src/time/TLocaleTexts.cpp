#include "time/TLocaleTexts.h"

#include "time/DateNumbers.h"

#include <memory>

namespace {

// Appends `n` with at least `width` digits (ASCII; used only when the locale's digits are).
void AppendNumber(QString& out, int n, int width) {
    char buffer[12];
    int len = 0;
    do {
        buffer[len++] = char('0' + n % 10);
        n /= 10;
    } while (n > 0 && len < 11);
    while (len < width)
        buffer[len++] = '0';
    while (len > 0)
        out += QLatin1Char(buffer[--len]);
}

int RepeatCount(const QString& s, qsizetype from) {
    const QChar c = s.at(from);
    qsizetype i = from;
    while (i < s.size() && s.at(i) == c)
        ++i;
    return int(i - from);
}

// Reads a quoted literal starting at the opening quote; returns the index after it.
qsizetype ReadQuoted(const QString& format, qsizetype at, QString& literal) {
    qsizetype i = at + 1;
    while (i < format.size()) {
        if (format.at(i) == QLatin1Char('\'')) {
            if (i + 1 < format.size() && format.at(i + 1) == QLatin1Char('\'')) {
                literal += QLatin1Char('\'');
                i += 2;
                continue;
            }
            return i + 1;
        }
        literal += format.at(i++);
    }
    return i;
}

} // namespace

QString WidenShortDateYears(const QString& format) {
    QString out;
    qsizetype i = 0;
    while (i < format.size()) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            QString literal;
            const qsizetype end = ReadQuoted(format, i, literal);
            out += QStringView(format).mid(i, end - i);
            i = end;
        } else if (c == QLatin1Char('y')) {
            const int n = RepeatCount(format, i);
            out += n < 4 ? QStringLiteral("yyyy") : format.mid(i, n);
            i += n;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

const TLocaleTexts& TLocaleTexts::Current() {
    thread_local std::unique_ptr<TLocaleTexts> cache;
    const QLocale now;
    if (!cache || cache->m_locale != now)
        cache = std::make_unique<TLocaleTexts>(now);
    return *cache;
}

TLocaleTexts::TLocaleTexts(const QLocale& locale)
    : m_locale(locale), m_decimalPoint(locale.decimalPoint()),
      m_shortDateFormat(WidenShortDateYears(locale.dateFormat(QLocale::ShortFormat))) {
    for (int m = 1; m <= 12; ++m) {
        m_shortMonths[m] = locale.monthName(m, QLocale::ShortFormat);
        m_longMonths[m] = locale.monthName(m, QLocale::LongFormat);
        m_standaloneShortMonths[m] = locale.standaloneMonthName(m, QLocale::ShortFormat);
        m_standaloneLongMonths[m] = locale.standaloneMonthName(m, QLocale::LongFormat);
    }
    for (int d = 1; d <= 7; ++d) {
        m_shortDays[d] = locale.dayName(d, QLocale::ShortFormat);
        m_longDays[d] = locale.dayName(d, QLocale::LongFormat);
    }
    m_compiled = CompileShortDateFormat();
    m_zeroDateText = FormatShortDate(ValueToDate(0.0));
}

const QString& TLocaleTexts::MonthName(int month, bool longName) const {
    return longName ? m_longMonths[month] : m_shortMonths[month];
}

const QString& TLocaleTexts::StandaloneMonthName(int month, bool longName) const {
    return longName ? m_standaloneLongMonths[month] : m_standaloneShortMonths[month];
}

const QString& TLocaleTexts::DayName(int weekday, bool longName) const {
    return longName ? m_longDays[weekday] : m_shortDays[weekday];
}

// Splits the short date format into tokens once. Formats with anything but day, month and
// four-digit year fields, or locales with their own digits, are left to QLocale.
bool TLocaleTexts::CompileShortDateFormat() {
    if (m_locale.zeroDigit() != QStringLiteral("0"))
        return false;
    const QString& f = m_shortDateFormat;
    qsizetype i = 0;
    auto literal = [this](const QString& text) {
        if (!m_tokens.empty() && m_tokens.back().Kind == TTokenKind::Literal)
            m_tokens.back().Text += text;
        else
            m_tokens.push_back({TTokenKind::Literal, text});
    };
    while (i < f.size()) {
        const QChar c = f.at(i);
        if (c == QLatin1Char('\'')) {
            QString text;
            i = ReadQuoted(f, i, text);
            literal(text.isEmpty() ? QStringLiteral("'") : text);
        } else if (c == QLatin1Char('d') || c == QLatin1Char('M')) {
            const int n = qMin(RepeatCount(f, i), 4);
            static constexpr TTokenKind days[] = {TTokenKind::Day, TTokenKind::Day2,
                                                  TTokenKind::DayShort, TTokenKind::DayLong};
            static constexpr TTokenKind months[] = {TTokenKind::Month, TTokenKind::Month2,
                                                    TTokenKind::MonthShort, TTokenKind::MonthLong};
            m_tokens.push_back({c == QLatin1Char('d') ? days[n - 1] : months[n - 1], {}});
            i += n;
        } else if (c == QLatin1Char('y')) {
            if (RepeatCount(f, i) != 4)
                return false;
            m_tokens.push_back({TTokenKind::Year4, {}});
            i += 4;
        } else if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                   (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))) {
            return false;
        } else {
            literal(QString(c));
            ++i;
        }
    }
    return true;
}

QString TLocaleTexts::FormatShortDate(const QDate& date) const {
    if (!date.isValid())
        return {};
    if (!m_compiled)
        return m_locale.toString(date, m_shortDateFormat);
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    QString out;
    out.reserve(16);
    for (const TToken& t : m_tokens) {
        switch (t.Kind) {
        case TTokenKind::Literal:
            out += t.Text;
            break;
        case TTokenKind::Day:
            AppendNumber(out, day, 1);
            break;
        case TTokenKind::Day2:
            AppendNumber(out, day, 2);
            break;
        case TTokenKind::DayShort:
            out += m_shortDays[date.dayOfWeek()];
            break;
        case TTokenKind::DayLong:
            out += m_longDays[date.dayOfWeek()];
            break;
        case TTokenKind::Month:
            AppendNumber(out, month, 1);
            break;
        case TTokenKind::Month2:
            AppendNumber(out, month, 2);
            break;
        case TTokenKind::MonthShort:
            out += m_shortMonths[month];
            break;
        case TTokenKind::MonthLong:
            out += m_longMonths[month];
            break;
        case TTokenKind::Year4:
            AppendNumber(out, year, 4);
            break;
        }
    }
    return out;
}
