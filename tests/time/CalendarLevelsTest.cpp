#include "common/Errors.h"
#include "time/TmLnDateUtils.h"

#include <gtest/gtest.h>

#include <QFont>

namespace {

double Day(int y, int m, int d) {
    return DateToValue(QDate(y, m, d));
}

struct TTextCase {
    int Level;
    double Date;
    const char* Expected;
};

TEST(CalendarLabelText, FormatsEachLevelWithOrdinalSuffixes) {
    const TTextCase cases[] = {
        {0, Day(2001, 3, 21), "Wednesday 21st March 2001"},
        {0, Day(2002, 2, 2), "Saturday 2nd February 2002"},
        {0, Day(2001, 3, 23) + 0.9, "Friday 23rd March 2001"},
        {0, -1.25, "Friday 29th December 1899"},
        {1, Day(2001, 3, 12), "Mon 12th"},
        {1, Day(2001, 3, 1), "Thu 1st"},
        {1, Day(2001, 3, 11), "Sun 11th"},
        {1, Day(2001, 3, 13), "Tue 13th"},
        {1, Day(2001, 3, 22), "Thu 22nd"},
        {1, Day(2001, 3, 31), "Sat 31st"},
        {2, Day(2001, 3, 5), "05"},
        {2, Day(2001, 3, 21) + 0.75, "21"},
        {3, Day(2001, 3, 5), "March 2001"},
        {4, Day(2001, 3, 5), "March"},
        {5, Day(2001, 3, 5), "Mar"},
        {6, Day(2001, 3, 5), "M"},
        {6, Day(2001, 6, 30), "J"},
        {7, Day(2001, 3, 5), "2001"},
        {7, Day(44, 3, 5), "0044"},
        {8, Day(1990, 1, 1), "1990s"},
        {9, Day(1900, 1, 1), "1900s"},
    };
    for (const TTextCase& c : cases)
        EXPECT_EQ(CalendarLabelText(c.Level, c.Date), QString::fromUtf8(c.Expected))
            << c.Level << " " << c.Date;
}

struct TPeriodCase {
    int Level;
    double Date;
    double Start;
    double Next;
};

TEST(CalendarPeriods, StartAndNextAcrossMonthYearAndCenturyEnds) {
    const TPeriodCase cases[] = {
        {0, Day(2001, 3, 21) + 0.75, Day(2001, 3, 21), Day(2001, 3, 22)},
        {2, Day(1999, 12, 31) + 0.5, Day(1999, 12, 31), Day(2000, 1, 1)},
        {1, -1.25, -1.0, 0.0}, // 29 December 1899 06:00: the day starts at -1.0
        {3, Day(2000, 2, 15), Day(2000, 2, 1), Day(2000, 3, 1)},
        {4, Day(1999, 12, 10), Day(1999, 12, 1), Day(2000, 1, 1)},
        {5, Day(1850, 3, 15), Day(1850, 3, 1), Day(1850, 4, 1)},
        {6, Day(2001, 1, 31), Day(2001, 1, 1), Day(2001, 2, 1)},
        {7, Day(1987, 5, 14), Day(1987, 1, 1), Day(1988, 1, 1)},
        {7, Day(9999, 12, 31), Day(9999, 1, 1), Day(10000, 1, 1)},
        {8, Day(1987, 5, 14), Day(1980, 1, 1), Day(1990, 1, 1)},
        {8, Day(1990, 1, 1), Day(1990, 1, 1), Day(2000, 1, 1)},
        {9, Day(1987, 5, 14), Day(1900, 1, 1), Day(2000, 1, 1)},
        {9, Day(2000, 1, 1), Day(2000, 1, 1), Day(2100, 1, 1)},
        // No year 0: the first decade and century bands begin in year 1.
        {8, Day(5, 3, 3), Day(1, 1, 1), Day(10, 1, 1)},
        {9, Day(50, 6, 5), Day(1, 1, 1), Day(100, 1, 1)},
    };
    for (const TPeriodCase& c : cases) {
        EXPECT_EQ(CalendarPeriodStart(c.Level, c.Date), c.Start) << c.Level << " " << c.Date;
        EXPECT_EQ(CalendarPeriodNext(c.Level, c.Date), c.Next) << c.Level << " " << c.Date;
    }
}

TEST(CalendarPeriods, StepsFromAPeriodStartLandOnPeriodStarts) {
    for (int level = 0; level < CalendarLabelLevelCount; ++level) {
        double b = CalendarPeriodStart(level, Day(1899, 11, 17));
        for (int i = 0; i < 30; ++i) {
            const double n = CalendarPeriodNext(level, b);
            ASSERT_GT(n, b) << level;
            ASSERT_EQ(CalendarPeriodStart(level, n), n) << level;
            b = n;
        }
    }
    double month = Day(2000, 1, 1);
    for (int i = 0; i < 12; ++i)
        month = CalendarPeriodNext(3, month);
    EXPECT_EQ(month, Day(2001, 1, 1));
}

TEST(CalendarPeriods, NominalDays) {
    const int expected[] = {1, 1, 1, 30, 30, 30, 30, 365, 3650, 36500};
    for (int level = 0; level < CalendarLabelLevelCount; ++level)
        EXPECT_EQ(CalendarPeriodDays(level), expected[level]);
    EXPECT_EQ(CalendarPeriodDays(-1), 1);
    EXPECT_EQ(CalendarPeriodDays(10), 1);
}

TEST(CalendarLevels, LevelsOutsideZeroToNineAreRefused) {
    const QFont font;
    for (int level : {-1, 10}) {
        EXPECT_THROW(CalendarLabelText(level, 36971.0), EAssertionFailed);
        EXPECT_THROW(CalendarLabelSampleWidth(level, font), EAssertionFailed);
        EXPECT_THROW(CalendarPeriodStart(level, 36971.0), EAssertionFailed);
        EXPECT_THROW(CalendarPeriodNext(level, 36971.0), EAssertionFailed);
    }
    try {
        CalendarLabelText(10, 36971.0);
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(e.Message(), "Wrong date format");
    }
}

TEST(CalendarLabelSampleWidth, MeasuresTheSampleInTheGivenFont) {
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(10);
    QFont large = small;
    large.setPixelSize(20);
    EXPECT_GT(CalendarLabelSampleWidth(0, small), CalendarLabelSampleWidth(3, small));
    EXPECT_GT(CalendarLabelSampleWidth(3, small), CalendarLabelSampleWidth(2, small));
    EXPECT_GT(CalendarLabelSampleWidth(2, small), 0);
    EXPECT_GT(CalendarLabelSampleWidth(0, large), CalendarLabelSampleWidth(0, small) * 3 / 2);
    EXPECT_EQ(CalendarLabelSample(5), "Dec");
    EXPECT_EQ(CalendarLabelSample(8), "2000's");
}

} // namespace
