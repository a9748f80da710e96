// Exception types of the program. Storage and database failures are raised as exceptions and
// reach the application-wide handler; EAbort ends an operation silently (its message, if any,
// has already been shown).
#pragma once

#include <QString>

#include <exception>

// Base of every error the program raises itself.
class EVzError : public std::exception {
public:
    explicit EVzError(QString message);
    const QString& Message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A failure of the database engine or of the data-set layer.
class EDatabaseError : public EVzError {
public:
    using EVzError::EVzError;
};

// A write refused because the table was opened read-only (a password-protected timeline).
class EReadOnlyError : public EDatabaseError {
public:
    using EDatabaseError::EDatabaseError;
};

// An internal consistency check failed; the message is one of the program's fixed texts.
class EAssertionFailed : public EVzError {
public:
    using EVzError::EVzError;
};

// Ends the current operation without a further message.
class EAbort : public EVzError {
public:
    EAbort() : EVzError(QStringLiteral("Operation aborted")) {}
};
