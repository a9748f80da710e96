// The date or value range of a search: two read-only date pickers for Calendar Dates, two number
// boxes for every other unit system.
#pragma once

#include "search/SearchText.h"
#include "time/TimeTypes.h"

#include <QWidget>

class QDate;
class QLineEdit;
class TDateEntry;

class TRangeEntryPanel : public QWidget {
    Q_OBJECT
public:
    explicit TRangeEntryPanel(TUnitSystem units, QWidget* parent = nullptr);

    bool Dates() const { return m_units == usCalendarDates; }

    TDateEntry* dtpStart;
    TDateEntry* dtpEnd;
    QLineEdit* edtStart;
    QLineEdit* edtEnd;

    // A box read as a number: NoRangeValue when empty or unreadable.
    static double BoxValue(const QLineEdit* box);
    // A number as the boxes show it (15 significant digits); empty for NoRangeValue.
    static QString BoxText(double value);
    // Both pickers or boxes from two values (NoRangeValue empties the text).
    void SetValues(double low, double high);
    void Clear();
    // The box texts and picker dates a search form remembered (an invalid date leaves its picker).
    void SetRemembered(const QString& startText, const QString& endText, const QDate& startDate,
                       const QDate& endDate);

private:
    TUnitSystem m_units;
    QWidget* m_datePanel;
    QWidget* m_boxPanel;
};
