#include "time/TTimeEntrySet.h"

#include "common/Errors.h"
#include "time/DateNumbers.h"
#include "time/TimeValues.h"

#include <utility>

namespace {

// A present value must show as a date: a value outside years 1 to 9999 would otherwise give an
// empty picker, and posting the record again would clear the field.
void FillPicker(bool present, const QString& text, TTimeValue& date, QString& pickerText) {
    if (!present) {
        date = 0;
        pickerText.clear();
        return;
    }
    const QDate read = ReadShortDate(text);
    if (!read.isValid())
        throw EAssertionFailed(
            QStringLiteral("Failed to decode dates in TdtmMain.UpdateDateBoxes."));
    pickerText = text;
    date = DateToValue(read);
}

} // namespace

void TTimeEntrySet::UpdateDateBoxes(std::optional<TTimeValue> start, std::optional<TTimeValue> end,
                                    TUnitSystem unit) {
    TEntryTexts texts = ReadEntryTexts(start, end, unit);
    if (unit == usCalendarDates) {
        FillPicker(start.has_value(), texts.StartMajor, StartDate, StartDateText);
        FillPicker(end.has_value(), texts.EndMajor, EndDate, EndDateText);
        return;
    }
    StartMajor = std::move(texts.StartMajor);
    StartMinor = std::move(texts.StartMinor);
    EndMajor = std::move(texts.EndMajor);
    EndMinor = std::move(texts.EndMinor);
}

TStartEnd TTimeEntrySet::PrePostValues(TUnitSystem unit) const {
    if (unit != usCalendarDates)
        return StoreStartEnd(StartMajor, StartMinor, EndMajor, EndMinor, unit);
    TTimeValue start = StartDateText.isEmpty() ? 0.0 : StartDate;
    TTimeValue end = EndDateText.isEmpty() ? 0.0 : EndDate;
    if (DatesNeedSwap(start, end))
        std::swap(start, end);
    return StoreStartEnd(ShortDateText(start), {}, ShortDateText(end), {}, unit);
}

bool TTimeEntrySet::ValidateEventTime(TUnitSystem unit, const QString& name) const {
    return ::ValidateEventTime(StartMajor, StartMinor, EndMajor, EndMinor, StartDate, EndDate,
                               StartDateText, EndDateText, ValidatorModeFor(unit), true, name);
}
