// One Vezizivu per user session: a lock file in the user's runtime folder. A lock left by a run
// that crashed is taken over.
#pragma once

#include <QString>

#include <memory>

class QLockFile;

class TSingleInstance {
public:
    // Takes the lock when no other instance holds it.
    TSingleInstance();
    ~TSingleInstance();
    TSingleInstance(const TSingleInstance&) = delete;
    TSingleInstance& operator=(const TSingleInstance&) = delete;

    bool AlreadyRunning() const { return m_alreadyRunning; }

    static QString LockPath();
    static QString AlreadyRunningText() {
        return QStringLiteral("Sorry, only one Vezizivu can run at once. Please close the current \r\none then try again.");
    }

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_alreadyRunning = false;
};
