// Time entry: the key filter and captions of the entry boxes, the check of typed times and the
// conversions between typed texts and the Start and End fields of an event.
#pragma once

#include "time/TimeTypes.h"
#include "time/TimeValues.h"

#include <QChar>
#include <QString>

#include <functional>
#include <optional>

// Lets backspace (8), tab (9), "-" and the digits through; every other key becomes no key (0).
void FilterTimeKey(QChar& key);

// Validator mode of a unit system: 1 for Calendar Dates, 2 for the others.
int ValidatorModeFor(TUnitSystem unit);

// Checks the typed times with a TTimeValidator; when there is a problem, shows its Message as a
// warning through Dialogs(). Returns true when the entry is INVALID.
bool ValidateEventTime(const QString& startMajor, const QString& startMinor,
                       const QString& endMajor, const QString& endMinor, double startDate,
                       double endDate, const QString& startDateText, const QString& endDateText,
                       int mode, bool required, const QString& name);

// The Start and End fields of an event record; nullopt is NULL.
struct TStartEnd {
    std::optional<TTimeValue> Start;
    std::optional<TTimeValue> End;
    bool operator==(const TStartEnd&) const = default;
};

// Seam: storage writes the result into the record's Start and End (in insert or edit state).
// A side whose texts are both empty entry texts is NULL, otherwise ParseTimeValue of them. When
// both are set they are compared rounded to two decimals (x100, +0.5, truncated toward zero,
// /100); an end below the start throws EVzError "End must be after Start. Start: <s>, End: <e>"
// with the parsed values as general floats (GeneralFloatText). The values are stored unrounded.
TStartEnd StoreStartEnd(const QString& startMajor, const QString& startMinor,
                        const QString& endMajor, const QString& endMinor, TUnitSystem unit);

// The four box texts of an event.
struct TEntryTexts {
    QString StartMajor;
    QString StartMinor;
    QString EndMajor;
    QString EndMinor;
    bool operator==(const TEntryTexts&) const = default;
};

// Seam: storage passes the record's Start and End (nullopt for NULL, or both for a closed or
// empty record set). Each present value is split with SplitTimeValue; NULL leaves its texts empty.
TEntryTexts ReadEntryTexts(std::optional<TTimeValue> start, std::optional<TTimeValue> end,
                           TUnitSystem unit);

// The "Number too big" text of a number printed rounded with no decimals that is longer than
// NumberLengthLimit characters (a minus sign counts; NaN and infinity are always too big);
// nothing when the number fits.
inline constexpr int NumberLengthLimit = 10;
std::optional<QString> NumberLengthProblem(double value);

// Seam: spreadsheet import calls this per number. When the number is too long it calls
// `cancelPending` (the table's pending insert or edit), shows the text as a warning captioned
// "Oops!" through Dialogs() and throws EVzError with the same text.
void CheckNumberLength(double value, const std::function<void()>& cancelPending = {});

// Label over the major boxes: the major long name ("Year", "Calendar Date").
QString MajorUnitCaption(TUnitSystem unit);
// Label over the minor boxes: the minor long name and its range ("Month (1-12)", " (1-10)" for
// Steps); empty for Calendar Dates.
QString MinorUnitCaption(TUnitSystem unit);
// Hint text of the main window's major boxes.
QString MajorBoxHint();

// The warning shown when the pre-post step of the event table fails with `errorMessage`.
QString PostTimeErrorText(const QString& errorMessage);
