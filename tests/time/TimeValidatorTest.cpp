#include "common/Dialogs.h"
#include "common/ScriptedDialogs.h"
#include "time/TmLnDateUtils.h"

#include <gtest/gtest.h>

namespace {

const char* const NoProblem = "";
const char* const NameMsg = "Please enter a name for the event.";
const char* const StartMsg = "Please enter a start value.";
const char* const NumbersMsg = "Please only enter numbers.";
const char* const BcMsg = "Please do not use months with BC dates, they are not applicable.";
const char* const NegativeMsg =
    "Please do not use negative months. Months are not used with BC dates.";
const char* const MajorMsg = "Please include major units if you are going to specify minor units.";
const char* const BothMsg = "Please include both minor units if you are going to use them.";
const char* const EndAfterMsg = "Please make sure the end value is greater than the start. Just "
                                "enter a Start value if you want a single-point event.";
const char* const YearMsg = "Please make sure dates are 1900 or later.";

struct TUnitBoxCase {
    const char* StartMajor;
    const char* StartMinor;
    const char* EndMajor;
    const char* EndMinor;
    bool Required;
    const char* Name;
    const char* Expected;
};

void PrintTo(const TUnitBoxCase& c, std::ostream* os) {
    *os << "'" << c.StartMajor << "' '" << c.StartMinor << "' '" << c.EndMajor << "' '"
        << c.EndMinor << "' required=" << c.Required << " name='" << c.Name << "'";
}

// Each row is one problem or none; rows with several problems check the order of the checks.
const TUnitBoxCase UnitBoxCases[] = {
    {"", "", "", "", false, "", NoProblem}, // a blank optional row
    {"", "", "", "", true, "", NameMsg},
    {"5", "", "", "", false, "", NameMsg}, // not blank, so it needs a name
    {"", "", "", "", false, "A", StartMsg},
    {"", "", "abc", "", true, "A", StartMsg}, // start before numbers
    {"", "3", "", "", true, "A", StartMsg},   // start before minor-without-major
    {"12.5", "", "", "", true, "A", NumbersMsg},
    {"1,000", "", "", "", true, "A", NumbersMsg},
    {"9999999999", "", "", "", true, "A", NumbersMsg}, // beyond 32 bits
    {"1990", "a", "", "", true, "A", NumbersMsg},
    {"1990", "", "1991", "x", true, "A", NumbersMsg},
    {" 1990 ", " 3 ", "", "", true, "A", NoProblem}, // box texts are trimmed
    {"-44", "3", "", "", true, "A", BcMsg},
    {"-44", "-3", "", "", true, "A", BcMsg}, // BC before negative months
    {"-44", "", "-40", "3", true, "A", BcMsg},
    {"5", "-3", "", "", true, "A", NegativeMsg},
    {"5", "", "", "-2", true, "A", NegativeMsg}, // negative months before minor-without-major
    {"5", "3", "", "4", true, "A", MajorMsg},
    {"1990", "3", "1991", "", true, "A", BothMsg},
    {"1990", "", "1991", "3", true, "A", BothMsg},
    {"1990", "", "1990", "", true, "A", EndAfterMsg},
    {"1990", "", "01990", "", true, "A", EndAfterMsg}, // equal as numbers
    {"1991", "", "1990", "", true, "A", EndAfterMsg},
    {"1990", "4", "1990", "4", true, "A", EndAfterMsg},
    {"1990", "5", "1990", "4", true, "A", EndAfterMsg},
    {"-10", "", "-20", "", true, "A", EndAfterMsg},
    {"1990", "", "1991", "", true, "A", NoProblem},
    {"1990", "3", "1990", "4", true, "A", NoProblem},
    {"1990", "12", "1991", "1", true, "A", NoProblem},
    {"1990", "3", "1990", "13", true, "A", NoProblem}, // no upper bound on minors
    {"-20", "", "-10", "", true, "A", NoProblem},
    {"5", "3", "", "", true, "A", NoProblem}, // a single point
};

class UnitBoxValidation : public ::testing::TestWithParam<TUnitBoxCase> {};

TEST_P(UnitBoxValidation, ReportsTheFirstProblemInOrder) {
    const TUnitBoxCase& c = GetParam();
    TTimeValidator validator(vmMultiUnit);
    validator.Assign(c.StartMajor, c.EndMajor, c.StartMinor, c.EndMinor, 0, 0, {}, {}, c.Required,
                     c.Name);
    EXPECT_EQ(validator.Validate(), *c.Expected == '\0');
    EXPECT_EQ(validator.Message(), QString::fromUtf8(c.Expected));
}

INSTANTIATE_TEST_SUITE_P(Mode2, UnitBoxValidation, ::testing::ValuesIn(UnitBoxCases));

struct TDateCase {
    double StartDate;
    double EndDate;
    const char* StartText;
    const char* EndText;
    bool Required;
    const char* Name;
    const char* Expected;
};

void PrintTo(const TDateCase& c, std::ostream* os) {
    *os << c.StartDate << " '" << c.StartText << "' " << c.EndDate << " '" << c.EndText
        << "' required=" << c.Required << " name='" << c.Name << "'";
}

constexpr double Ms = 1.0 / 86400000;

const TDateCase DateCases[] = {
    {0, 0, "", "", false, "", NoProblem},
    {36971, 0, "", "", true, "", NameMsg},    // a date without text is no date
    {0, 36971, "", "x", true, "A", StartMsg}, // only an end date picked
    {36971, 0, "", "", false, "A", StartMsg},
    {1.0, 0, "31/12/1899", "", true, "A", YearMsg},
    {-1.25, 0, "29/12/1899", "", true, "A", YearMsg},
    {2.0, 0, "01/01/1900", "", true, "A", NoProblem},
    {36971, 36971, "x", "x", true, "A", EndAfterMsg},
    {36972, 36971, "x", "x", true, "A", EndAfterMsg},
    {36971, 36971 + Ms / 2, "x", "x", true, "A", EndAfterMsg}, // under a millisecond apart
    {36971, 36971 + 2 * Ms, "x", "x", true, "A", NoProblem},
    {36971, -5.5, "x", "x", true, "A", EndAfterMsg}, // an end before 1899
    {36972, 36971, "x", "", true, "A", NoProblem},   // the end picker is empty
    {36971, 36972, "x", "x", true, "A", NoProblem},
};

class DateValidation : public ::testing::TestWithParam<TDateCase> {};

TEST_P(DateValidation, ReportsTheFirstProblemInOrder) {
    const TDateCase& c = GetParam();
    TTimeValidator validator(vmCalendarDates);
    validator.Assign("", "", "", "", c.StartDate, c.EndDate, c.StartText, c.EndText, c.Required,
                     c.Name);
    EXPECT_EQ(validator.Validate(), *c.Expected == '\0');
    EXPECT_EQ(validator.Message(), QString::fromUtf8(c.Expected));
}

INSTANTIATE_TEST_SUITE_P(Mode1, DateValidation, ::testing::ValuesIn(DateCases));

TEST(TTimeValidator, AnyOtherModeIsAStrangeState) {
    for (int mode : {0, 3}) {
        TTimeValidator validator(mode);
        validator.Assign("1990", "", "", "", 0, 0, {}, {}, true, "A");
        EXPECT_FALSE(validator.Validate());
        EXPECT_EQ(validator.Message(), "Strange multiunitstate. Quote error code 8079y078.");
    }
}

TEST(TTimeValidator, ValidateClearsTheMessageOfAnEarlierRun) {
    TTimeValidator validator(vmMultiUnit);
    validator.Assign("", "", "", "", 0, 0, {}, {}, true, "A");
    EXPECT_FALSE(validator.Validate());
    validator.StartMajor = "5";
    EXPECT_TRUE(validator.Validate());
    EXPECT_EQ(validator.Message(), "");
}

TEST(ValidateEventTime, ShowsTheProblemAsAWarningAndReportsInvalid) {
    TScriptedDialogs dialogs;
    TDialogsScope scope(dialogs);
    EXPECT_TRUE(ValidateEventTime("1991", "", "1990", "", 0, 0, {}, {}, vmMultiUnit, true, "A"));
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].Kind, TMsgKind::Warning);
    EXPECT_EQ(dialogs.Shown()[0].Text, EndAfterMsg);

    dialogs.ClearShown();
    EXPECT_FALSE(ValidateEventTime("", "", "", "", 36971, 0, "21/03/2001", "",
                                   ValidatorModeFor(usCalendarDates), true, "A"));
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_EQ(ValidatorModeFor(usCalendarDates), vmCalendarDates);
    EXPECT_EQ(ValidatorModeFor(usSteps), vmMultiUnit);
}

} // namespace
