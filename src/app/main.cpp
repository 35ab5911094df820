#include "app/fonts.h"
#include "app/main_window.h"
#include "archive/app_folders.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lotto36x7"));
    QGuiApplication::setDesktopFileName(QStringLiteral("lotto36x7"));
    const QString programFolder = QCoreApplication::applicationDirPath();
    const archive::AppFolders folders = archive::chooseFolders(
        programFolder, archive::installedShareFolder(programFolder),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    // "--folders": print where the files are kept and stop (for install checks).
    if (app.arguments().contains(QStringLiteral("--folders"))) {
        QTextStream(stdout) << archive::describeFolders(folders);
        return 0;
    }
    fonts::installSubstitutions();
    Form1 window(folders);
    window.show();
    return app.exec();
}
