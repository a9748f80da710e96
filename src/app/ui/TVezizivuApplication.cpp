#include "app/ui/TVezizivuApplication.h"

#include "common/Errors.h"

#include <QKeyEvent>
#include <QWheelEvent>
#include <QWidget>

TVezizivuApplication::TVezizivuApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TVezizivuApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return Deliver(receiver, event);
    } catch (const EAbort&) {
        return true;
    } catch (const std::exception& e) {
        if (m_errorHandler)
            m_errorHandler(e);
        return true;
    }
}

bool TVezizivuApplication::Deliver(QObject* receiver, QEvent* event) {
    switch (event->type()) {
    case QEvent::ToolTip:
        if (m_hintsAllowed && !m_hintsAllowed())
            return true;
        break;
    case QEvent::Wheel:
        if (WheelToArrowKeys(receiver, event))
            return true;
        break;
    default:
        break;
    }
    return QApplication::notify(receiver, event);
}

bool TVezizivuApplication::WheelToArrowKeys(QObject* receiver, QEvent* event) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    const int delta = wheel->angleDelta().y();
    if (delta == 0 && wheel->angleDelta().x() != 0)
        return false; // a sideways wheel is no up-or-down turn
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = qobject_cast<QWidget*>(receiver);
    if (!target)
        return false;
    // Fine-grained wheels send parts of a notch: one arrow key per whole notch.
    int keys = 1;
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
        QApplication::notify(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, wheel->modifiers());
        QApplication::notify(target, &release);
    }
    return true;
}
