#include "search/ui/TRangeEntryPanel.h"

#include "time/ui/TDateEntry.h"
#include "time/ui/TMajorNumberBox.h"
#include "time/ui/TimeEntryPanels.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>

#include <cmath>

namespace {
QWidget* Pair(QWidget* parent, QWidget* first, QWidget* second) {
    auto* panel = new QWidget(parent);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(first, 1);
    row->addWidget(new QLabel(QStringLiteral("to"), panel));
    row->addWidget(second, 1);
    first->setParent(panel);
    second->setParent(panel);
    return panel;
}
} // namespace

TRangeEntryPanel::TRangeEntryPanel(TUnitSystem units, QWidget* parent)
    : QWidget(parent), m_units(units) {
    dtpStart = new TDateEntry(this);
    dtpEnd = new TDateEntry(this);
    for (TDateEntry* picker : {dtpStart, dtpEnd}) {
        picker->SetTypingAllowed(false);
        picker->Clear();
    }
    dtpStart->setObjectName(QStringLiteral("dtpStart"));
    dtpEnd->setObjectName(QStringLiteral("dtpEnd"));
    edtStart = new TMajorNumberBox(this);
    edtEnd = new TMajorNumberBox(this);
    edtStart->setObjectName(QStringLiteral("edtStart"));
    edtEnd->setObjectName(QStringLiteral("edtEnd"));
    m_datePanel = Pair(this, dtpStart, dtpEnd);
    m_boxPanel = Pair(this, edtStart, edtEnd);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_datePanel);
    layout->addWidget(m_boxPanel);
    ShowTimeEntryPanel(units, m_boxPanel, m_datePanel);
}

double TRangeEntryPanel::BoxValue(const QLineEdit* box) {
    const QString text = box->text().trimmed();
    if (text.isEmpty())
        return NoRangeValue;
    bool ok = false;
    double value = QLocale().toDouble(text, &ok);
    if (!ok)
        value = QLocale::c().toDouble(text, &ok);
    return ok && std::isfinite(value) ? value : NoRangeValue;
}

QString TRangeEntryPanel::BoxText(double value) {
    return value == NoRangeValue ? QString() : QString::number(value, 'g', 15);
}

void TRangeEntryPanel::SetValues(double low, double high) {
    if (Dates()) {
        const auto set = [](TDateEntry* picker, double value) {
            if (value == NoRangeValue)
                picker->Clear();
            else
                picker->SetDateValue(value);
        };
        set(dtpStart, low);
        set(dtpEnd, high);
    } else {
        edtStart->setText(BoxText(low));
        edtEnd->setText(BoxText(high));
    }
}

void TRangeEntryPanel::SetRemembered(const QString& startText, const QString& endText,
                                     const QDate& startDate, const QDate& endDate) {
    edtStart->setText(startText);
    edtEnd->setText(endText);
    if (startDate.isValid())
        dtpStart->SetDate(startDate);
    if (endDate.isValid())
        dtpEnd->SetDate(endDate);
}

void TRangeEntryPanel::Clear() {
    dtpStart->Clear();
    dtpEnd->Clear();
    edtStart->clear();
    edtEnd->clear();
}
