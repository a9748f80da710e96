#include "app/TSingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

QString TSingleInstance::LockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/Vezizivu.lock");
}

TSingleInstance::TSingleInstance() : m_lock(std::make_unique<QLockFile>(LockPath())) {
    // Only a lock whose process is gone counts as stale, however long the first copy runs.
    m_lock->setStaleLockTime(0);
    m_alreadyRunning = !m_lock->tryLock(0);
}

TSingleInstance::~TSingleInstance() = default;
