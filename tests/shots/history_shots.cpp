#include "shots.h"

#include "app/main_window.h"
#include "history/draw_history_window.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QTableView>
#include <QTest>

void shootHistoryWindows(Form1& form, ShotContext& ctx)
{
    // Four draws in the history, three ticked and checked against the sample box.
    QFile file(QDir(ctx.appFolder).filePath(QStringLiteral("draws.txt")));
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write("05 08 09 15 17 25 31 2026/11/24 21:32:10 2026137 2026-11-24\r\n"
               "01 07 14 25 29 31 32 2026/11/27 21:40:55 2026138 2026-11-27\r\n"
               "01 18 24 25 26 28 30 2026/12/1 21:35:02 2026139 2026-12-01 2=123456\r\n"
               "05 08 14 25 17 29 32 2026/12/4 21:31:47\r\n");
    file.close();
    auto* window = new DrawHistory1(form.session(), &form);
    window->setModal(false);
    window->show();
    QTableView* list = window->DrawList;
    for (int row : {0, 1, 3})
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(row, 1)).center());
    window->CheckDraws->click();
    ctx.shoot(window, QStringLiteral("DrawHistory1"));
    // The report of an import with a draw already there and two lines refused.
    QGuiApplication::clipboard()->setText(QStringLiteral(
        "期号\t开奖日期\t开奖号码\n"
        "2026136\t2026-11-20\t03 09 12 19 27 33 35\n"
        "2026137\t2026-11-24\t05 08 09 15 17 25 31\n"
        "第2026135期 开奖日期：2026年11月17日 开奖号码：02 11 16 22 30 34 特别号：06\n"
        "2026134 2026/11/13 04 10 13 21 28 36 37\n"
        "2026133 01 05 05 18 22 29 30\n"));
    ctx.shootModal(QStringLiteral("import_report"), [window] { window->PasteDraws->click(); });
    window->close();
}
