// Texts of the default locale that the time texts use: decimal point, the widened short date
// format and day and month names. Built once per locale, so the hot paths (RangeText on every
// record fetch) neither construct formats nor parse them per call.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <array>
#include <vector>

class TLocaleTexts {
public:
    // The texts of QLocale() as it is now; rebuilt when the default locale has changed.
    // The reference stays valid until the next call on the same thread.
    static const TLocaleTexts& Current();

    explicit TLocaleTexts(const QLocale& locale);

    const QLocale& Locale() const { return m_locale; }
    const QString& DecimalPoint() const { return m_decimalPoint; }
    const QString& ShortDateFormat() const { return m_shortDateFormat; }
    // Text of date 0.0 (30 December 1899) in the short date format.
    const QString& ZeroDateText() const { return m_zeroDateText; }

    // Month 1-12, weekday 1-7 (Monday first).
    const QString& MonthName(int month, bool longName) const;
    const QString& StandaloneMonthName(int month, bool longName) const;
    const QString& DayName(int weekday, bool longName) const;

    // `date` in the short date format; empty for an invalid date.
    QString FormatShortDate(const QDate& date) const;

private:
    enum class TTokenKind {
        Literal,
        Day,
        Day2,
        DayShort,
        DayLong,
        Month,
        Month2,
        MonthShort,
        MonthLong,
        Year4
    };
    struct TToken {
        TTokenKind Kind;
        QString Text;
    };
    bool CompileShortDateFormat();

    QLocale m_locale;
    QString m_decimalPoint;
    QString m_shortDateFormat;
    QString m_zeroDateText;
    std::array<QString, 13> m_shortMonths, m_longMonths, m_standaloneShortMonths,
        m_standaloneLongMonths;
    std::array<QString, 8> m_shortDays, m_longDays;
    std::vector<TToken> m_tokens;
    bool m_compiled = false;
};
