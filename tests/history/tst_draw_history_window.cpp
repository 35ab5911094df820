// The draw history window and the check that fills it.
#include "app/main_window.h"
#include "archive/date_time_text.h"
#include "history/draw_history_window.h"
#include "history/prize_amounts_window.h"
#include "support/test_support.h"
#include "widgets/ticket_box.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {
const QString kDraw1 = QStringLiteral("01 02 03 04 05 06 07");
const QString kDraw2 = QStringLiteral("01 02 03 04 10 11 08");
const QString kHistory = kDraw1 + QStringLiteral(" 2026/12/1 20:00:00\r\n") + kDraw2
                         + QStringLiteral(" 2026/12/4 20:00:00\r\n");
const QString kExampleBox = QStringLiteral(
    "01 02 03 04 10 11 07 \r\n01 02 03 04 05 06 08 \r\n20 21 22 ");

QStringList column(const QAbstractItemModel* m, int col)
{
    QStringList out;
    for (int r = 0; r < m->rowCount(); ++r)
        out << m->index(r, col).data().toString();
    return out;
}

void tapRow(QTableView* view, int row)
{
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(row, 1)).center());
}
}  // namespace

class DrawHistoryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void checksAreRememberedNewestFirst();
    void failedHistoryWriteKeepsTheCheckAndTheSave();
    void useDrawFillsTheDrawLine();
    void checkDrawsFillsTheGridAndChangesNothing();
    void deleteDrawAsks_data();
    void deleteDrawAsks();
    void pastedDrawsAreListedExportedAndFoundByACheck();
    void keyedPrizeAmountsAreStoredAndCounted();
    void trendChartShowsTheHistory();

private:
    // The window shown without modality, so that the watcher answers only what it shows.
    DrawHistory1* openWindow();

    std::unique_ptr<StartedForm> m_app;
    ModalWatcher* m_watcher = nullptr;
    Form1* m_form = nullptr;
};

void DrawHistoryWindowTest::init()
{
    archive::setClock([] { return QDateTime(QDate(2026, 12, 8), QTime(9, 5, 1)); });
    m_app = std::make_unique<StartedForm>();
    m_watcher = new ModalWatcher;
    m_form = &m_app->start();
}

void DrawHistoryWindowTest::cleanup()
{
    m_app.reset();
    delete m_watcher;
    archive::setClock({});
}

DrawHistory1* DrawHistoryWindowTest::openWindow()
{
    auto* w = new DrawHistory1(m_form->session(), m_form);
    w->setModal(false);
    w->show();
    return w;
}

void DrawHistoryWindowTest::checksAreRememberedNewestFirst()
{
    Form1& f = *m_form;
    f.Text88->setCrlfText(kExampleBox);
    for (const QString& draw : {kDraw1, kDraw2, kDraw2}) {
        f.Text0->setText(draw + QLatin1Char(' '));
        f.Command1_Click();
    }
    QStringList rows;
    m_watcher->onNext([&](QWidget* w) {
        rows = column(qobject_cast<QTableView*>(child(w, QStringLiteral("DrawList")))->model(), 0);
        w->close();
    });
    trigger(&f, QStringLiteral("drawHistory"));
    QCOMPARE(rows, (QStringList{kDraw2, kDraw1}));
    const QList<QAction*> entries = f.findChild<QMenu*>(QStringLiteral("H3453"))->actions();
    QCOMPARE(entries.indexOf(f.drawHistory), entries.indexOf(f.t34534) + 1);
}

void DrawHistoryWindowTest::failedHistoryWriteKeepsTheCheckAndTheSave()
{
    Form1& f = *m_form;
    QVERIFY(QDir(m_app->folder.path()).mkdir(QStringLiteral("draws.txt")));
    f.Text88->setCrlfText(kExampleBox);
    f.Text0->setText(kDraw1 + QLatin1Char(' '));
    f.Command1_Click();
    const QStringList messages = m_watcher->messages();
    QCOMPARE(messages.size(), 2);
    QVERIFY(messages[0].startsWith(QStringLiteral("中奖提示：")));
    QVERIFY2(messages[1].contains(QStringLiteral("draws.txt")), qPrintable(messages[1]));
    QVERIFY(m_app->folder.read(QStringLiteral("Save00.txt")).startsWith(QStringLiteral("01 02 03 04 10 11 07 ")));
    QVERIFY(!f.isUnsaved());
}

void DrawHistoryWindowTest::useDrawFillsTheDrawLine()
{
    m_app->folder.write(QStringLiteral("draws.txt"), kHistory);
    Form1& f = *m_form;
    DrawHistory1* w = openWindow();
    tapRow(w->DrawList, 1);
    w->UseDraw->click();
    QCOMPARE(f.Text0->text(), kDraw1 + QLatin1Char(' '));
    QCOMPARE(f.NowIsJi2, qint16(7));
    QVERIFY(!w->isVisible());
}

void DrawHistoryWindowTest::checkDrawsFillsTheGridAndChangesNothing()
{
    m_app->folder.write(QStringLiteral("draws.txt"), kHistory);
    Form1& f = *m_form;
    f.Text88->setCrlfText(kExampleBox);
    f.Text0->setText(QStringLiteral("20 21 "));
    const QString saveOK = f.SaveOK;
    DrawHistory1* w = openWindow();
    tapRow(w->DrawList, 0);
    tapRow(w->DrawList, 1);
    tapRow(w->DrawList, 1);  // a second tap unticks
    tapRow(w->DrawList, 1);
    w->CheckDraws->click();
    QVERIFY(m_watcher->messages().isEmpty());

    const QAbstractItemModel* grid = w->ResultGrid->model();
    QCOMPARE(grid->columnCount(), 3);
    QCOMPARE(grid->headerData(1, Qt::Horizontal).toString(), kDraw2 + QStringLiteral("\n2026/12/4 20:00:00"));
    QCOMPARE(grid->headerData(2, Qt::Horizontal).toString(), kDraw1 + QStringLiteral("\n2026/12/1 20:00:00"));
    QCOMPARE(grid->headerData(1, Qt::Vertical).toString(), QStringLiteral("行2"));
    QCOMPARE(column(grid, 0), (QStringList{"01 02 03 04 10 11 07 ", "01 02 03 04 05 06 08 "}));
    QCOMPARE(column(grid, 1), (QStringList{"2等", "5等"}));
    QCOMPARE(column(grid, 2), (QStringList{"5等", "2等"}));
    QVERIFY(w->ResultSummary->toPlainText().contains(QStringLiteral("合计：2期共中奖4次")));

    QCOMPARE(f.Text88->crlfText(), kExampleBox);
    QCOMPARE(f.Text0->text(), QStringLiteral("20 21 "));
    QCOMPARE(f.SaveOK, saveOK);
    QVERIFY(!m_app->folder.exists(QStringLiteral("Save00.txt")));
}

void DrawHistoryWindowTest::deleteDrawAsks_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("No keeps it") << false << QStringList{kDraw2, kDraw1};
    QTest::newRow("Yes removes it") << true << QStringList{kDraw1};
}

void DrawHistoryWindowTest::deleteDrawAsks()
{
    QFETCH(bool, yes);
    QFETCH(QStringList, left);
    m_app->folder.write(QStringLiteral("draws.txt"), kHistory);
    DrawHistory1* w = openWindow();
    tapRow(w->DrawList, 0);
    m_watcher->answer = yes ? QMessageBox::Yes : QMessageBox::No;
    w->DeleteDraw->click();
    QCOMPARE(m_watcher->seen.size(), size_t(1));
    QCOMPARE(m_watcher->seen[0].objectName, QStringLiteral("DeleteDrawQuestion"));
    QVERIFY(m_watcher->seen[0].text.contains(kDraw2));
    QCOMPARE(column(w->DrawList->model(), 0), left);
    QCOMPARE(m_app->folder.read(QStringLiteral("draws.txt")).count(QStringLiteral("\r\n")), left.size());
}

void DrawHistoryWindowTest::pastedDrawsAreListedExportedAndFoundByACheck()
{
    m_app->folder.write(QStringLiteral("draws.txt"), kHistory);
    Form1& f = *m_form;
    DrawHistory1* w = openWindow();
    QGuiApplication::clipboard()->setText(QStringLiteral(
        "期号\t开奖日期\t开奖号码\n2026139\t2026-11-29\t11 12 13 14 15 16 17\n2026140期 01,02,03,04,05,06+07\n"
        "2026141 01 02 03 04 05 06 37\n"));
    w->PasteDraws->click();
    const QStringList messages = m_watcher->messages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains(QStringLiteral("新增1期，开奖记录里已有1期"))
                 && messages[0].contains(QStringLiteral("第4行“2026141 01 02 03 04 05 06 37”：号码37不在01到36之间")),
             qPrintable(messages[0]));
    const QAbstractItemModel* list = w->DrawList->model();
    QCOMPARE(column(list, 0), (QStringList{kDraw2, kDraw1, QStringLiteral("11 12 13 14 15 16 17")}));
    QCOMPARE(column(list, 1), (QStringList{"", "2026140", "2026139"}));
    QCOMPARE(column(list, 2), (QStringList{"2026/12/4 20:00:00", "2026/12/1 20:00:00", "2026-11-29"}));

    w->exportTo(m_app->folder.filePath(QStringLiteral("export.txt")));
    QCOMPARE(m_app->folder.read(QStringLiteral("export.txt")),
             QStringLiteral("2026139 2026-11-29 11 12 13 14 15 16 17\r\n2026140 01 02 03 04 05 06 07\r\n")
                 + kDraw2 + QStringLiteral("\r\n"));
    w->close();

    // A check with an imported draw finds it in the history and adds nothing.
    const QString before = m_app->folder.read(QStringLiteral("draws.txt"));
    f.Text88->setCrlfText(kExampleBox);
    f.Text0->setText(QStringLiteral("11 12 13 14 15 16 17 "));
    f.Command1_Click();
    QCOMPARE(m_app->folder.read(QStringLiteral("draws.txt")), before);
}

void DrawHistoryWindowTest::keyedPrizeAmountsAreStoredAndCounted()
{
    m_app->folder.write(QStringLiteral("draws.txt"), kHistory);
    m_form->Text88->setCrlfText(kExampleBox);
    DrawHistory1* w = openWindow();
    tapRow(w->DrawList, 0);
    m_watcher->onNext([](QWidget* dialog) {
        auto* keyed = static_cast<PrizeAmounts1*>(dialog);
        QTest::mouseClick(keyed->Amount[2], Qt::LeftButton);
        for (int digit : {0, 1, 2, 0, 0, 0, 0})
            keyed->Command3[size_t(digit)]->click();
        keyed->Command4->click();
        keyed->SaveAmounts->click();
    });
    w->PrizeAmounts->click();
    QCOMPARE(m_app->folder.read(QStringLiteral("draws.txt")),
             kDraw1 + QStringLiteral(" 2026/12/1 20:00:00\r\n") + kDraw2 + QStringLiteral(" 2026/12/4 20:00:00 2=12000\r\n"));
    tapRow(w->DrawList, 0);
    w->CheckDraws->click();
    QVERIFY2(w->ResultSummary->toPlainText().contains(QStringLiteral("投注4元，本期中奖：12100元。")),
             qPrintable(w->ResultSummary->toPlainText()));
}

void DrawHistoryWindowTest::trendChartShowsTheHistory()
{
    m_app->folder.write(QStringLiteral("draws.txt"),
                        kHistory + QStringLiteral("11 12 13 14 15 16 17 2026/12/8 20:00:00 2026141\r\n"));
    const QList<QAction*> entries = m_form->findChild<QMenu*>(QStringLiteral("H3453"))->actions();
    QCOMPARE(entries.indexOf(m_form->trendChart), entries.indexOf(m_form->drawHistory) + 1);
    QStringList labels;
    m_watcher->onNext([&](QWidget* w) {
        QCOMPARE(w->objectName(), QStringLiteral("TrendChart1"));
        labels = column(qobject_cast<QTableView*>(child(w, QStringLiteral("TrendTable")))->model(), 0).mid(0, 3);
        w->close();
    });
    trigger(m_form, QStringLiteral("trendChart"));
    QCOMPARE(labels, (QStringList{"2026/12/1", "2026/12/4", "2026141"}));
}

QTEST_MAIN(DrawHistoryWindowTest)
#include "tst_draw_history_window.moc"
