// The main window's time entry set as data: four box texts and two pickers (date and text).
// Seam: storage owns one, fills it from the current record with UpdateDateBoxes and reads it in
// the event table's pre-post step with PrePostValues; the entry widgets bind to it.
#pragma once

#include "time/TimeEntry.h"
#include "time/TimeTypes.h"

#include <QString>

#include <optional>

class TTimeEntrySet {
public:
    QString StartMajor;
    QString StartMinor;
    QString EndMajor;
    QString EndMinor;
    // A picker holds a date and a text; an empty text means no date, whatever the date.
    TTimeValue StartDate = 0;
    QString StartDateText;
    TTimeValue EndDate = 0;
    QString EndDateText;

    // Fills the set from the record's Start and End (nullopt for NULL), as ReadEntryTexts splits
    // them. Calendar Dates: a present value's text goes to its picker with the date read back
    // from it (the assertion "Failed to decode dates in TdtmMain.UpdateDateBoxes." when there is
    // no readable text); a NULL gives date 0 and an empty text. Other systems: the four boxes.
    void UpdateDateBoxes(std::optional<TTimeValue> start, std::optional<TTimeValue> end,
                         TUnitSystem unit);

    // The Start and End to post. Calendar Dates: each picker's date (0 when its text is empty),
    // exchanged when DatesNeedSwap, as short-date texts through StoreStartEnd (a date of 0 is
    // the empty entry text, so NULL). Other systems: StoreStartEnd of the four box texts.
    // Throws EVzError from StoreStartEnd.
    TStartEnd PrePostValues(TUnitSystem unit) const;

    // "Save Changes": ValidateEventTime of the set with Required true; true when INVALID (the
    // warning has been shown).
    bool ValidateEventTime(TUnitSystem unit, const QString& name) const;
};
