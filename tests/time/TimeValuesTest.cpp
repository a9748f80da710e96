#include "time/TmLnDateUtils.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Typed texts through parse, split and readable text, one row per case.
struct TEntryCase {
    TUnitSystem Unit;
    const char* Major;
    const char* Minor;
    double Value;
    const char* SplitMajor;
    const char* SplitMinor;
    const char* Readable; // the event range text of the value alone
    bool RoundTrips;      // the split texts parse back to the same value
};

void PrintTo(const TEntryCase& c, std::ostream* os) {
    *os << int(c.Unit) << " '" << c.Major << "' '" << c.Minor << "'";
}

const TEntryCase EntryCases[] = {
    {usYearsAndMonths, "1990", "", 1990.0002, "1990", "", "1990", true},
    {usYearsAndMonths, "1990", "3", 1990 + 2.0 / 12, "1990", "3", "Mar 1990", true},
    {usYearsAndMonths, "1990", "12", 1990 + 11.0 / 12, "1990", "12", "Dec 1990", true},
    {usYearsAndMonths, "1990", "13", 1991.0, "1991", "1", "Jan 1991", true}, // carries
    {usYearsAndMonths, "-44", "", -44.0002, "-44", "", "44 BC", true},
    {usYearsAndMonths, "0", "", 0.0002, "0", "", "0", true},
    {usYearsAndMonths, "5", "3", 5 + 2.0 / 12, "5", "3", "Mar (year 5)", true},
    {usYearsAndMonths, "31", "", 31.0002, "31", "", "31", true},
    {usYearsAndMonths, "32", "1", 32.0, "32", "1", "Jan 32", true},
    {usYearsAndWeeks, "1990", "12", 1990 + 11.0 / 52, "1990", "12", "1990 wk12", true},
    {usYearsAndWeeks, "1990", "", 1990.0002, "1990", "", "1990", true},
    {usYearsAndWeeks, "-10", "", -10.0002, "-10", "", "10 BC", true},
    {usDaysAndHours, "5", "6", 5.25, "5", "6", "06:00 day 5", true},
    {usDaysAndHours, "5", "", 5.0002, "5", "", "day 5", true},
    {usDaysAndHours, "0", "0", 0.0, "0", "0", "00:00 day 0", true},
    {usDaysAndHours, "-5", "", -5.0002, "-5", "", "00:00 day -5", true},
    // Minor parts of negative values are not split out; the readable text keeps the hour.
    {usDaysAndHours, "-5", "6", -5.25, "-5", "", "06:00 day -5", false},
    {usHoursAndMinutes, "5", "7", 5 + 7.0 / 60, "5", "7", "05:07", true},
    {usHoursAndMinutes, "5", "", 5.0002, "5", "", "05:00", true},
    {usHoursAndMinutes, "123", "59", 123 + 59.0 / 60, "123", "59", "123:59", true},
    {usHoursAndMinutes, "-5", "30", -5.5, "-5", "", "-05:30", false},
    {usSteps, "5", "3", 5.2, "5", "3", "step 5.3", true},
    {usSteps, "5", "", 5.0002, "5", "", "5", true},
    {usSteps, "5", "10", 5.9, "5", "10", "step 5.10", true},
    {usKilometresAndMetres, "5", "250", 5.25, "5", "250", "5.250km", true},
    {usKilometresAndMetres, "5", "", 5.0002, "5", "", "5km", true},
    {usKilometresAndMetres, "-2", "500", -2.5, "-2", "", "-2.500km", false},
    {usMetresAndCentimetres, "5", "25", 5.25, "5", "25", "5.25m", true},
    {usMetresAndCentimetres, "0", "5", 0.05, "0", "5", "0.05m", true},
    {usMetresAndCentimetres, "5", "", 5.0002, "5", "", "5m", true},
    {usCalendarDates, "21/03/2001", "", 36971, "21/03/2001", "", "21/03/2001", true},
    {usCalendarDates, "05/03/0044", "ignored", -677824, "05/03/0044", "", "05/03/0044", true},
    {usCalendarDates, "1/1/1900", "", 2.0, "01/01/1900", "", "01/01/1900", true},
    {usCalendarDates, "not a date", "", 2.0, "01/01/1900", "", "01/01/1900", true},
    {usCalendarDates, "31/02/2001", "", 2.0, "01/01/1900", "", "01/01/1900", true},
};

class EntryRoundTrip : public ::testing::TestWithParam<TEntryCase> {};

TEST_P(EntryRoundTrip, ParseSplitAndReadableText) {
    const TEntryCase& c = GetParam();
    const double value = ParseTimeValue(c.Major, c.Minor, c.Unit);
    EXPECT_DOUBLE_EQ(value, c.Value);
    const TTimeTexts split = SplitTimeValue(value, c.Unit);
    EXPECT_EQ(split.Major, QString::fromUtf8(c.SplitMajor));
    EXPECT_EQ(split.Minor, QString::fromUtf8(c.SplitMinor));
    EXPECT_EQ(RangeText(c.Unit, value, std::nullopt), QString::fromUtf8(c.Readable));
    if (c.RoundTrips) {
        EXPECT_DOUBLE_EQ(ParseTimeValue(split.Major, split.Minor, c.Unit), value);
    }
}

INSTANTIATE_TEST_SUITE_P(AllUnits, EntryRoundTrip, ::testing::ValuesIn(EntryCases));

TEST(ParseTimeValue, UnreadableNumbersCountAsZero) {
    EXPECT_DOUBLE_EQ(ParseTimeValue("abc", "", usSteps), 0.0002);
    EXPECT_DOUBLE_EQ(ParseTimeValue("7", "x", usDaysAndHours), 7.0); // minor 0 from base 0
    EXPECT_DOUBLE_EQ(ParseTimeValue("7", "x", usYearsAndMonths), 7 - 1.0 / 12);
    EXPECT_DOUBLE_EQ(ParseTimeValue("inf", "", usSteps), 0.0002);
    EXPECT_DOUBLE_EQ(ParseTimeValue("-0", "", usSteps), 0.0002); // zero is not negative
}

TEST(SplitTimeValue, ValueNearlyAYearAboveShowsMonthThirteenWhichParsesToTheNextYear) {
    const TTimeTexts split = SplitTimeValue(1990.995, usYearsAndMonths);
    EXPECT_EQ(split, (TTimeTexts{"1990", "13"}));
    EXPECT_EQ(ParseTimeValue(split.Major, split.Minor, usYearsAndMonths), 1991.0);
}

TEST(SplitTimeValue, ChangingTheUnitSystemReadsTheSameStoredValueAnew) {
    const double stored = ParseTimeValue("1990", "4", usYearsAndMonths); // 1990 + 3/12
    EXPECT_EQ(SplitTimeValue(stored, usDaysAndHours), (TTimeTexts{"1990", "6"}));
    EXPECT_EQ(ReadableValue(NudgeForDisplay(stored), usDaysAndHours), "06:00 day 1990");
}

TEST(IsMajorOnly, TestsTheFractionRoundedToFourPlaces) {
    const std::pair<double, bool> cases[] = {
        {1990.0002, true}, {0.0002, true},   {5.00024, true},
        {5.00026, false},  {1990.0, false},  {1990.5, false},
        {-44.0002, false}, {-0.0002, false}, {1990 + 2.0 / 12, false}};
    for (auto [value, expected] : cases)
        EXPECT_EQ(IsMajorOnly(value), expected) << value;
}

TEST(AddMajorOnlyMarker, MarksWholeNumbersAwayFromZero) {
    const std::pair<double, double> cases[] = {{12.5, 12.5}, {12, 12.0002},  {-3, -3.0002},
                                               {0, 0.0002},  {-0.0, 0.0002}, {-7.25, -7.25}};
    for (auto [value, expected] : cases) {
        double v = value;
        AddMajorOnlyMarker(v);
        EXPECT_DOUBLE_EQ(v, expected) << value;
    }
    double nan = std::nan("");
    AddMajorOnlyMarker(nan);
    EXPECT_TRUE(std::isnan(nan));
}

TEST(MinorIndex, RoundsHalfwayFractionsToEven) {
    struct TCase {
        TUnitSystem Unit;
        double Value;
        int Expected;
    };
    const TCase cases[] = {
        {usMetresAndCentimetres, 5.125, 12}, // 12.5
        {usMetresAndCentimetres, 5.375, 38}, // 37.5
        {usSteps, 5.25, 2},                  // 2.5
        {usSteps, 5.75, 8},                  // 7.5
        {usYearsAndMonths, 1990.125, 2},     // 1.5
        {usYearsAndMonths, 1990.375, 4},     // 4.5
        {usDaysAndHours, 5.25, 6},
        {usHoursAndMinutes, 0.999, 60},
        {usYearsAndMonths, -1990.25, -3},
        {usCalendarDates, 36971.5, 0},
        {usSteps, std::nan(""), 0},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(MinorIndex(c.Value, c.Unit), c.Expected) << int(c.Unit) << " " << c.Value;
}

TEST(NudgeForDisplay, MovesAwayFromZeroExceptForTinyValues) {
    EXPECT_EQ(NudgeForDisplay(0.0), 0.0);
    EXPECT_EQ(NudgeForDisplay(0.0001), 0.0001);
    EXPECT_EQ(NudgeForDisplay(-0.00019), -0.00019);
    EXPECT_DOUBLE_EQ(NudgeForDisplay(5), 5.000001);
    EXPECT_DOUBLE_EQ(NudgeForDisplay(-5), -5.000001);
    EXPECT_DOUBLE_EQ(NudgeForDisplay(0.0002), 0.000201);
}

TEST(IsNullDate, HoldsForAWholePartOfZero) {
    for (double v : {0.0, 0.75, -0.5, 1e-9})
        EXPECT_TRUE(IsNullDate(v)) << v;
    for (double v : {1.0, -1.0, 2.5, 36971.0})
        EXPECT_FALSE(IsNullDate(v)) << v;
}

TEST(DatesNeedSwap, PutsALoneEndFirstAndOrdersReversedPairs) {
    EXPECT_TRUE(DatesNeedSwap(0, 36971));  // a lone end date
    EXPECT_FALSE(DatesNeedSwap(36971, 0)); // a lone start date
    EXPECT_TRUE(DatesNeedSwap(10, 5));
    EXPECT_FALSE(DatesNeedSwap(5, 10));
    EXPECT_FALSE(DatesNeedSwap(5, 5));
    EXPECT_FALSE(DatesNeedSwap(0, 0));
}

TEST(IsEmptyEntryText, CountsTheTextOfDateZeroAsEmptyOnlyForCalendarDates) {
    EXPECT_TRUE(IsEmptyEntryText("", usYearsAndMonths));
    EXPECT_TRUE(IsEmptyEntryText("", usCalendarDates));
    EXPECT_TRUE(IsEmptyEntryText("30/12/1899", usCalendarDates));
    EXPECT_FALSE(IsEmptyEntryText("30/12/1899", usSteps));
    EXPECT_FALSE(IsEmptyEntryText("31/12/1899", usCalendarDates));
    EXPECT_FALSE(IsEmptyEntryText(" ", usYearsAndMonths)); // no trimming
}

} // namespace
