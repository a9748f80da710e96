#include "time/TTimeValidator.h"

#include "time/DateNumbers.h"

namespace {

const QString EndAfterStartMessage = QStringLiteral(
    "Please make sure the end value is greater than the start. Just enter a Start value if you "
    "want a single-point event.");

// A box text as a 32-bit whole number; `empty` for an empty text.
int BoxNumber(const QString& text, int empty) {
    if (text.isEmpty())
        return empty;
    bool ok = false;
    const int n = text.toInt(&ok, 10);
    return ok ? n : 0;
}

bool IsWholeNumber(const QString& text) {
    bool ok = false;
    text.toInt(&ok, 10);
    return ok;
}

} // namespace

void TTimeValidator::Assign(const QString& startMajor, const QString& endMajor,
                            const QString& startMinor, const QString& endMinor, double startDate,
                            double endDate, const QString& startDateText,
                            const QString& endDateText, bool required, const QString& name) {
    StartMajor = startMajor.trimmed();
    EndMajor = endMajor.trimmed();
    StartMinor = startMinor.trimmed();
    EndMinor = endMinor.trimmed();
    StartDate = startDate;
    EndDate = endDate;
    StartDateText = startDateText;
    EndDateText = endDateText;
    Required = required;
    Name = name;
}

bool TTimeValidator::Validate() {
    m_message.clear();
    if (m_mode == vmCalendarDates)
        m_message = ValidateDates();
    else if (m_mode == vmMultiUnit)
        m_message = ValidateUnits();
    else
        m_message = QStringLiteral("Strange multiunitstate. Quote error code 8079y078.");
    return m_message.isEmpty();
}

QString TTimeValidator::ValidateDates() const {
    if (!Required && StartDateText.isEmpty() && EndDateText.isEmpty() && Name.isEmpty())
        return {};
    if (Name.isEmpty())
        return QStringLiteral("Please enter a name for the event.");
    if (StartDateText.isEmpty())
        return QStringLiteral("Please enter a start value.");
    // 1 January 1900 is 2.0; every number below it (negative ones included) lies before 1900.
    if (!(StartDate >= 2.0))
        return QStringLiteral("Please make sure dates are 1900 or later.");
    constexpr double oneMillisecond = 1.0 / 86400000.0;
    if (!StartDateText.isEmpty() && !EndDateText.isEmpty() &&
        !(DateValueToLinearDays(EndDate) - DateValueToLinearDays(StartDate) >= oneMillisecond))
        return EndAfterStartMessage;
    return {};
}

QString TTimeValidator::ValidateUnits() const {
    if (!Required && StartMajor.isEmpty() && EndMajor.isEmpty() && StartMinor.isEmpty() &&
        EndMinor.isEmpty() && Name.isEmpty())
        return {};
    if (Name.isEmpty())
        return QStringLiteral("Please enter a name for the event.");
    if (StartMajor.isEmpty())
        return QStringLiteral("Please enter a start value.");
    for (const QString* text : {&StartMajor, &EndMajor, &StartMinor, &EndMinor})
        if (!text->isEmpty() && !IsWholeNumber(*text))
            return QStringLiteral("Please only enter numbers.");

    const int startMajor = BoxNumber(StartMajor, 0);
    const int endMajor = BoxNumber(EndMajor, 0);
    if ((startMajor < 0 && !StartMinor.isEmpty()) || (endMajor < 0 && !EndMinor.isEmpty()))
        return QStringLiteral("Please do not use months with BC dates, they are not applicable.");
    const int startMinor = BoxNumber(StartMinor, 1);
    const int endMinor = BoxNumber(EndMinor, 1);
    if (startMinor < 0 || endMinor < 0)
        return QStringLiteral(
            "Please do not use negative months. Months are not used with BC dates.");
    if ((EndMajor.isEmpty() && !EndMinor.isEmpty()) ||
        (StartMajor.isEmpty() && !StartMinor.isEmpty()))
        return QStringLiteral(
            "Please include major units if you are going to specify minor units.");
    if (!StartMajor.isEmpty() && !EndMajor.isEmpty() && StartMinor.isEmpty() != EndMinor.isEmpty())
        return QStringLiteral("Please include both minor units if you are going to use them.");
    if (!EndMajor.isEmpty()) {
        bool endBeforeStart = false;
        if (endMajor < startMajor)
            endBeforeStart = true;
        else if (endMajor == startMajor)
            endBeforeStart = StartMinor.isEmpty() || startMinor >= endMinor;
        if (endBeforeStart)
            return EndAfterStartMessage;
    }
    return {};
}
