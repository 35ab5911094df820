#include "archive/folder_lock.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace archive {

namespace {
constexpr qint64 kUnnamedLockSeconds = 5;
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
    if (m_lock->isLocked() || m_lock->tryLock(0))
        return State::Held;
    if (m_lock->error() != QLockFile::LockFailedError)
        return State::Unavailable;
    // A lock file that names no process is what a copy killed between making the file
    // and writing its number into it leaves; a copy that is making one now is done
    // within a moment.
    qint64 pid = 0;
    QString host;
    QString app;
    const QFileInfo file(m_lock->fileName());
    if (!m_lock->getLockInfo(&pid, &host, &app)
        && file.lastModified().secsTo(QDateTime::currentDateTime()) >= kUnnamedLockSeconds
        && m_lock->removeStaleLockFile() && m_lock->tryLock(0))
        return State::Held;
    return State::HeldByOther;
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
