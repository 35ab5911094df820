// Runs the program on a sample folder and writes a PNG of each window.
#include "shots.h"

#include "app/main_window.h"
#include "widgets/fonts.h"
#include "widgets/qt_chinese.h"

#include <QFile>

#include "support/test_support.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    fonts::installSubstitutions();
    qtChinese::install();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    QDir().mkpath(out);
    StartedForm started;
    const TestFolder& folder = started.folder;
    folder.write(QStringLiteral("Save00.txt"),
                 QStringLiteral("05 08 09 15 17 25 32 \r\n01 07 14 25 29 31 32 \r\n"
                                "01 18 24 25 26 28 29 \r\n"));
    folder.write(QStringLiteral("t0.txt"), QStringLiteral("2026/12/7 20:15:03\r\n"));
    QFile::copy(QStringLiteral(LOTTO_APP_DIR "/low.txt"), folder.filePath(QStringLiteral("low.txt")));

    ShotContext ctx;
    ctx.outFolder = out;
    ctx.appFolder = folder.path();
    ctx.shoot = [&](QWidget* w, const QString& name) {
        w->show();
        w->raise();
        for (int i = 0; i < 10; ++i)
            QApplication::processEvents();
        w->grab().save(QDir(out).filePath(name + QStringLiteral(".png")));
    };
    ctx.shootModal = [&](const QString& name, const std::function<void()>& open) {
        QTimer::singleShot(300, [&] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                ctx.shoot(w, name);
                w->hide();
            }
        });
        open();
    };

    Form1& form = started.start();
    shootMainWindows(form, ctx);
    shootArchiveWindows(form, ctx);
    shootGeneratorWindows(form, ctx);
    shootEditingWindows(form, ctx);
    shootPrintingWindows(form, ctx);
    shootScreenSizes(form, ctx);
    shootIcon(form, ctx);
    shootQuestions(form, ctx);
    shootPrintViews(form, ctx);
    shootHistoryWindows(form, ctx);
    shootRefusedSlot(form, ctx);
    shootTicketMarks(form, ctx);
    shootDataFolderQuestions(form, ctx);
    shootTrendChart(form, ctx);
    shootMultiTicket(form, ctx);
    return 0;
}
