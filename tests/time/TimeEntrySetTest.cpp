#include "common/Errors.h"
#include "common/ScriptedDialogs.h"
#include "time/TmLnDateUtils.h"

#include <gtest/gtest.h>

namespace {

TEST(TTimeEntrySet, FillsThePickersFromCalendarValues) {
    TTimeEntrySet set;
    set.EndDate = 5;
    set.EndDateText = "stale";
    set.UpdateDateBoxes(36971.75, std::nullopt, usCalendarDates);
    EXPECT_EQ(set.StartDateText, "21/03/2001");
    EXPECT_EQ(set.StartDate, 36971.0); // read back from the text: the day only
    EXPECT_EQ(set.EndDateText, "");
    EXPECT_EQ(set.EndDate, 0.0);
}

TEST(TTimeEntrySet, FillsTheFourBoxesFromOtherValues) {
    TTimeEntrySet set;
    set.UpdateDateBoxes(1990 + 2.0 / 12, 1991.0002, usYearsAndMonths);
    EXPECT_EQ(set.StartMajor, "1990");
    EXPECT_EQ(set.StartMinor, "3");
    EXPECT_EQ(set.EndMajor, "1991");
    EXPECT_EQ(set.EndMinor, "");
    set.UpdateDateBoxes(5.25, std::nullopt, usDaysAndHours);
    EXPECT_EQ(set.EndMajor, "");
}

TEST(TTimeEntrySet, ACalendarValueWithoutADateIsAnAssertion) {
    TTimeEntrySet set;
    try {
        set.UpdateDateBoxes(36971, 5e6, usCalendarDates); // beyond year 9999
        ADD_FAILURE();
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(e.Message(), "Failed to decode dates in TdtmMain.UpdateDateBoxes.");
    }
}

struct TPickerCase {
    const char* What;
    double StartDate;
    const char* StartText;
    double EndDate;
    const char* EndText;
    std::optional<double> Start;
    std::optional<double> End;
};

TEST(TTimeEntrySet, PrePostTakesThePickersInOrder) {
    const TPickerCase cases[] = {
        {"in order", 36971, "x", 36972, "x", 36971.0, 36972.0},
        {"reversed pair swapped", 36972, "x", 36971, "x", 36971.0, 36972.0},
        {"lone end becomes the start", 40000, "", 36971, "x", 36971.0, {}},
        {"start only", 36971, "x", 40000, "", 36971.0, {}},
        {"both empty", 36971, "", 36972, "", {}, {}},
        {"times of day dropped", 36971.75, "x", 36972.25, "x", 36971.0, 36972.0},
    };
    for (const TPickerCase& c : cases) {
        TTimeEntrySet set;
        set.StartDate = c.StartDate;
        set.StartDateText = c.StartText;
        set.EndDate = c.EndDate;
        set.EndDateText = c.EndText;
        EXPECT_EQ(set.PrePostValues(usCalendarDates), (TStartEnd{c.Start, c.End})) << c.What;
    }
}

TEST(TTimeEntrySet, PrePostOfBoxesGoesThroughStoreStartEnd) {
    TTimeEntrySet set;
    set.StartMajor = "5";
    set.StartMinor = "3";
    EXPECT_EQ(set.PrePostValues(usSteps), (TStartEnd{5.2, std::nullopt}));
    set.EndMajor = "4";
    EXPECT_THROW(set.PrePostValues(usSteps), EVzError);
}

TEST(TTimeEntrySet, SaveValidatesTheSetAsRequired) {
    TScriptedDialogs dialogs;
    TDialogsScope scope(dialogs);
    TTimeEntrySet set;
    EXPECT_TRUE(set.ValidateEventTime(usYearsAndMonths, "A"));
    EXPECT_EQ(dialogs.ShownTexts(), QStringList{"Please enter a start value."});
    set.StartDate = 36971;
    set.StartDateText = "21/03/2001";
    EXPECT_FALSE(set.ValidateEventTime(usCalendarDates, "A"));
}

} // namespace
