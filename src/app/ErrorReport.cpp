#include "app/ErrorReport.h"

#include "common/Errors.h"
#include "common/Vendor.h"

QString PasswordProtectedText() {
    return QStringLiteral(" This timeline cannot be edited as it is password protected.\r\n\r\n"
                          "Go to File | Properties to unlock if you have the password.");
}

QString ProblemText(const QString& message) {
    return QStringLiteral("There has been a problem.\r\n\r\nThe exact error was : [%1]\r\n\r\n"
                          "Please take a screen shot by pressing the Print Screen button on your keyboard, "
                          "press ctrl+V to paste it into an email and send it to ")
               .arg(message) +
           VendorSupportEmail() +
           QStringLiteral(" together with the task you were attempting when the error occurred.\r\n\r\n"
                          "Please accept our apologies. Corvane is stringently tested and widely used however, "
                          "as with any software problems occur from time to time with various situations / "
                          "system setups. We will look into it immediately and respond within 24hrs.");
}

QString ErrorReportText(const std::exception& error) {
    if (dynamic_cast<const EReadOnlyError*>(&error))
        return PasswordProtectedText();
    if (const auto* vz = dynamic_cast<const EVzError*>(&error))
        return ProblemText(vz->Message());
    return ProblemText(QString::fromLocal8Bit(error.what()));
}
