#include "app/command_line.h"
#include "app/main_window.h"
#include "archive/app_folders.h"
#include "widgets/fonts.h"
#include "widgets/qt_chinese.h"
#include "widgets/screen_placement.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTextStream>

namespace {

// The program's places for its files (an application object must exist).
archive::AppFolders programFolders()
{
    QCoreApplication::setApplicationName(QStringLiteral("lotto36x7"));
    const QString programFolder = QCoreApplication::applicationDirPath();
    return archive::chooseFolders(
        programFolder, archive::installedShareFolder(programFolder),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
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
    Form1 window(programFolders());
    window.show();
    return app.exec();
}
