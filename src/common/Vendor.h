// The maker's addresses, quoted in messages that ask the user to get in touch.
#pragma once

#include <QString>

inline QString VendorSupportEmail() {
    return QStringLiteral("support@corvane.example");
}

inline QString VendorSalesEmail() {
    return QStringLiteral("sales@corvane.example");
}
