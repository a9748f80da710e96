// The label format of events: a format text with two string arguments, 0 the event's name and
// 1 its date text ("%0:s %1:s", "%1:s %0:s", "%0:s\r\n%1:s" ...). Directives are
// "%" [index ":"] ["-"] [width] ["." precision] "s"; "%%" is a percent sign.
#pragma once

#include <QString>

// Throws EVzError "Format '<format>' invalid or incompatible with argument" for a directive
// that is not a string directive or names an argument other than 0 and 1.
QString FormatLabel(const QString& format, const QString& name, const QString& dateText);
