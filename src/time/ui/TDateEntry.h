// A date entry whose text may be empty: an empty text means no date, whatever date the entry
// holds. Dates are written and read in the short date format; a button (or F4, Alt+Down) opens
// a calendar. Text that does not read as a date reverts, when editing ends, to the last text
// that did (or was empty).
#pragma once

#include "time/TimeTypes.h"

#include <QDate>
#include <QWidget>

class QCalendarWidget;
class QFrame;
class QLineEdit;
class QToolButton;

class TDateEntry : public QWidget {
    Q_OBJECT
public:
    explicit TDateEntry(QWidget* parent = nullptr);

    // The date held, whatever the text; today until another is set.
    QDate Date() const { return m_date; }
    // Holds `date` and shows it; an invalid date empties the text and keeps the date held.
    void SetDate(const QDate& date);
    TTimeValue DateValue() const;
    void SetDateValue(TTimeValue value);

    QString Text() const;
    // Shows `text`; a text that reads as a date also sets the date held.
    void SetText(const QString& text);
    bool IsEmpty() const { return Text().isEmpty(); }
    // Empties the text; the date held stays.
    void Clear();
    // The date as a number, or 0 when the text is empty (the pickers' rule before storing).
    TTimeValue EnteredValue() const;

    // When false the text cannot be typed; the calendar still sets the date.
    void SetTypingAllowed(bool allowed);

    void ShowCalendar();
    QLineEdit* Editor() const { return m_edit; }
    // The calendar of the pop-up (created on first use).
    QCalendarWidget* Calendar();

Q_SIGNALS:
    // The user changed the text or picked a date.
    void Changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TextEdited(const QString& text);
    void EditingFinished();
    void CalendarPicked(const QDate& date);

    QLineEdit* m_edit;
    QToolButton* m_button;
    QFrame* m_popup = nullptr;
    QCalendarWidget* m_calendar = nullptr;
    QDate m_date;
    QString m_lastGoodText;
};
