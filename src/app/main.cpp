#include "app/main_window.h"
#include "archive/app_folders.h"
#include "widgets/fonts.h"
#include "widgets/qt_chinese.h"
#include "widgets/screen_placement.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTextStream>
#include <cstring>

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

bool hasArgument(int argc, char* argv[], const char* argument)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], argument) == 0)
            return true;
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    // "--folders": print where the files are kept and stop; needs no display.
    if (hasArgument(argc, argv, "--folders")) {
        QCoreApplication app(argc, argv);
        QTextStream(stdout) << archive::describeFolders(programFolders());
        return 0;
    }
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("lotto36x7"));
    fonts::installSubstitutions();
    qtChinese::install();
    screens::fitWindowsToScreen();
    Form1 window(programFolders());
    window.show();
    return app.exec();
}
