#include "storage/IO.h"

#include "common/Errors.h"
#include "common/MiscUtils.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {
const QString kLastUsedDir = QStringLiteral("LastUsedDir");
} // namespace

QString DefaultSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Corvane/tl/quistor.ini");
}

QString UserKeyPath() {
    return QStringLiteral("Software\\Corvane\\Vezizivu\\");
}

QString ReadUserValue(const QString& name) {
    const QSettings settings(QStringLiteral("Corvane"), QStringLiteral("Vezizivu"));
    return settings.value(name).toString();
}

void WriteUserValue(const QString& name, const QString& text) {
    QSettings settings(QStringLiteral("Corvane"), QStringLiteral("Vezizivu"));
    settings.setValue(name, text);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw EVzError(QStringLiteral("Error opening/creating key : ") + UserKeyPath());
}

QString PersonalFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return WithTrailingSlash(folder);
}

QString DefaultMyTimelinesFolder(const QString& personalFolder) {
    return personalFolder + QStringLiteral("My Timelines");
}

QString BackgroundsFolder(const QString& personalFolder) {
    return personalFolder + QStringLiteral("My Timelines/Backgrounds/");
}

QString IconsFolder(const QString& myTimelinesFolder) {
    return WithTrailingSlash(myTimelinesFolder) + QStringLiteral("Icons/");
}

TIO::TIO(const QString& myTimelinesFolder)
    : m_myTimelines(myTimelinesFolder), m_lastUsed(ReadUserValue(kLastUsedDir)) {
    if (m_myTimelines.isEmpty())
        throw EAssertionFailed(QStringLiteral("The My Timelines folder is not set."));
    QDir().mkpath(m_myTimelines);
}

TIO::~TIO() {
    try {
        WriteUserValue(kLastUsedDir, m_lastUsed);
    } catch (...) {
        // The program is ending; the next start falls back to the My Timelines folder.
    }
}

QString TIO::InitialFolder() const {
    if (!m_lastUsed.isEmpty() && QFileInfo(m_lastUsed).isDir())
        return m_lastUsed;
    return m_myTimelines;
}
