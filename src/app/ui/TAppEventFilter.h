// Application-wide input rules: pop-up hints show only while hints are on, and the mouse wheel
// acts as the Up and Down arrow keys of the focused control (Down for a turn towards the user or
// none, Up away from the user; one key per notch).
#pragma once

#include <QObject>

#include <functional>

class TAppEventFilter : public QObject {
    Q_OBJECT
public:
    explicit TAppEventFilter(std::function<bool()> hintsAllowed, QObject* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;

    // The key a wheel turn of `delta` (eighths of a degree) stands for.
    static int WheelKey(int delta) { return delta > 0 ? Qt::Key_Up : Qt::Key_Down; }

private:
    bool WheelToArrowKeys(QObject* watched, QEvent* event);

    std::function<bool()> m_hintsAllowed;
    int m_wheelRemainder = 0;
};
