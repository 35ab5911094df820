#include "archive/durable_write.h"

#include "archive/system_errors.h"
#include "messages/message_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace archive {

namespace {

bool& allowed()
{
    static bool writes = true;
    return writes;
}

WriteFault& fault()
{
    static WriteFault hook;
    return hook;
}

// Runs one step: the injected fault, if any, instead of the call. Returns 0 or an error
// number.
template <typename Call>
int step(WriteStep which, Call call)
{
    if (fault())
        if (const int injected = fault()(which))
            return injected;
    while (true) {
        if (call() >= 0)
            return 0;
        if (errno != EINTR)
            return errno;
    }
}

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

// The file a path finally names: links are followed, so that a slot the user keeps
// elsewhere through a link is written there.
QString finalPath(const QString& path)
{
    QString current = path;
    for (int depth = 0; depth < 8; ++depth) {
        const QFileInfo info(current);
        if (!info.isSymLink())
            return current;
        current = info.symLinkTarget();
    }
    return current;
}

QString copyName(const QString& fileName, const char* role)
{
    return QStringLiteral(".%1.lotto36x7-%2-%3").arg(fileName).arg(::getpid()).arg(QLatin1String(role));
}

WriteResult failed(const QString& path, const QString& what, int errorNumber)
{
    WriteResult out;
    out.ok = false;
    out.error = messages::pathText(path) + QStringLiteral("：") + what + systemErrorText(errorNumber);
    return out;
}

// Syncs a folder's entries. A file system that cannot sync a folder says EINVAL: nothing
// more can be done there, and the write counts.
int syncFolder(const QString& folder)
{
    int fd = -1;
    const int opened = step(WriteStep::SyncFolder, [&] {
        fd = ::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        return fd;
    });
    if (opened)
        return opened;
    int synced = step(WriteStep::SyncFolder, [&] { return ::fsync(fd); });
    ::close(fd);
    if (synced == EINVAL || synced == ENOTSUP)
        synced = 0;
    return synced;
}

int writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        ssize_t n = 0;
        const int error = step(WriteStep::Write, [&] {
            n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
            return n;
        });
        if (error)
            return error;
        done += n;
    }
    return 0;
}

}  // namespace

void setWritesAllowed(bool writes)
{
    allowed() = writes;
}

bool writesAllowed()
{
    return allowed();
}

void setWriteFault(WriteFault hook)
{
    fault() = std::move(hook);
}

WriteResult writeFileDurably(const QString& path, const QByteArray& bytes)
{
    if (!writesAllowed()) {
        WriteResult out;
        out.ok = false;
        out.error = messages::pathText(path)
                    + QStringLiteral("：对奖器是只读打开的（另一个对奖器正在使用这个文件夹），不能保存");
        return out;
    }
    const QString target = finalPath(path);
    const QFileInfo targetInfo(target);
    const QString folder = targetInfo.absolutePath();
    const QString copy = QDir(folder).filePath(copyName(targetInfo.fileName(), "new"));
    const QString backup = QDir(folder).filePath(copyName(targetInfo.fileName(), "old"));
    struct stat old {};
    const bool replacing = ::stat(encoded(target).constData(), &old) == 0;

    // Names of the program's own: whatever stands under them is a cut-off write's.
    ::unlink(encoded(copy).constData());
    ::unlink(encoded(backup).constData());
    int fd = -1;
    if (const int error = step(WriteStep::Create, [&] {
            fd = ::open(encoded(copy).constData(),
                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
            return fd;
        }))
        return failed(path, QString(), error);
    auto dropCopy = [&] { ::unlink(encoded(copy).constData()); };
    // The replaced file's mode stays; a new file is its owner's alone.
    if (replacing && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);
    int error = writeAll(fd, bytes);
    QString what;
    if (!error) {
        error = step(WriteStep::Sync, [&] { return ::fdatasync(fd); });
        what = QStringLiteral("没能存到磁盘上：");
    }
    // Closed once whatever happens (a close is never repeated); a write that fails only
    // as the file is closed (a full network disk) fails the save too.
    int closed = ::close(fd) == 0 ? 0 : errno;
    if (fault())
        if (const int injected = fault()(WriteStep::Close))
            closed = injected;
    if (!error && closed) {
        error = closed;
        what = QStringLiteral("没能存到磁盘上：");
    }
    if (error) {
        dropCopy();
        return failed(path, what, error);
    }

    // A second name for the old file, so that it can be put back if the folder cannot be
    // synced; a file system without links goes on without it.
    const bool backedUp = replacing && step(WriteStep::Backup, [&] {
        return ::link(encoded(target).constData(), encoded(backup).constData());
    }) == 0;
    auto dropBackup = [&] {
        if (backedUp)
            ::unlink(encoded(backup).constData());
    };
    if (const int renamed = step(WriteStep::Rename, [&] {
            return ::rename(encoded(copy).constData(), encoded(target).constData());
        })) {
        dropCopy();
        dropBackup();
        return failed(path, QString(), renamed);
    }
    if (const int synced = syncFolder(folder)) {
        // Not known to be on the disk: the old file is put back, as after any other failure.
        if (backedUp)
            ::rename(encoded(backup).constData(), encoded(target).constData());
        else if (!replacing)
            ::unlink(encoded(target).constData());
        return failed(path, QStringLiteral("没能存到磁盘上："), synced);
    }
    dropBackup();
    WriteResult out;
    out.stamp = stampOf(target);
    return out;
}

bool isUnfinishedWriteName(const QString& name)
{
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("\\..+\\.lotto36x7-[0-9]+-(new|old)")));
    return pattern.match(name).hasMatch();
}

QStringList removeUnfinishedWrites(const QString& folder)
{
    QStringList removed;
    if (!writesAllowed())
        return removed;
    QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (isUnfinishedWriteName(name) && dir.remove(name))
            removed << name;
    return removed;
}

}  // namespace archive
