#include "common/Errors.h"
#include "time/TmLnDateUtils.h"

#include <gtest/gtest.h>

namespace {

template <typename F> QString AssertionOf(F f) {
    try {
        f();
    } catch (const EAssertionFailed& e) {
        return e.Message();
    }
    return {};
}

TEST(TMultiUnit, IsWriteOnceAndReadsWhatWasStored) {
    TMultiUnit date;
    EXPECT_EQ(date.State(), TMultiUnit::msUnassigned);
    EXPECT_EQ(AssertionOf([&] { date.Value(); }), "Multiunit unassigned.");
    date.AssignDate(36971.5);
    EXPECT_EQ(date.State(), TMultiUnit::msDate);
    EXPECT_EQ(date.Value(), 36971.5);
    EXPECT_EQ(AssertionOf([&] { date.AssignDate(1); }), "Trying to reassign multiunit.");
    EXPECT_EQ(AssertionOf([&] { date.AssignValue(1); }), "Trying to reassign multiunit.");
    EXPECT_EQ(date.Value(), 36971.5);

    TMultiUnit plain;
    plain.AssignValue(-44.0002);
    EXPECT_EQ(plain.State(), TMultiUnit::msValue);
    EXPECT_EQ(plain.Value(), -44.0002);
}

TEST(DataHandlers, TheUnitSystemChoosesTheKindOfHandler) {
    for (int code = 0; code < UnitSystemCount; ++code) {
        const TUnitSystem unit = TUnitSystem(code);
        std::unique_ptr<TAbstractDataHandler> handler = CreateDataHandler(unit);
        EXPECT_EQ(handler->GetKind(), TMultiUnit::msUnassigned);
        handler->SetStartEnd(5, 7);
        EXPECT_EQ(handler->GetKind(),
                  unit == usCalendarDates ? TMultiUnit::msDate : TMultiUnit::msValue);
        EXPECT_EQ(handler->GetStart(), 5);
        EXPECT_EQ(handler->GetEnd(), 7);
    }
}

TEST(DataHandlers, StartAndEndAreSetOnceEach) {
    TDoubleValuesHandler values;
    values.SetStart(1990.0002);
    EXPECT_EQ(AssertionOf([&] { values.GetEnd(); }), "Multiunit unassigned.");
    values.SetEnd(1995.0002);
    EXPECT_EQ(values.GetEnd(), 1995.0002);
    EXPECT_EQ(AssertionOf([&] { values.SetBoth(3); }), "Trying to reassign multiunit.");

    TRealDatesHandler dates;
    dates.SetBoth(36971);
    EXPECT_EQ(dates.GetStart(), dates.GetEnd());
    EXPECT_EQ(AssertionOf([&] { dates.SetEnd(36972); }), "Trying to reassign multiunit.");
}

} // namespace
