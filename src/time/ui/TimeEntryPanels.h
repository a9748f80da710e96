// Which entry panel a unit system shows: the date pickers for Calendar Dates, the unit boxes
// (and the minor boxes, where a screen has them on a panel of their own) for every other system.
#pragma once

#include "time/TimeTypes.h"

class QWidget;

// Null panels are skipped.
void ShowTimeEntryPanel(TUnitSystem unit, QWidget* unitBoxPanel, QWidget* datePanel,
                        QWidget* minorBoxPanel = nullptr);
