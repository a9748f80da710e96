#include "common/Dialogs.h"
#include "common/Errors.h"
#include "common/ScriptedDialogs.h"
#include "time/TmLnDateUtils.h"

#include <gtest/gtest.h>

namespace {

TEST(FilterTimeKey, LetsDigitsMinusBackspaceAndTabThrough) {
    for (QChar c : QStringLiteral("0123456789-\b\t")) {
        QChar key = c;
        FilterTimeKey(key);
        EXPECT_EQ(key, c) << int(c.unicode());
    }
    for (QChar c : QStringLiteral("a,. +eE\r\x16\u0661")) {
        QChar key = c;
        FilterTimeKey(key);
        EXPECT_TRUE(key.isNull()) << int(c.unicode());
    }
}

struct TStoreCase {
    const char* What;
    TUnitSystem Unit;
    const char* StartMajor;
    const char* StartMinor;
    const char* EndMajor;
    const char* EndMinor;
    std::optional<double> Start;
    std::optional<double> End;
};

void PrintTo(const TStoreCase& c, std::ostream* os) {
    *os << c.What;
}

const TStoreCase StoreCases[] = {
    {"all empty", usYearsAndMonths, "", "", "", "", {}, {}},
    {"start only", usYearsAndMonths, "1990", "", "", "", 1990.0002, {}},
    {"range", usYearsAndMonths, "1990", "3", "1991", "", 1990 + 2.0 / 12, 1991.0002},
    {"end only is the core's to store", usSteps, "", "", "5", "", {}, 5.0002},
    {"minor alone", usDaysAndHours, "", "6", "", "", 0.25, {}},
    {"equal values", usDaysAndHours, "5", "6", "5", "6", 5.25, 5.25},
    // Compared rounded to hundredths (both 1990.00), stored as parsed.
    {"equal when rounded", usYearsAndMonths, "1990", "", "1990", "1", 1990.0002, 1990.0},
    {"dates", usCalendarDates, "21/03/2001", "", "22/03/2001", "", 36971.0, 36972.0},
    {"date zero is empty", usCalendarDates, "21/03/2001", "", "30/12/1899", "", 36971.0, {}},
    {"unreadable date", usCalendarDates, "someday", "", "", "", 2.0, {}},
};

class StoreStartEndCase : public ::testing::TestWithParam<TStoreCase> {};

TEST_P(StoreStartEndCase, ComputesTheTwoFields) {
    const TStoreCase& c = GetParam();
    const TStartEnd r = StoreStartEnd(c.StartMajor, c.StartMinor, c.EndMajor, c.EndMinor, c.Unit);
    EXPECT_EQ(r.Start.has_value(), c.Start.has_value());
    EXPECT_EQ(r.End.has_value(), c.End.has_value());
    if (r.Start && c.Start) {
        EXPECT_DOUBLE_EQ(*r.Start, *c.Start);
    }
    if (r.End && c.End) {
        EXPECT_DOUBLE_EQ(*r.End, *c.End);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, StoreStartEndCase, ::testing::ValuesIn(StoreCases));

TEST(StoreStartEnd, AnEndBeforeTheStartFailsWithBothValues) {
    struct TCase {
        TUnitSystem Unit;
        const char *StartMajor, *EndMajor;
        const char* Expected;
    };
    const TCase cases[] = {
        {usYearsAndMonths, "1991", "1990",
         "End must be after Start. Start: 1991.0002, End: 1990.0002"},
        {usDaysAndHours, "-5", "-6", "End must be after Start. Start: -5.0002, End: -6.0002"},
        {usCalendarDates, "22/03/2001", "21/03/2001",
         "End must be after Start. Start: 36972, End: 36971"},
    };
    for (const TCase& c : cases) {
        try {
            StoreStartEnd(c.StartMajor, "", c.EndMajor, "", c.Unit);
            ADD_FAILURE() << c.Expected;
        } catch (const EVzError& e) {
            EXPECT_EQ(e.Message(), c.Expected);
        }
    }
    try {
        StoreStartEnd("1990", "4", "1990", "3", usYearsAndMonths);
        ADD_FAILURE();
    } catch (const EVzError& e) {
        EXPECT_EQ(e.Message(), "End must be after Start. Start: 1990.25, End: 1990.1666666666667");
    }
}

TEST(ReadEntryTexts, SplitsPresentValuesAndLeavesNullFieldsEmpty) {
    EXPECT_EQ(ReadEntryTexts({}, {}, usYearsAndMonths), TEntryTexts{});
    EXPECT_EQ(ReadEntryTexts(1990 + 2.0 / 12, {}, usYearsAndMonths),
              (TEntryTexts{"1990", "3", "", ""}));
    EXPECT_EQ(ReadEntryTexts({}, 1990.0002, usYearsAndMonths), (TEntryTexts{"", "", "1990", ""}));
    EXPECT_EQ(ReadEntryTexts(-5.25, 5.0002, usDaysAndHours), (TEntryTexts{"-5", "", "5", ""}));
    EXPECT_EQ(ReadEntryTexts(36971.5, 36972, usCalendarDates),
              (TEntryTexts{"21/03/2001", "", "22/03/2001", ""}));
}

TEST(CheckNumberLength, StopsAtNumbersLongerThanTenCharacters) {
    TScriptedDialogs dialogs;
    TDialogsScope scope(dialogs);
    QStringList events;
    dialogs.SetEcho([&](const TScriptedDialogs::TShown& s) { events << "shown " + s.Caption; });
    auto cancel = [&] { events << "cancel"; };

    for (double fits : {9999999999.0, -999999999.0, 9999999999.4, 0.0}) {
        EXPECT_NO_THROW(CheckNumberLength(fits, cancel)) << fits;
        EXPECT_FALSE(NumberLengthProblem(fits)) << fits;
    }
    EXPECT_TRUE(events.isEmpty());

    const QString expected = "Number too big (-9999999999). Make sure no numbers are more than 10 "
                             "digits long.\r\nAlter the source file and try again.";
    try {
        CheckNumberLength(-9999999999.0, cancel);
        ADD_FAILURE();
    } catch (const EVzError& e) {
        EXPECT_EQ(e.Message(), expected);
    }
    EXPECT_EQ(events, (QStringList{"cancel", "shown Oops!"}));
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].Kind, TMsgKind::Warning);
    EXPECT_EQ(dialogs.Shown()[0].Text, expected);

    EXPECT_TRUE(NumberLengthProblem(9999999999.5)->startsWith("Number too big (10000000000)."));
    EXPECT_TRUE(NumberLengthProblem(INFINITY));
    EXPECT_TRUE(NumberLengthProblem(std::nan("")));
}

TEST(EntryTexts, HintAndPostErrorTexts) {
    EXPECT_EQ(MajorBoxHint(),
              "Use negative or positive numbers.\r\nCheck dates are at least 10 yrs apart and "
              "that the 2nd date is greater than the first.\r\nDon't use numbers larger than 10 "
              "digits.\r\nYou can have a start date only, but not an end date only.\r\nDon't use "
              "commas.");
    EXPECT_EQ(PostTimeErrorText("End must be after Start. Start: 5, End: 4 (%1)"),
              QString::fromUtf8(
                  "Oops! There was a problem. This event hasn't updated but no damage has been "
                  "done.\r\n\r\nMake sure you check the following:\r\n* Check dates – check End "
                  "value is greater than Start Value.\r\n* Don't use numbers larger than 9 "
                  "digits.\r\n* You can have a start date only, but not an end date only.\r\n* "
                  "Don't use commas.\r\n\r\n(The actual error was:\r\nEnd must be after Start. "
                  "Start: 5, End: 4 (%1))"));
}

} // namespace
