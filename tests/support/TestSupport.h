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

// Readable failure messages for Qt strings.
#include <QStringList>
#include <ostream>
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '{';
    for (qsizetype i = 0; i < list.size(); ++i)
        *os << (i ? ", \"" : "\"") << list[i].toStdString() << '"';
    *os << '}';
}
