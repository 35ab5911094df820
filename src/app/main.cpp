#include "app/command_line.h"
#include "app/main_window.h"
#include "archive/app_folders.h"
#include "archive/data_folder_start_ui.h"
#include "widgets/fonts.h"
#include "widgets/large_type.h"
#include "widgets/qt_chinese.h"
#include "widgets/screen_placement.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

namespace {

// The program's places for its files (an application object must exist). Creates nothing.
archive::AppFolders programFolders()
{
    QCoreApplication::setApplicationName(QStringLiteral("lotto36x7"));
    const QString programFolder = QCoreApplication::applicationDirPath();
    return archive::chooseFolders(
        programFolder, archive::installedShareFolder(programFolder),
        archive::userDataFolder(qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath()));
}

// Makes the data folder ready before the main window reads it: creates it (for its owner
// alone), claims it for this copy, offers the slots left beside the program. False when
// this is a second copy that the user chose to end.
bool settleDataFolder(const archive::AppFolders& folders, archive::FolderLock& lock)
{
    // A folder that cannot be made shows up later as a save that fails, naming the file.
    if (folders.mode == archive::FolderMode::Installed)
        archive::createDataFolder(folders.data);
    if (startup::claimDataFolder(lock, folders.data) == startup::FolderAccess::Quit)
        return false;
    startup::offerSlotsBesideProgram(folders);
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    const commandLine::Request request = commandLine::parse(commandLine::arguments(argc, argv),
                                                            commandLine::displayEnvironment());
    if (request.action == commandLine::Action::Answer)
        return commandLine::answer(request);
    // "--folders": print where the files are kept and stop; needs no display.
    if (request.action == commandLine::Action::ShowFolders) {
        QCoreApplication app(argc, argv);
        QTextStream(stdout) << archive::describeFolders(programFolders());
        return 0;
    }
    commandLine::endCleanlyIfWindowSystemFails();
    QApplication app(argc, argv);
    commandLine::windowSystemStarted();
    QGuiApplication::setDesktopFileName(QStringLiteral("lotto36x7"));
    fonts::installSubstitutions();
    qtChinese::install();
    screens::fitWindowsToScreen();
    // Before the first question: a second copy and the slots beside the program ask at once.
    largeType::install();
    const archive::AppFolders folders = programFolders();
    archive::FolderLock lock(folders.data);  // held until the program ends
    if (!settleDataFolder(folders, lock))
        return 0;
    Form1 window(folders);
    window.show();
    return app.exec();
}
