#include "app/UserFolders.h"

#include "storage/IO.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

static void InitAppResources() {
    Q_INIT_RESOURCE(app);
}

namespace {
// Copies every file of the resource folder `from` into `to` that is not there yet.
bool FillFolder(const QString& from, const QString& to) {
    if (!QDir().mkpath(to))
        return false;
    const QDir source(from);
    for (const QString& name : source.entryList(QDir::Files)) {
        const QString target = to + name;
        if (QFileInfo::exists(target))
            continue;
        if (QFile::copy(source.filePath(name), target))
            QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                              QFileDevice::ReadOther);
    }
    return true;
}
} // namespace

QStringList ShippedBackgrounds() {
    InitAppResources();
    return QDir(QStringLiteral(":/backgrounds")).entryList(QDir::Files);
}

bool EnsureUserFolders(const QString& personalFolder, const QString& myTimelinesFolder) {
    InitAppResources();
    bool ok = QDir().mkpath(myTimelinesFolder);
    ok &= FillFolder(QStringLiteral(":/backgrounds"), BackgroundsFolder(personalFolder));
    ok &= FillFolder(QStringLiteral(":/icons"), IconsFolder(myTimelinesFolder));
    return ok;
}
