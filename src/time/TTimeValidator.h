// Checks the typed start and end of an event before anything is stored. The first problem found
// becomes the Message; the checks run in a fixed order (see Validate).
#pragma once

#include <QString>

// Mode of a validator: the two date pickers, or the four major/minor boxes.
inline constexpr int vmCalendarDates = 1;
inline constexpr int vmMultiUnit = 2;

class TTimeValidator {
public:
    explicit TTimeValidator(int mode) : m_mode(mode) {}

    // Trims the four box texts and copies the rest.
    void Assign(const QString& startMajor, const QString& endMajor, const QString& startMinor,
                const QString& endMinor, double startDate, double endDate,
                const QString& startDateText, const QString& endDateText, bool required,
                const QString& name);

    // True when no problem was found (Message empty).
    bool Validate();
    const QString& Message() const { return m_message; }
    int Mode() const { return m_mode; }

    QString StartMajor;
    QString EndMajor;
    QString StartMinor;
    QString EndMinor;
    double StartDate = 0;
    double EndDate = 0;
    QString StartDateText;
    QString EndDateText;
    // When false, a completely blank row passes.
    bool Required = false;
    QString Name;

private:
    QString ValidateDates() const;
    QString ValidateUnits() const;

    int m_mode;
    QString m_message;
};
