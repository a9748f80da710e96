#include "app/ui/TAppEventFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QWidget>

TAppEventFilter::TAppEventFilter(std::function<bool()> hintsAllowed, QObject* parent)
    : QObject(parent), m_hintsAllowed(std::move(hintsAllowed)) {}

bool TAppEventFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ToolTip:
        return m_hintsAllowed && !m_hintsAllowed();
    case QEvent::Wheel:
        return WheelToArrowKeys(watched, event);
    default:
        return false;
    }
}

bool TAppEventFilter::WheelToArrowKeys(QObject* watched, QEvent* event) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    const int delta = wheel->angleDelta().y();
    if (delta == 0 && wheel->angleDelta().x() != 0)
        return false; // a sideways wheel is no up-or-down turn
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = qobject_cast<QWidget*>(watched);
    if (!target)
        return false;
    // Fine-grained wheels send parts of a notch: one arrow key per whole notch.
    int keys = std::max(1, std::abs(delta) / 120);
    if (delta != 0 && std::abs(delta) < 120) {
        m_wheelRemainder += delta;
        keys = std::abs(m_wheelRemainder) / 120;
        if (keys == 0)
            return true;
        m_wheelRemainder %= 120;
    }
    const int key = WheelKey(delta);
    for (int i = 0; i < keys; ++i) {
        QKeyEvent press(QEvent::KeyPress, key, wheel->modifiers());
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, wheel->modifiers());
        QApplication::sendEvent(target, &release);
    }
    return true;
}
