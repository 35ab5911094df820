#include "app/fonts.h"
#include "app/main_window.h"
#include "app/qt_chinese.h"
#include "app/screen_placement.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    fonts::installSubstitutions();
    qtChinese::install();
    screens::fitWindowsToScreen();
    Form1 window(QCoreApplication::applicationDirPath());
    window.show();
    return app.exec();
}
