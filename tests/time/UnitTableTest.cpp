#include "time/TmLnDateUtils.h"

#include <gtest/gtest.h>

namespace {

struct TUnitCase {
    TUnitSystem Unit;
    const char* ListName;
    const char* MenuCaption;
    const char* MajorCaption;
    const char* MinorCaption;
    const char* Quantity;
};

const TUnitCase UnitCases[] = {
    {usYearsAndMonths, "Years and Months", "Years and Months", "Year", "Month (1-12)", "Date"},
    {usYearsAndWeeks, "Years and Weeks", "Years and Weeks (legacy)", "Year", "Week (1-52)", "Date"},
    {usDaysAndHours, "Days and Hours", "Days and Hours", "Day", "Hour (0-23)", "Date/Time"},
    {usHoursAndMinutes, "Hours and Minutes", "Hours and Minutes", "Hour", "Minute (0-59)", "Time"},
    {usSteps, "Steps", "Steps", "Step", " (1-10)", "Step"},
    {usKilometresAndMetres, "Kilometres and Metres", "Kilometres and Metres", "Kilometre",
     "Metre (0-999)", "Distance"},
    {usMetresAndCentimetres, "Metres and Centimetres", "Metres and Centimetres", "Metre",
     "Centimetre (0-99)", "Distance"},
    {usCalendarDates, "Calendar Dates", "Calendar Dates", "Calendar Date", "", "Date/Time"},
};

class UnitTableTest : public ::testing::TestWithParam<TUnitCase> {};

TEST_P(UnitTableTest, NamesAndCaptionsFollowTheTable) {
    const TUnitCase& c = GetParam();
    EXPECT_EQ(UnitSystemListName(c.Unit), QString::fromLatin1(c.ListName));
    EXPECT_EQ(UnitMenuCaption(c.Unit), QString::fromLatin1(c.MenuCaption));
    EXPECT_EQ(MajorUnitCaption(c.Unit), QString::fromLatin1(c.MajorCaption));
    EXPECT_EQ(MinorUnitCaption(c.Unit), QString::fromLatin1(c.MinorCaption));
    EXPECT_EQ(QuantityName(c.Unit), QString::fromLatin1(c.Quantity));
}

INSTANTIATE_TEST_SUITE_P(AllUnits, UnitTableTest, ::testing::ValuesIn(UnitCases));

TEST(UnitSystemNames, ListsCalendarDatesFirstAndReplacesTheListContents) {
    QStringList list{"stale"};
    UnitSystemNames(list);
    EXPECT_EQ(list, (QStringList{"Calendar Dates", "Years and Months", "Years and Weeks",
                                 "Days and Hours", "Hours and Minutes", "Steps",
                                 "Kilometres and Metres", "Metres and Centimetres"}));
    for (int code = 0; code < UnitSystemCount; ++code) {
        const TUnitSystem unit = TUnitSystem(code);
        EXPECT_EQ(UnitSystemAtListPosition(UnitSystemListPosition(unit)), unit);
        EXPECT_EQ(list[UnitSystemListPosition(unit)], UnitSystemListName(unit));
    }
    EXPECT_EQ(UnitSystemListPosition(usYearsAndMonths), 1);
    EXPECT_EQ(UnitSystemFromCode(9), usCalendarDates);
    EXPECT_EQ(UnitSystemFromCode(3), usHoursAndMinutes);
}

} // namespace
