#include "archive/folder_lock.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace archive {

namespace {

constexpr qint64 kUnnamedLockSeconds = 5;

// A lock file that names no process is what a copy killed between making the file and
// writing its number into it leaves; a copy that is making one now is done within a
// moment. Removes such a file once it is old enough; true while one is too young to.
bool clearUnnamedLock(const QString& path)
{
    if (!QFileInfo::exists(path))
        return false;
    QLockFile lock(path);
    qint64 pid = 0;
    QString host;
    QString app;
    if (lock.getLockInfo(&pid, &host, &app))
        return false;
    // A time in the future (a clock set back) says nothing of its age: not waited for.
    const qint64 age = QFileInfo(path).lastModified().secsTo(QDateTime::currentDateTime());
    if (age >= 0 && age < kUnnamedLockSeconds)
        return true;
    lock.removeStaleLockFile();
    return false;
}

}  // namespace

FolderLock::FolderLock(const QString& folder)
    : m_lock(std::make_unique<QLockFile>(QDir(folder).filePath(QStringLiteral(".lotto36x7.lock"))))
{
    // Held for the whole run: only a lock whose process is gone counts as stale, never
    // one that is merely old.
    m_lock->setStaleLockTime(0);
}

FolderLock::State FolderLock::acquire()
{
    // The lock itself, or the file that guards the take-over of a stale one, may be
    // half-made by a copy that was killed: wait until such a file is old enough to be
    // known abandoned (a few seconds at most, and only after a kill), then take over.
    const QString guard = m_lock->fileName() + QStringLiteral(".rmlock");
    for (;;) {
        if (m_lock->isLocked() || m_lock->tryLock(0))
            return State::Held;
        if (m_lock->error() != QLockFile::LockFailedError)
            return State::Unavailable;
        // Both looked at on every round: either may be the half-made one.
        const bool lockYoung = clearUnnamedLock(m_lock->fileName());
        const bool guardYoung = clearUnnamedLock(guard);
        if (!lockYoung && !guardYoung)
            return m_lock->tryLock(0) ? State::Held : State::HeldByOther;
        QThread::msleep(100);
    }
}

QString FolderLock::holder() const
{
    qint64 pid = 0;
    QString host;
    QString app;
    if (!m_lock->getLockInfo(&pid, &host, &app))
        return QString();
    return QStringLiteral("进程 %1").arg(pid);
}

}  // namespace archive
