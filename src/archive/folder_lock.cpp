#include "archive/folder_lock.h"

#include <QDir>

namespace archive {

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
    return m_lock->error() == QLockFile::LockFailedError ? State::HeldByOther : State::Unavailable;
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

QString FolderLock::path() const
{
    return m_lock->fileName();
}

}  // namespace archive
