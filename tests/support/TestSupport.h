// Helpers shared by the test executables.
#pragma once

#include <QByteArray>
#include <QString>

namespace vztest {

// A fresh folder under the test run's private temporary folder; removed when the run ends.
QString NewTempFolder(const QString& hint = QString());

// Reads a whole file; empty when it cannot be read.
QByteArray ReadAll(const QString& path);

// Writes a whole file, creating parent folders; false on failure.
bool WriteAll(const QString& path, const QByteArray& bytes);

// Root of the checked-in test data (tests/data).
QString TestDataFolder();

} // namespace vztest
