#include "LocaleScope.h"
#include "common/Errors.h"
#include "time/TmLnDateUtils.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(YearText, WritesBcForNegativeYearsAndNoAd) {
    const std::pair<const char*, const char*> cases[] = {{"", ""},    {"-44", "44 BC"}, {"0", "0"},
                                                         {"-0", "0"}, {"1990", "1990"}, {"5", "5"}};
    for (auto [number, expected] : cases)
        EXPECT_EQ(YearText(number), QString::fromLatin1(expected)) << number;
}

TEST(IntText, TruncatesTowardZero) {
    EXPECT_EQ(IntText(1990.9), "1990");
    EXPECT_EQ(IntText(-44.9), "-44");
    EXPECT_EQ(IntText(-0.5), "0");
    EXPECT_EQ(IntText(1e20), "100000000000000000000");
}

TEST(ReadableDate, WrapsAFailureWithTheProcedureAndTheValue) {
    try {
        ReadableDate(std::nan(""));
        FAIL() << "no error";
    } catch (const EVzError& e) {
        EXPECT_EQ(e.Message(), "Invalid floating point operation. Proc=ReadableDate, D=nan.");
    }
}

TEST(ReadableDate, TinyNegativeFractionStillNamesDecember) {
    EXPECT_EQ(ReadableDate(-1e-20), "Dec (year 0)");
    EXPECT_EQ(ReadableDate(-0.25), "Oct (year 0)");
}

struct TLabelCase {
    TUnitSystem Unit;
    double Value;
    double Interval;
    const char* Expected;
};

TEST(ValueLabel, ShowsWholeNumbersFromAnIntervalOfOneAndReadableTextsBelow) {
    const TLabelCase cases[] = {
        {usYearsAndMonths, 1990.4, 1, "1990"},
        {usYearsAndMonths, 1990.4, 0.999995, "1990"},
        {usYearsAndMonths, 1990.4, 10, "1990"},
        {usYearsAndMonths, 1990.4, 0.5, "May 1990"},
        {usYearsAndMonths, 1990 + 2.0 / 12, 1.0 / 12, "Mar 1990"}, // the nudge keeps March
        {usYearsAndMonths, -43.5, 1, "44 BC"},
        {usYearsAndWeeks, -0.5, 1, "1 BC"},
        {usDaysAndHours, 5.75, 1, "5"},
        {usDaysAndHours, -0.5, 1, "-1"},
        {usSteps, 12.9, 10, "12"},
        {usKilometresAndMetres, 5.25, 0.001, "5.250km"},
        {usHoursAndMinutes, 5 + 7.0 / 60, 1.0 / 60, "05:07"},
        {usCalendarDates, 36971.75, 0.001, "21/03/2001"},
        {usCalendarDates, 36971.0, 7, "21/03/2001"},
    };
    for (const TLabelCase& c : cases)
        EXPECT_EQ(ValueLabel(c.Unit, c.Value, c.Interval), QString::fromUtf8(c.Expected))
            << int(c.Unit) << " " << c.Value << " " << c.Interval;
}

TEST(JoinRange, JoinsOnlyTwoDifferentTexts) {
    EXPECT_EQ(JoinRange("a", "a", " - "), "a");
    EXPECT_EQ(JoinRange("a", "b", " - "), "a - b");
    EXPECT_EQ(JoinRange("", "b", " - "), "b");
    EXPECT_EQ(JoinRange("a", "", " - "), "a");
    EXPECT_EQ(JoinRange("", "", " - "), "");
}

struct TRangeCase {
    const char* What;
    TUnitSystem Unit;
    std::optional<double> Start;
    std::optional<double> End;
    const char* Expected;
};

void PrintTo(const TRangeCase& c, std::ostream* os) {
    *os << c.What;
}

constexpr double Mar1990 = 1990 + 2.0 / 12;

const TRangeCase RangeCases[] = {
    {"both NULL", usYearsAndMonths, {}, {}, ""},
    {"single point", usYearsAndMonths, Mar1990, {}, "Mar 1990"},
    {"start NULL", usYearsAndMonths, {}, 1990 + 3.0 / 12, "Apr 1990"},
    {"months", usYearsAndMonths, Mar1990, 1991 + 5.0 / 12, "Mar 1990 - Jun 1991"},
    {"years", usYearsAndMonths, 1990.0002, 1995.0002, "1990 - 1995"},
    {"BC years", usYearsAndMonths, -44.0002, -10.0002, "44 BC - 10 BC"},
    {"same value", usYearsAndMonths, Mar1990, Mar1990, "Mar 1990"},
    {"one month", usYearsAndMonths, Mar1990, 1990 + 3.0 / 12, "Mar 1990"},
    {"one month over the year end", usYearsAndMonths, 1990 + 11.0 / 12, 1991.0, "Dec 1990"},
    {"month 13 of the split", usYearsAndMonths, 1990 + 11.0 / 12, 1990.995, "Dec 1990"},
    {"two months", usYearsAndMonths, Mar1990, 1990 + 4.0 / 12, "Mar 1990 - May 1990"},
    {"next month a year on", usYearsAndMonths, Mar1990, 1991 + 3.0 / 12, "Mar 1990 - Apr 1991"},
    {"year-only start", usYearsAndMonths, 1990.0002, 1990.0, "1990 - Jan 1990"},
    {"year-only end", usYearsAndMonths, 1990 + 11.0 / 12, 1991.0002, "Dec 1990 - 1991"},
    {"weeks never collapse", usYearsAndWeeks, 1990 + 2.0 / 52, 1990 + 3.0 / 52,
     "1990 wk3 - 1990 wk4"},
    {"same hour", usDaysAndHours, 5.25, 5.26, "06:00 day 5"},
    {"hours", usDaysAndHours, 5.25, 6.5, "06:00 day 5 - 12:00 day 6"},
    {"steps from zero", usSteps, 0.0, 5.0002, "step 0.1 - 5"},
    {"distance", usKilometresAndMetres, 1.5, 2.0002, "1.500km - 2km"},
    {"dates", usCalendarDates, 36971.0, 36972.0, "21/03/2001 - 22/03/2001"},
    {"same day", usCalendarDates, 36971.25, 36971.75, "21/03/2001"},
    {"start of 0 is no start", usCalendarDates, 0.0, 36971.0, "21/03/2001"},
    {"end within day 0 is no end", usCalendarDates, 36971.0, 0.5, "21/03/2001"},
    {"before 1899", usCalendarDates, -36522.0, -1.25, "01/01/1800 - 29/12/1899"},
};

class RangeTextCase : public ::testing::TestWithParam<TRangeCase> {};

TEST_P(RangeTextCase, BuildsTheDateFieldText) {
    const TRangeCase& c = GetParam();
    EXPECT_EQ(RangeText(c.Unit, c.Start, c.End), QString::fromUtf8(c.Expected));
    EXPECT_EQ(RangeText(!c.Start, !c.End, c.Unit, c.Start.value_or(0), c.End.value_or(0)),
              QString::fromUtf8(c.Expected));
}

INSTANTIATE_TEST_SUITE_P(Ranges, RangeTextCase, ::testing::ValuesIn(RangeCases));

TEST(RangeText, NullFlagsWinOverTheValuesPassed) {
    EXPECT_EQ(RangeText(true, false, usDaysAndHours, 5.25, 6.5), "12:00 day 6");
    EXPECT_EQ(RangeText(false, true, usYearsAndMonths, Mar1990, 1990 + 3.0 / 12), "Mar 1990");
}

TEST(GeneralFloatText, WritesTheShortestExactText) {
    const std::pair<double, const char*> cases[] = {{1991.5, "1991.5"},
                                                    {0.0002, "0.0002"},
                                                    {1e6, "1000000"},
                                                    {1e20, "1e+20"},
                                                    {-1990.25, "-1990.25"},
                                                    {0.0, "0"},
                                                    {1990 + 2.0 / 12, "1990.1666666666667"},
                                                    {1e-7, "1e-07"}};
    for (auto [value, expected] : cases)
        EXPECT_EQ(GeneralFloatText(value), QString::fromLatin1(expected)) << value;
}

TEST(LocaleTexts, DecimalSeparatorShortDatesAndMonthNamesFollowTheDefaultLocale) {
    TLocaleScope scope{QLocale(QLocale::German, QLocale::Germany)};
    EXPECT_EQ(ReadableValue(5.25, usKilometresAndMetres), "5,250km");
    EXPECT_EQ(ReadableValue(1234.25, usMetresAndCentimetres), "1234,25m"); // no group separator
    EXPECT_EQ(GeneralFloatText(1991.5), "1991,5");
    EXPECT_EQ(FixedText(-0.5, 3), "-0,500");
    EXPECT_EQ(RangeText(usCalendarDates, 36971.0, 36972.0), "21.03.2001 - 22.03.2001");
    EXPECT_EQ(RangeText(usYearsAndMonths, 1990 + 2.0 / 12, std::nullopt), "Mär 1990");
    EXPECT_EQ(ParseTimeValue("21.03.2001", "", usCalendarDates), 36971.0);
    EXPECT_TRUE(IsEmptyEntryText("30.12.1899", usCalendarDates));
    EXPECT_FALSE(IsEmptyEntryText("30/12/1899", usCalendarDates));
}

TEST(LocaleTexts, AChangedDefaultLocaleIsPickedUpAndRestored) {
    EXPECT_EQ(ShortDateText(36971.0), "21/03/2001");
    {
        TLocaleScope scope{QLocale(QLocale::English, QLocale::UnitedStates)};
        EXPECT_EQ(ShortDateText(36971.0), "3/21/2001");
    }
    EXPECT_EQ(ShortDateText(36971.0), "21/03/2001");
}

} // namespace
