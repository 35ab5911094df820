#include "archive/app_folders.h"

#include "archive/archive_files.h"
#include "archive/system_errors.h"
#include "history/draw_history.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>

namespace archive {

namespace {

// The files of a folder that a portable copy keeps its lines in.
QStringList slotFilesIn(const QString& folder)
{
    QStringList names;
    for (int slot = 0; slot < kSlotCount; ++slot)
        names << dataFileName(slot);
    names << history::kHistoryFileName;
    QStringList found;
    for (const QString& name : std::as_const(names))
        if (QFileInfo(QDir(folder).filePath(name)).isFile())
            found << name;
    return found;
}

}  // namespace

AppFolders portableFolders(const QString& folder)
{
    const QString absolute = QDir(folder).absolutePath();
    AppFolders folders;
    folders.data = absolute;
    folders.share = absolute;
    return folders;
}

AppFolders chooseFolders(const QString& programFolder, const QString& shareFolder,
                         const QString& userDataFolder)
{
    const QFileInfo program(programFolder);
    const bool hasSound = QFileInfo(QDir(programFolder).filePath(QStringLiteral("sound"))).isDir();
    const bool writable = program.isDir() && program.isWritable();
    if (hasSound && writable)
        return portableFolders(programFolder);
    AppFolders folders;
    folders.mode = FolderMode::Installed;
    folders.data = QDir::cleanPath(QDir(userDataFolder).absolutePath());
    folders.share = QDir::cleanPath(QDir(shareFolder).absolutePath());
    folders.filesBesideProgram = slotFilesIn(programFolder);
    if (!folders.filesBesideProgram.isEmpty()) {
        folders.programFolder = program.absoluteFilePath();
        folders.notPortableReason = !hasSound ? QStringLiteral("程序文件夹里没有 sound 文件夹")
                                              : QStringLiteral("程序文件夹不能写入");
    }
    return folders;
}

QString userDataFolder(const QString& xdgDataHome, const QString& home)
{
    const QString base = QDir::isAbsolutePath(xdgDataHome)
                             ? xdgDataHome
                             : QDir(home).filePath(QStringLiteral(".local/share"));
    return QDir::cleanPath(QDir(base).filePath(QStringLiteral("lotto36x7")));
}

QString createDataFolder(const QString& folder)
{
    const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
    QStringList missing;  // outermost first
    for (QString at = clean; !QFileInfo::exists(at);) {
        missing.prepend(at);
        const QString parent = QFileInfo(at).absolutePath();
        if (parent == at)
            break;
        at = parent;
    }
    for (const QString& at : std::as_const(missing))
        if (::mkdir(QFile::encodeName(at).constData(), 0700) != 0 && errno != EEXIST)
            return QDir::toNativeSeparators(at) + QStringLiteral("：无法新建文件夹：")
                   + systemErrorText(errno);
    return QFileInfo(clean).isDir() ? QString()
                                    : QDir::toNativeSeparators(clean) + QStringLiteral("：不是文件夹");
}

QString installedShareFolder(const QString& programFolder)
{
    return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(LOTTO_SHARE_FROM_BIN)));
}

QString describeFolders(const AppFolders& folders)
{
    return QStringLiteral("mode: %1\ndata: %2\nshare: %3\n")
        .arg(folders.mode == FolderMode::Portable ? QStringLiteral("portable")
                                                  : QStringLiteral("installed"),
             QDir::toNativeSeparators(folders.data), QDir::toNativeSeparators(folders.share));
}

}  // namespace archive
