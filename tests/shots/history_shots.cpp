#include "shots.h"

#include "app/main_window.h"
#include "widgets/widgets.h"
#include "history/draw_history_window.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTableView>
#include <QTest>

void shootHistoryWindows(Form1& form, ShotContext& ctx)
{
    // Four draws in the history, three ticked and checked against the sample box.
    QFile file(QDir(ctx.appFolder).filePath(QStringLiteral("draws.txt")));
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write("05 08 09 15 17 25 31 2026/11/24 21:32:10\r\n"
               "01 07 14 25 29 31 32 2026/11/27 21:40:55\r\n"
               "01 18 24 25 26 28 30 2026/12/1 21:35:02\r\n"
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
    window->close();
}
