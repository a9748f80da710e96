#include "time/ui/TimeEntryPanels.h"

#include <gtest/gtest.h>

#include <QWidget>

namespace {

TEST(ShowTimeEntryPanel, DatePanelForCalendarDatesUnitBoxesForTheRest) {
    QWidget window;
    auto* units = new QWidget(&window);
    auto* dates = new QWidget(&window);
    auto* minors = new QWidget(&window);
    for (int code = 0; code < UnitSystemCount; ++code) {
        const bool calendar = TUnitSystem(code) == usCalendarDates;
        ShowTimeEntryPanel(TUnitSystem(code), units, dates, minors);
        EXPECT_EQ(units->isHidden(), calendar) << code;
        EXPECT_EQ(minors->isHidden(), calendar) << code;
        EXPECT_EQ(dates->isHidden(), !calendar) << code;
    }
    ShowTimeEntryPanel(usCalendarDates, nullptr, dates);
    EXPECT_FALSE(dates->isHidden());
}

} // namespace
