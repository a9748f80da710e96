#include "time/ui/TDateEntry.h"

#include "time/DateNumbers.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

TDateEntry::TDateEntry(QWidget* parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_button(new QToolButton(this)),
      m_date(QDate::currentDate()) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_edit);
    layout->addWidget(m_button);
    m_button->setArrowType(Qt::DownArrow);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_edit->installEventFilter(this);
    setFocusProxy(m_edit);
    connect(m_button, &QToolButton::clicked, this, &TDateEntry::ShowCalendar);
    connect(m_edit, &QLineEdit::textEdited, this, &TDateEntry::TextEdited);
    connect(m_edit, &QLineEdit::editingFinished, this, &TDateEntry::EditingFinished);
}

void TDateEntry::SetDate(const QDate& date) {
    const QString text = ShortDateText(date);
    if (!text.isEmpty())
        m_date = date;
    m_edit->setText(text);
    m_lastGoodText = text;
}

TTimeValue TDateEntry::DateValue() const {
    return DateToValue(m_date);
}

void TDateEntry::SetDateValue(TTimeValue value) {
    SetDate(ValueToDate(value));
}

QString TDateEntry::Text() const {
    return m_edit->text();
}

void TDateEntry::SetText(const QString& text) {
    const QDate date = ReadShortDate(text);
    if (date.isValid())
        m_date = date;
    m_edit->setText(text);
    if (text.isEmpty() || date.isValid())
        m_lastGoodText = text;
}

void TDateEntry::Clear() {
    SetText({});
}

TTimeValue TDateEntry::EnteredValue() const {
    return IsEmpty() ? 0.0 : DateValue();
}

void TDateEntry::SetTypingAllowed(bool allowed) {
    m_edit->setReadOnly(!allowed);
}

QCalendarWidget* TDateEntry::Calendar() {
    if (!m_calendar) {
        m_popup = new QFrame(this, Qt::Popup);
        m_popup->setFrameShape(QFrame::StyledPanel);
        auto* layout = new QHBoxLayout(m_popup);
        layout->setContentsMargins(0, 0, 0, 0);
        m_calendar = new QCalendarWidget(m_popup);
        m_calendar->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
        layout->addWidget(m_calendar);
        connect(m_calendar, &QCalendarWidget::clicked, this, &TDateEntry::CalendarPicked);
        connect(m_calendar, &QCalendarWidget::activated, this, &TDateEntry::CalendarPicked);
    }
    return m_calendar;
}

void TDateEntry::ShowCalendar() {
    Calendar()->setSelectedDate(m_date);
    m_popup->adjustSize();
    m_popup->move(mapToGlobal(QPoint(0, height())));
    m_popup->show();
    m_calendar->setFocus();
}

bool TDateEntry::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F4 ||
            (key->key() == Qt::Key_Down && key->modifiers().testFlag(Qt::AltModifier))) {
            ShowCalendar();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TDateEntry::TextEdited(const QString& text) {
    const QDate date = ReadShortDate(text);
    if (date.isValid())
        m_date = date;
    if (text.isEmpty() || date.isValid())
        m_lastGoodText = text;
    Q_EMIT Changed();
}

void TDateEntry::EditingFinished() {
    if (m_edit->text() != m_lastGoodText && !ReadShortDate(m_edit->text()).isValid())
        m_edit->setText(m_lastGoodText);
}

void TDateEntry::CalendarPicked(const QDate& date) {
    if (m_popup)
        m_popup->hide();
    SetDate(date);
    m_edit->setFocus();
    Q_EMIT Changed();
}
