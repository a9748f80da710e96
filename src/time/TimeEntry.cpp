#include "time/TimeEntry.h"

#include "common/Dialogs.h"
#include "common/Errors.h"
#include "time/ReadableText.h"
#include "time/TTimeValidator.h"
#include "time/UnitTable.h"

#include <cmath>

void FilterTimeKey(QChar& key) {
    const char16_t c = key.unicode();
    if (c == 8 || c == 9 || c == u'-' || (c >= u'0' && c <= u'9'))
        return;
    key = QChar();
}

int ValidatorModeFor(TUnitSystem unit) {
    return unit == usCalendarDates ? vmCalendarDates : vmMultiUnit;
}

bool ValidateEventTime(const QString& startMajor, const QString& startMinor,
                       const QString& endMajor, const QString& endMinor, double startDate,
                       double endDate, const QString& startDateText, const QString& endDateText,
                       int mode, bool required, const QString& name) {
    TTimeValidator validator(mode);
    validator.Assign(startMajor, endMajor, startMinor, endMinor, startDate, endDate, startDateText,
                     endDateText, required, name);
    if (validator.Validate())
        return false;
    Dialogs().Warning(validator.Message());
    return true;
}

namespace {

double RoundToHundredths(double value) {
    return std::trunc(value * 100 + 0.5) / 100;
}

std::optional<TTimeValue> EntryValue(const QString& major, const QString& minor, TUnitSystem unit) {
    if (IsEmptyEntryText(major, unit) && IsEmptyEntryText(minor, unit))
        return std::nullopt;
    return ParseTimeValue(major, minor, unit);
}

} // namespace

TStartEnd StoreStartEnd(const QString& startMajor, const QString& startMinor,
                        const QString& endMajor, const QString& endMinor, TUnitSystem unit) {
    TStartEnd result{EntryValue(startMajor, startMinor, unit),
                     EntryValue(endMajor, endMinor, unit)};
    if (result.Start && result.End &&
        RoundToHundredths(*result.End) < RoundToHundredths(*result.Start))
        throw EVzError(QStringLiteral("End must be after Start. Start: ") +
                       GeneralFloatText(*result.Start) + QStringLiteral(", End: ") +
                       GeneralFloatText(*result.End));
    return result;
}

TEntryTexts ReadEntryTexts(std::optional<TTimeValue> start, std::optional<TTimeValue> end,
                           TUnitSystem unit) {
    TEntryTexts texts;
    if (start) {
        TTimeTexts split = SplitTimeValue(*start, unit);
        texts.StartMajor = std::move(split.Major);
        texts.StartMinor = std::move(split.Minor);
    }
    if (end) {
        TTimeTexts split = SplitTimeValue(*end, unit);
        texts.EndMajor = std::move(split.Major);
        texts.EndMinor = std::move(split.Minor);
    }
    return texts;
}

std::optional<QString> NumberLengthProblem(double value) {
    const QString printed =
        std::isfinite(value) ? QString::number(std::round(value), 'f', 0) : QString::number(value);
    if (std::isfinite(value) && printed.size() <= NumberLengthLimit)
        return std::nullopt;
    return QStringLiteral("Number too big (%1). Make sure no numbers are more than %2 digits "
                          "long.\r\nAlter the source file and try again.")
        .arg(printed)
        .arg(NumberLengthLimit);
}

void CheckNumberLength(double value, const std::function<void()>& cancelPending) {
    const std::optional<QString> problem = NumberLengthProblem(value);
    if (!problem)
        return;
    if (cancelPending)
        cancelPending();
    Dialogs().ShowMessage(TMsgKind::Warning, *problem, QStringLiteral("Oops!"));
    throw EVzError(*problem);
}

QString MajorUnitCaption(TUnitSystem unit) {
    return MajorLongName(unit);
}

QString MinorUnitCaption(TUnitSystem unit) {
    if (unit == usCalendarDates)
        return {};
    const int base = MinorBase(unit);
    return MinorLongName(unit) +
           QStringLiteral(" (%1-%2)").arg(base).arg(MinorPerMajor(unit) + base - 1);
}

QString MajorBoxHint() {
    return QStringLiteral(
        "Use negative or positive numbers.\r\nCheck dates are at least 10 yrs apart and that the "
        "2nd date is greater than the first.\r\nDon't use numbers larger than 10 digits.\r\nYou "
        "can have a start date only, but not an end date only.\r\nDon't use commas.");
}

QString PostTimeErrorText(const QString& errorMessage) {
    return QStringLiteral(
               "Oops! There was a problem. This event hasn't updated but no damage has been "
               "done.\r\n\r\nMake sure you check the following:\r\n%1\r\n\r\n(The actual error "
               "was:\r\n%2)")
        .arg(QStringLiteral("* Check dates \u2013 check End value is greater than Start "
                            "Value.\r\n* Don't use numbers larger than 9 digits.\r\n* You can "
                            "have a start date only, but not an end date only.\r\n* Don't use "
                            "commas."),
             errorMessage);
}
