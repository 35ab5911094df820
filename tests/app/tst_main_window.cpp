// Start-up on a slot, the exit guard and saving through the main window.
#include "app/main_window.h"
#include "archive/date_time_text.h"
#include "messages/message_window.h"
#include "support/test_support.h"
#include "tickets/multi_ticket_window.h"
#include "widgets/ticket_box.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_app.reset(); }
    void startUpShowsSlotZeroWithTheMarker();
    void freshFolderStartsEmpty();
    void closingRightAfterStartUpAsksNothing();
    void closingWithChangesAsks_data();
    void closingWithChangesAsks();
    void failedSaveIsReportedAndStillUnsaved();
    void installedFoldersKeepSlotsApartFromTheShare();
    void closingTakesTheOtherWindowsAlong();
    void timerTickAfterADeleteReleasesThePad();
    void multipleTicketJoinsTheBox();

private:
    std::unique_ptr<StartedForm> m_app;
};

void MainWindowTest::init()
{
    m_app = std::make_unique<StartedForm>();
    m_app->folder.write("Save00.txt", "01 02 03 04 05 06 07 \r\n08 09 \r\n");
    m_app->folder.write("t0.txt", "2026/12/1 8:00:00\r\n");
    archive::setClock([] { return QDateTime(QDate(2026, 12, 8), QTime(9, 5, 1)); });
}

void MainWindowTest::startUpShowsSlotZeroWithTheMarker()
{
    Form1& form = m_app->start();
    QCOMPARE(form.Text88->crlfText(), QStringLiteral("01 02 03 04 05 06 07 \r\n08 09 ←"));
    QCOMPARE(form.Text88->textCursor().position(), form.Text88->toPlainText().size() - 1);
    QCOMPARE(form.Label11->text(), QStringLiteral("(数据时间:2026/12/1 8:00:00)"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Orvane彩票36选7对奖器 v" LOTTO_VERSION_TEXT));
    QCOMPARE(form.Label9->text(), QStringLiteral("请用下面按钮输入号码"));
    QCOMPARE(int(form.AllList), 2);
    QCOMPARE(int(form.NowIsJi), 2);
    QCOMPARE(int(form.NowIsJi2), 8);
    QCOMPARE(int(form.Input2W), 999);
    QCOMPARE(form.NowOpenFile, QStringLiteral("Save00.txt"));
    QCOMPARE(form.CurrentSlot->text(), QStringLiteral("存档00"));
    QCOMPARE(form.SaveOK, QStringLiteral("01 02 03 04 05 06 07 \r\n08 09 "));
    for (int i = 1; i <= 36; ++i)
        QVERIFY(!form.num1[i]->isEnabled());
    QVERIFY(!form.Command5->isEnabled());
    QCOMPARE(m_app->cues.played, QStringList{QStringLiteral("\\sound\\欢迎使用彩票对奖器.mp3")});
    // The controls carry their names for anyone driving the window.
    for (const char* name : {"Text0", "Text88", "Label9", "Label11", "num1(36)", "Command5",
                             "Command1", "Command13", "Frame1"})
        QVERIFY2(form.findChild<QWidget*>(name), name);
    for (const char* name : {"open234", "g34435", "newver345", "forme3435"})
        QVERIFY2(form.findChild<QAction*>(name), name);
    // It fits a 1366×768 screen with room for the caption and a task bar.
    QVERIFY(form.minimumSizeHint().width() <= 1366);
    QVERIFY2(form.minimumSizeHint().height() <= 700, qPrintable(QString::number(form.minimumSizeHint().height())));
}

void MainWindowTest::freshFolderStartsEmpty()
{
    StartedForm empty;
    Form1& form = empty.start();
    QCOMPARE(form.Text88->crlfText(), QStringLiteral("←"));
    QCOMPARE(form.Label11->text(), QStringLiteral("(数据时间:)"));
    QVERIFY(!empty.folder.exists("Save00.txt"));  // starting never writes the user's files
}

void MainWindowTest::closingRightAfterStartUpAsksNothing()
{
    ModalWatcher modals(QMessageBox::No);
    Form1& form = m_app->start();
    QVERIFY(form.close());
    QVERIFY(modals.seen.empty());
}

void MainWindowTest::closingWithChangesAsks_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("yes");
    QTest::newRow("slot 0, No keeps the window") << 0 << false;
    QTest::newRow("slot 5, No keeps the window") << 5 << false;
    QTest::newRow("slot 3, Yes closes") << 3 << true;
}

void MainWindowTest::closingWithChangesAsks()
{
    QFETCH(int, slot);
    QFETCH(bool, yes);
    ModalWatcher modals(yes ? QMessageBox::Yes : QMessageBox::No);
    Form1& form = m_app->start();
    form.NowOpenFile = QStringLiteral("Save0%1.txt").arg(slot);
    click(form.Text88);
    pressNumber(form, 10);
    const QString before = form.Text88->crlfText();
    QCOMPARE(form.close(), yes);
    QCOMPARE(modals.seen.size(), size_t(1));
    QCOMPARE(modals.seen[0].title, QStringLiteral("彩票未保存"));
    QCOMPARE(modals.seen[0].text,
             QStringLiteral("系统提示：当前彩票号码没有保存，当前档为“存档0%1”，您真的要强制退出吗？").arg(slot));
    QCOMPARE(m_app->cues.played.last(), QStringLiteral("\\sound\\彩票号未保存.mp3"));
    if (!yes) {
        QVERIFY(form.isVisible());
        QCOMPARE(form.Text88->crlfText(), before);
    }
}

void MainWindowTest::failedSaveIsReportedAndStillUnsaved()
{
    ModalWatcher modals(QMessageBox::No);
    Form1& form = m_app->start();
    // A folder where the data file should be stands for any failed write.
    form.NowOpenFile = QStringLiteral("Save02.txt");
    QVERIFY(QDir(m_app->folder.path()).mkdir("Save02.txt"));
    const QString oldSaveOK = form.SaveOK;
    QString content = QStringLiteral("11 12 13 ");
    QVERIFY(!form.saveallnum(content));
    QCOMPARE(form.SaveOK, oldSaveOK);
    QVERIFY(!form.Label9->text().contains(QStringLiteral("已保存")));
    const QStringList shown = modals.messages();
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown[0].startsWith(QStringLiteral("错误提示：")));
    QVERIFY2(shown[0].contains(QStringLiteral("Save02.txt")), qPrintable(shown[0]));
    QVERIFY2(shown[0].contains(QStringLiteral("请检查文件夹 ") + QDir::toNativeSeparators(m_app->folder.path())),
             qPrintable(shown[0]));
    form.Text88->setCrlfText(content);
    QVERIFY(!form.close());  // still unsaved: the guard asks, No keeps the window
    QCOMPARE(modals.seen.back().title, QStringLiteral("彩票未保存"));
}

void MainWindowTest::installedFoldersKeepSlotsApartFromTheShare()
{
    TestFolder share;
    share.write("low.txt", "规则");
    Form1 form(archive::AppFolders{archive::FolderMode::Installed, m_app->folder.path(), share.path()});
    QCOMPARE(form.SaveOK, QStringLiteral("01 02 03 04 05 06 07 \r\n08 09 "));
    form.LoadLow();
    QCOMPARE(form.Low3, QStringLiteral("规则\r\n"));
    QString content = QStringLiteral("11 12 13 ");
    QVERIFY(form.saveallnum(content));
    QCOMPARE(m_app->folder.read("Save00.txt"), QStringLiteral("11 12 13 \r\n"));
    QVERIFY(!share.exists("Save00.txt"));
    QVERIFY(form.messageWindow().readme1.contains(
        QDir::toNativeSeparators(m_app->folder.filePath("Save00.txt"))));
}

void MainWindowTest::closingTakesTheOtherWindowsAlong()
{
    Form1& form = m_app->start();
    QWidget other;  // a window left open, such as a print document
    other.show();
    QPointer<QWidget> message = &form.messageWindow();
    QVERIFY(form.close());
    QVERIFY(!other.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(message.isNull());  // the secondary windows are unloaded
}

void MainWindowTest::timerTickAfterADeleteReleasesThePad()
{
    Form1& form = m_app->start();
    click(form.Text88);
    form.Command5->click();
    QCOMPARE(int(form.JustPress), -100);
    QVERIFY(!form.num1[1]->isEnabled());
    QVERIFY(!form.Command5->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(form.Command5->isEnabled(), 5000);  // the real 500 ms tick
    for (int i = 1; i <= 36; ++i)
        QVERIFY(form.num1[i]->isEnabled());
    QCOMPARE(int(form.JustPress), -100);
    QVERIFY(!form.Timer1->isActive());
    pressNumber(form, 5);  // a press with -100 pending locks just that button
    QCOMPARE(int(form.JustPress), 5);
    QVERIFY(!form.num1[5]->isEnabled());
}

// The expansion replaces the incomplete last line (08 09) once the user agrees, and the box
// goes on from its counters as after any fill.
void MainWindowTest::multipleTicketJoinsTheBox()
{
    Form1& form = m_app->start();
    ModalWatcher modals(QMessageBox::Yes);
    modals.onNext([](QWidget* window) {
        auto& multi = *qobject_cast<MultiTicket1*>(window);
        multi.Option2[1]->click();
        for (int n : {1, 2, 3, 4, 5, 6, 7})
            multi.num2[size_t(n)]->click();
        multi.Option2[2]->click();
        multi.num2[36]->click();
        multi.ExpandLines->click();
    });
    trigger(&form, QStringLiteral("multiTicket"));
    QCOMPARE(form.Text88->crlfText(), QStringLiteral("01 02 03 04 05 06 07 \r\n01 02 03 04 05 06 36 \r\n"
                                                     "01 02 03 04 05 07 36 \r\n01 02 03 04 06 07 36 \r\n"
                                                     "01 02 03 05 06 07 36 \r\n01 02 04 05 06 07 36 \r\n"
                                                     "01 03 04 05 06 07 36 \r\n02 03 04 05 06 07 36 "));
    QCOMPARE(int(form.AllList), 8);
    QCOMPARE(form.Label9->text(), QStringLiteral("已展开7注到彩票栏，共8行 .."));
    QVERIFY(form.isUnsaved());
    QCOMPARE(modals.seen.size(), size_t(2));
    QCOMPARE(modals.seen[1].objectName, QStringLiteral("IncompleteLineQuestion"));
    click(form.Text88);
    pressNumber(form, 9);
    QVERIFY(form.Text88->crlfText().endsWith(QStringLiteral("07 36 \r\n09 ←")));
    QCOMPARE(int(form.AllList), 9);
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
