// The application object. It is the last line of the error handling (an exception that escapes
// any event handler is given to the error handler and the program goes on; EAbort is silent),
// it shows pop-up hints only while hints are on, and it turns the mouse wheel into the Up and
// Down arrow keys of the focused control.
#pragma once

#include <QApplication>

#include <exception>
#include <functional>

class TVezizivuApplication : public QApplication {
    Q_OBJECT
public:
    TVezizivuApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    void SetErrorHandler(std::function<void(const std::exception&)> handler) { m_errorHandler = std::move(handler); }
    void SetHintsAllowed(std::function<bool()> allowed) { m_hintsAllowed = std::move(allowed); }

    // The key a wheel turn of `delta` (eighths of a degree) stands for: Down for zero or
    // negative, Up for positive.
    static int WheelKey(int delta) { return delta > 0 ? Qt::Key_Up : Qt::Key_Down; }

private:
    bool Deliver(QObject* receiver, QEvent* event);
    bool WheelToArrowKeys(QObject* receiver, QEvent* event);

    std::function<void(const std::exception&)> m_errorHandler;
    std::function<bool()> m_hintsAllowed;
    int m_wheelRemainder = 0;
};
