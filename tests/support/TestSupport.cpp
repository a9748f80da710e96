#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace vztest {

QString NewTempFolder(const QString& hint) {
    static int counter = 0;
    const QString path = QDir::tempPath() + QStringLiteral("/case-%1-%2")
                                                .arg(++counter)
                                                .arg(hint.isEmpty() ? QStringLiteral("x") : hint);
    QDir().mkpath(path);
    return path;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size();
}

QString TestDataFolder() {
    return qEnvironmentVariable("VZ_TEST_DATA", QStringLiteral(VZ_SOURCE_TEST_DATA));
}

} // namespace vztest
