#include "LocaleScope.h"
#include "time/TmLnDateUtils.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

QDateTime Utc(int y, int m, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return QDateTime(QDate(y, m, d), QTime(h, mi, s, ms), Qt::UTC);
}

struct TDateCase {
    QDateTime DateTime;
    double Value;
};

const TDateCase DateCases[] = {
    {Utc(1899, 12, 30), 0.0},
    {Utc(1899, 12, 31), 1.0},
    {Utc(1900, 1, 1), 2.0},
    {Utc(1899, 12, 30, 12), 0.5},
    {Utc(1899, 12, 29, 6), -1.25}, // whole part the day, |fraction| the time
    {Utc(1899, 12, 29, 18), -1.75},
    {Utc(1800, 1, 1), -36522.0},
    {Utc(1600, 3, 1, 12), -109511.5},
    {Utc(1, 1, 1), -693593.0},
    {Utc(1, 1, 1, 23, 59, 59, 999), -693593.0 - 86399999.0 / 86400000},
    {Utc(2000, 2, 29, 18), 36585.75},
    {Utc(2001, 3, 21), 36971.0},
    {Utc(9999, 12, 31, 23, 59, 59, 999), 2958465.0 + 86399999.0 / 86400000},
};

class DateNumberCase : public ::testing::TestWithParam<TDateCase> {};

TEST_P(DateNumberCase, ConvertsBothWays) {
    const TDateCase& c = GetParam();
    EXPECT_DOUBLE_EQ(DateTimeToValue(c.DateTime), c.Value);
    EXPECT_EQ(ValueToDateTime(c.Value), c.DateTime);
    EXPECT_EQ(ValueToDate(c.Value), c.DateTime.date());
    if (c.DateTime.time() == QTime(0, 0)) {
        EXPECT_EQ(DateToValue(c.DateTime.date()), c.Value);
    }
}

INSTANTIATE_TEST_SUITE_P(Dates, DateNumberCase, ::testing::ValuesIn(DateCases));

TEST(DateNumbers, MillisecondsRoundTripAcrossTheWholeRange) {
    // A fixed pseudo-random walk over days of years 1 to 9999 and milliseconds of the day.
    quint64 state = 12345;
    auto next = [&state] {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return state >> 33;
    };
    const qint64 first = QDate(1, 1, 1).toJulianDay();
    const qint64 days = QDate(9999, 12, 31).toJulianDay() - first + 1;
    for (int i = 0; i < 20000; ++i) {
        const QDate date = QDate::fromJulianDay(first + qint64(next() % quint64(days)));
        const QTime time = QTime::fromMSecsSinceStartOfDay(int(next() % 86400000));
        const QDateTime dt(date, time, Qt::UTC);
        ASSERT_EQ(ValueToDateTime(DateTimeToValue(dt)), dt)
            << dt.toString(Qt::ISODateWithMs).toStdString();
    }
}

TEST(DateNumbers, LocalDateTimesConvertByTheirWallClockReading) {
    const QDateTime local(QDate(2001, 3, 21), QTime(18, 0), Qt::LocalTime);
    EXPECT_DOUBLE_EQ(DateTimeToValue(local), 36971.75);
}

TEST(DateNumbers, RoundsUpToMidnightIntoTheNextDay) {
    EXPECT_EQ(ValueToDateTime(1.99999999999), Utc(1900, 1, 1));
    EXPECT_EQ(ValueToDateTime(-1.99999999999), Utc(1899, 12, 30));
}

TEST(DateNumbers, NumbersOutsideYearsOneTo9999HaveNoDate) {
    for (double v : {MinDateValue - 1, MaxDateValue + 1, 2958465.9999999999, std::nan(""),
                     double(INFINITY), -double(INFINITY)}) {
        EXPECT_FALSE(ValueToDateTime(v).isValid()) << v;
        EXPECT_FALSE(ValueToDate(v).isValid()) << v;
        EXPECT_EQ(ShortDateText(v), QString()) << v;
    }
    EXPECT_EQ(DateToValue(QDate()), 0.0);
    EXPECT_EQ(DateTimeToValue(QDateTime()), 0.0);
}

TEST(DateNumbers, LinearDaysOrderNegativeNumbersByTime) {
    EXPECT_DOUBLE_EQ(DateValueToLinearDays(-1.25), -0.75);
    EXPECT_LT(DateValueToLinearDays(-1.0), DateValueToLinearDays(-1.25)); // midnight before 06:00
    EXPECT_DOUBLE_EQ(DateValueToLinearDays(36971.75), 36971.75);
}

TEST(ShortDateFormat, WidensTwoDigitYearsOfTheDefaultLocale) {
    const std::pair<const char*, const char*> cases[] = {
        {"en_GB", "dd/MM/yyyy"},     {"en_US", "M/d/yyyy"},    {"de_DE", "dd.MM.yyyy"},
        {"bg_BG", "d.MM.yyyy 'г'."}, {"ko_KR", "yyyy. M. d."}, {"ja_JP", "yyyy/MM/dd"}};
    for (auto [name, format] : cases) {
        TLocaleScope scope{QLocale(QString::fromLatin1(name))};
        EXPECT_EQ(ShortDateFormat(), QString::fromUtf8(format)) << name;
    }
    EXPECT_EQ(WidenShortDateYears("dd 'yy' yy"), "dd 'yy' yyyy");
    EXPECT_EQ(WidenShortDateYears("'it''s' yy"), "'it''s' yyyy");
}

TEST(ShortDateFormat, WritesLikeTheLocaleAndReadsItsOwnTextsBack) {
    const QDate dates[] = {QDate(1, 1, 1),     QDate(44, 3, 5),    QDate(1899, 12, 30),
                           QDate(2001, 3, 21), QDate(2000, 2, 29), QDate(9999, 12, 31)};
    for (const char* name : {"en_GB", "en_US", "de_DE", "bg_BG", "ko_KR", "fa_IR", "ar_EG"}) {
        const QLocale locale{QString::fromLatin1(name)};
        TLocaleScope scope{locale};
        for (const QDate& date : dates) {
            const QString text = ShortDateText(date);
            EXPECT_EQ(text, locale.toString(date, ShortDateFormat())) << name;
            EXPECT_EQ(ReadShortDate(text), date) << name << " " << text.toStdString();
        }
    }
}

TEST(ShortDateFormat, ReadsSingleDigitDaysAndMonthsAndRefusesOthers) {
    EXPECT_EQ(ReadShortDate("5/3/1990"), QDate(1990, 3, 5));
    EXPECT_EQ(ReadShortDate("05/03/1990"), QDate(1990, 3, 5));
    EXPECT_FALSE(ReadShortDate("").isValid());
    EXPECT_FALSE(ReadShortDate("31/02/1990").isValid());
    EXPECT_FALSE(ReadShortDate("1990-03-05").isValid());
    EXPECT_EQ(ShortDateText(0.0), "30/12/1899");
    EXPECT_EQ(ShortDateText(36971.99), "21/03/2001");
}

} // namespace
