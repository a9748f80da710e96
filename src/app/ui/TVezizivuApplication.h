// The application object: the last line of the error handling. An exception that escapes any
// event handler is given to the error handler and the program goes on; EAbort is silent.
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

private:
    std::function<void(const std::exception&)> m_errorHandler;
};
