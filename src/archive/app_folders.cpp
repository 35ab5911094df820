#include "archive/app_folders.h"

#include <QDir>
#include <QFileInfo>

namespace archive {

AppFolders portableFolders(const QString& folder)
{
    const QString absolute = QDir(folder).absolutePath();
    return {FolderMode::Portable, absolute, absolute};
}

AppFolders chooseFolders(const QString& programFolder, const QString& shareFolder,
                         const QString& userDataFolder)
{
    const QFileInfo program(programFolder);
    if (QFileInfo(QDir(programFolder).filePath(QStringLiteral("sound"))).isDir()
        && program.isDir() && program.isWritable())
        return portableFolders(programFolder);
    // A folder that cannot be made shows up later as a save that fails, naming the file.
    QDir().mkpath(userDataFolder);
    return {FolderMode::Installed, QDir(userDataFolder).absolutePath(),
            QDir::cleanPath(QDir(shareFolder).absolutePath())};
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
