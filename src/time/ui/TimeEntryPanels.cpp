#include "time/ui/TimeEntryPanels.h"

#include <QWidget>

void ShowTimeEntryPanel(TUnitSystem unit, QWidget* unitBoxPanel, QWidget* datePanel,
                        QWidget* minorBoxPanel) {
    const bool dates = unit == usCalendarDates;
    if (unitBoxPanel)
        unitBoxPanel->setVisible(!dates);
    if (datePanel)
        datePanel->setVisible(dates);
    if (minorBoxPanel)
        minorBoxPanel->setVisible(!dates);
}
