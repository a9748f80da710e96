#include "common/MiscUtils.h"

#include "common/Dialogs.h"
#include "common/Errors.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {
QString CopyFailedText(const QString& source, const QString& target) {
    return QStringLiteral("Could not copy \"%1\" to \"%2\".").arg(source, target);
}

QString DeleteFailedText(const QString& path) {
    return QStringLiteral("Could not delete \"%1\".").arg(path);
}

// Copies through a temporary file beside the target, so a failed copy leaves the target intact.
bool CopyReplacing(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    char buffer[1 << 16];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0) {
            out.cancelWriting();
            return false;
        }
        if (n == 0)
            break;
        if (out.write(buffer, n) != n) {
            out.cancelWriting();
            return false;
        }
    }
    return out.commit();
}

void SyncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
} // namespace

bool MoveFileReplacing(const QString& source, const QString& target) {
    if (!CopyReplacing(source, target)) {
        Dialogs().Error(CopyFailedText(source, target));
        return false;
    }
    if (!QFile::remove(source)) {
        Dialogs().Error(DeleteFailedText(source));
        return false;
    }
    return true;
}

bool DeleteFileReported(const QString& path, bool report) {
    const bool deleted = QFileInfo(path).isFile() && QFile::remove(path);
    if (!deleted && report)
        Dialogs().Error(DeleteFailedText(path));
    return deleted;
}

bool CopyFileReported(const QString& source, const QString& target) {
    if (CopyReplacing(source, target))
        return true;
    Dialogs().Error(CopyFailedText(source, target));
    return false;
}

void WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EVzError(QStringLiteral("Could not write \"%1\": %2").arg(path, file.errorString()));
}

QByteArray ReadWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EVzError(QStringLiteral("Could not read \"%1\": %2").arg(path, file.errorString()));
    return file.readAll();
}

void RenameReplacing(const QString& source, const QString& target) {
    if (std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) !=
        0) {
        throw EVzError(QStringLiteral("Could not rename \"%1\" to \"%2\": %3")
                           .arg(source, target, QString::fromLocal8Bit(std::strerror(errno))));
    }
    SyncFolder(QFileInfo(target).absolutePath());
}

QString ChangeFileExt(const QString& path, const QString& ext) {
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot > slash)
        return path.left(dot) + ext;
    return path + ext;
}

QString FolderOf(const QString& path) {
    return WithTrailingSlash(QFileInfo(path).absolutePath());
}

QString WithTrailingSlash(const QString& folder) {
    QString f = folder;
    while (f.size() > 1 && f.endsWith(QLatin1Char('/')))
        f.chop(1);
    return f.endsWith(QLatin1Char('/')) ? f : f + QLatin1Char('/');
}

QString IdentityStamp() {
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_hh-mm_ss-zzz"));
}
