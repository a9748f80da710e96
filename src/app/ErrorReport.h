// The texts of the application-wide error handler.
#pragma once

#include <QString>

#include <exception>

// The text shown for a failure no other code handled: the password text for a write refused by
// a locked (password-protected) table, otherwise "There has been a problem." with the message.
QString ErrorReportText(const std::exception& error);

QString PasswordProtectedText();
QString ProblemText(const QString& message);
