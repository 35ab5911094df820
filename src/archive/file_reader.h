// The one way the program reads a file: regular files only (a pipe, a device or a folder
// is refused at once, before it is opened), never more than the limit of its kind, and a
// link that points nowhere is told as such. What a file was when it was read (its stamp)
// lets a later save see that another program has changed it since.
#pragma once

#include <QByteArray>
#include <QString>

namespace archive {

// The size limits, one for each kind of file the program reads. Each is far above what
// the program itself writes: a slot of 32,767 lines is 750 KB, a time file one line,
// a history of 100,000 draws 4 MB.
inline constexpr qint64 kMaxSlotBytes = 4 * 1024 * 1024;
inline constexpr qint64 kMaxTimeBytes = 4 * 1024;
inline constexpr qint64 kMaxRulesBytes = 1024 * 1024;
inline constexpr qint64 kMaxHistoryBytes = 16 * 1024 * 1024;

// What a file is on disk, enough to notice that it was replaced or written to.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    quint64 device = 0;
    quint64 inode = 0;
    bool operator==(const FileStamp& o) const
    {
        return exists == o.exists && size == o.size && modifiedNs == o.modifiedNs
               && device == o.device && inode == o.inode;
    }
    bool operator!=(const FileStamp& o) const { return !(*this == o); }
};

// The stamp of the file a path names now (a link is followed).
FileStamp stampOf(const QString& path);

struct FileRead {
    enum class Status { Read, Missing, Refused };
    Status status = Status::Missing;
    QByteArray bytes;  // the whole file when read
    FileStamp stamp;   // of the file whose bytes these are
    QString reason;    // for the user, when refused: why it was not read

    bool read() const { return status == Status::Read; }
    bool refused() const { return status == Status::Refused; }
};

// Reads the whole file when it is a regular file of at most `limit` bytes.
FileRead readFile(const QString& path, qint64 limit);

// "文件太大（5400000 字节，最多 4096 字节）".
QString tooLargeText(qint64 size, qint64 limit);

}  // namespace archive
