// Every test executable runs headless, in English (United Kingdom), with its own HOME, XDG
// folders and temporary folder, so no test touches the user's files or settings.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

#include <cstdlib>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");

    QTemporaryDir root(QDir::tempPath() + QStringLiteral("/vz-test-XXXXXX"));
    if (!root.isValid())
        return 3;
    const QString base = root.path();
    for (const char* sub : {"home", "config", "data", "cache", "runtime", "tmp"})
        QDir().mkpath(base + QLatin1Char('/') + QLatin1String(sub));
    QFile::setPermissions(base + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("HOME", (base + QStringLiteral("/home")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (base + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (base + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (base + QStringLiteral("/cache")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", (base + QStringLiteral("/runtime")).toLocal8Bit());
    qputenv("TMPDIR", (base + QStringLiteral("/tmp")).toLocal8Bit());
    qputenv("TEMP", (base + QStringLiteral("/tmp")).toLocal8Bit());

    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Corvane"));
    QApplication::setApplicationName(QStringLiteral("VezizivuTest"));
    return RUN_ALL_TESTS();
}
