// The one way the program writes a file. The new content goes to a copy of the program's
// own naming beside the file, is synced to the disk and checked, then renamed over the
// file, and the folder is synced; a step that fails leaves the old file in place and is
// reported with the system's reason. New files are for their owner alone (0600); a file
// that is replaced keeps its mode.
#pragma once

#include "archive/file_reader.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace archive {

struct WriteResult {
    bool ok = true;
    QString error;    // for the user: what failed, naming the file
    FileStamp stamp;  // the file as written
};

WriteResult writeFileDurably(const QString& path, const QByteArray& bytes);

// A copy of the program opened read-only (another copy holds its data folder) never
// writes: every write and removal is refused.
void setWritesAllowed(bool allowed);
bool writesAllowed();

// Whether a name is one the program gives its copies while it writes
// (".Save00.txt.lotto36x7-4711-new"): no user names a file that way.
bool isUnfinishedWriteName(const QString& name);
// Removes the copies a write that was cut off (a kill, a power cut) left in the folder;
// whatever they held never counted as saved. Returns the names removed.
QStringList removeUnfinishedWrites(const QString& folder);

// The steps of a write, in order. Backup (a second name for the old file, so that a
// failed folder sync can put it back) is skipped where the file system has no links.
enum class WriteStep { Create, Write, Sync, Close, Backup, Rename, SyncFolder };
// For tests: called before each step; a non-zero error number makes the step fail with it.
using WriteFault = std::function<int(WriteStep)>;
void setWriteFault(WriteFault fault);

}  // namespace archive
