#include "archive/file_reader.h"

#include "archive/system_errors.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace archive {

namespace {

FileStamp stampOfStat(const struct stat& st)
{
    FileStamp stamp;
    stamp.exists = true;
    stamp.size = qint64(st.st_size);
    stamp.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    stamp.device = quint64(st.st_dev);
    stamp.inode = quint64(st.st_ino);
    return stamp;
}

// What a file that is not a regular one is, in the user's words.
QString notRegularText(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("这是一个文件夹，不是文件");
    if (S_ISFIFO(mode))
        return QStringLiteral("这是一个管道，不是普通文件");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("这是一个设备，不是普通文件");
    if (S_ISSOCK(mode))
        return QStringLiteral("这是一个套接字，不是普通文件");
    return QStringLiteral("这不是普通文件");
}

FileRead refused(const QString& reason)
{
    FileRead out;
    out.status = FileRead::Status::Refused;
    out.reason = reason;
    return out;
}

FileRead refusedBySystem(int errorNumber)
{
    return refused(QStringLiteral("无法读取：") + systemErrorText(errorNumber));
}

// Closes the descriptor however the read ends.
struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

}  // namespace

FileStamp stampOf(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return stampOfStat(st);
}

QString tooLargeText(qint64 size, qint64 limit)
{
    return QStringLiteral("文件太大（%1 字节，最多 %2 字节）").arg(size).arg(limit);
}

FileRead readFile(const QString& path, qint64 limit)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0)
        return errno == ENOENT ? FileRead{} : refusedBySystem(errno);
    if (S_ISLNK(st.st_mode) && ::stat(name.constData(), &st) != 0) {
        if (errno != ENOENT)
            return refusedBySystem(errno);
        return refused(QStringLiteral("这是一个链接，它指向的 %1 不存在")
                           .arg(QFileInfo(path).symLinkTarget()));
    }
    // Refused before it is opened: opening a pipe waits for a writer, a device may
    // never end.
    if (!S_ISREG(st.st_mode))
        return refused(notRegularText(st.st_mode));
    if (qint64(st.st_size) > limit)
        return refused(tooLargeText(qint64(st.st_size), limit));

    Descriptor file;
    file.fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (file.fd < 0)
        return errno == ENOENT ? FileRead{} : refusedBySystem(errno);
    // The checks again on what was opened: the name may have been given to another file.
    if (::fstat(file.fd, &st) != 0)
        return refusedBySystem(errno);
    if (!S_ISREG(st.st_mode))
        return refused(notRegularText(st.st_mode));
    if (qint64(st.st_size) > limit)
        return refused(tooLargeText(qint64(st.st_size), limit));

    FileRead out;
    out.status = FileRead::Status::Read;
    out.stamp = stampOfStat(st);
    // One byte more than the limit tells a file that grew while it was read.
    out.bytes.resize(qsizetype(st.st_size) + 1);
    qint64 total = 0;
    while (true) {
        if (total == out.bytes.size()) {
            if (total > limit)
                return refused(tooLargeText(total, limit));
            out.bytes.resize(qsizetype(std::min(limit + 1, total * 2 + 4096)));
        }
        const ssize_t n = ::read(file.fd, out.bytes.data() + total, size_t(out.bytes.size() - total));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return refusedBySystem(errno);
        }
        if (n == 0)
            break;
        total += n;
    }
    if (total > limit)
        return refused(tooLargeText(total, limit));
    out.bytes.truncate(qsizetype(total));
    return out;
}

}  // namespace archive
