// Name=value lines of the "Formatting" memo of an event and the "Format" memo of a group: the
// first "=" of a line separates name and value, names are compared ignoring letter case, and the
// first matching line counts.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The lines of a memo (CR LF, LF or CR ended); a final line break gives no empty line.
QStringList SplitMemoLines(const QString& memo);
// The memo text of `lines`: every line ended by CR LF.
QString JoinMemoLines(const QStringList& lines);

// The value of the first line named `name`; nothing when no line has that name.
std::optional<QString> LineValue(const QStringList& lines, const QString& name);
// Replaces the value of the first line named `name`, or appends "name=value".
void SetLineValue(QStringList& lines, const QString& name, const QString& value);
