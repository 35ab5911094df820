// The number pad in the main window: its lock, the caret, one keyed sequence, the clear
// buttons and the keys, and the whole road of a prize check. The pad's rules themselves
// are tested with the core (tickets/tst_ticket_entry).
#include "app/main_window.h"
#include "messages/cue_literals.h"
#include "messages/version.h"
#include "support/test_support.h"
#include "tickets/ticket_text.h"
#include "widgets/pad_line_edit.h"
#include "widgets/ticket_box.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
QString line(const QString& numbers) { return numbers + QLatin1Char(' '); }
}  // namespace

class NumberPadTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void keyingALineAndTheNext();
    void pressLockMovesToTheLastButton();
    void clearButtons();
    void keysInTheLockedBoxesOnlyWarn();
    void modifierKeysAloneAreNotAnswered_data();
    void modifierKeysAloneAreNotAnswered();
    void editsKeepTheTextAndFollowDirectChanges();
    void prizeCheckEndToEnd();
    void checkWithoutTicketsSavesNothing();
    void drawWithErrorsIsCleared();

private:
    std::unique_ptr<StartedForm> m_app;
    Form1* m_form = nullptr;
};

void NumberPadTest::init()
{
    m_app = std::make_unique<StartedForm>();
    m_form = &m_app->start();
}

void NumberPadTest::cleanup()
{
    m_app.reset();
}

void NumberPadTest::keyingALineAndTheNext()
{
    Form1& f = *m_form;
    click(f.Text88);
    QCOMPARE(int(f.Input2W), 88);
    QCOMPARE(f.Label9->text(), QStringLiteral("彩票号码栏 输入数据中 .. (0行)"));
    for (int i = 1; i <= 7; ++i)
        pressNumber(f, i);
    QCOMPARE(f.Text88->crlfText(), line("01 02 03 04 05 06 07") + "←");
    QCOMPARE(f.Label9->text(), QStringLiteral("07 (第7/共7个  第1行)"));
    pressNumber(f, 8);
    QCOMPARE(f.Text88->crlfText(), line("01 02 03 04 05 06 07") + "\r\n08 ←");
    QCOMPARE(f.Label9->text(), QStringLiteral("08 (第1/共7个  第2行)"));
    QCOMPARE(int(f.AllList), 2);
    QCOMPARE(int(f.NowIsJi), 1);
    // The caret waits just before the marker; the widget shows one break per line.
    QCOMPARE(f.Text88->toPlainText(), QStringLiteral("01 02 03 04 05 06 07 \n08 ←"));
    QCOMPARE(f.Text88->textCursor().position(), f.Text88->toPlainText().size() - 1);
    // A delete takes the new line back and locks the whole pad.
    f.Command5->click();
    QCOMPARE(f.Text88->crlfText(), line("01 02 03 04 05 06 07") + "←");
    QCOMPARE(f.Label9->text(), QStringLiteral("删除2行第1个号码 .."));
    QCOMPARE(int(f.AllList), 1);
    QCOMPARE(int(f.NowIsJi), 7);
    QCOMPARE(int(f.JustPress), -100);
    QVERIFY(!f.num1[9]->isEnabled());
    QCOMPARE(f.Text88->textCursor().position(), f.Text88->toPlainText().size() - 1);
    // The draw line: keyed, then its last number deleted.
    f.Timer1_Timer();
    click(f.Text0);
    QCOMPARE(int(f.Input2W), 0);
    for (int i : {1, 2})
        pressNumber(f, i);
    QCOMPARE(f.Label9->text(), QStringLiteral("02 (开奖号码第2/共7个)"));
    f.Timer1_Timer();
    f.Command5->click();
    QCOMPARE(f.Text0->text(), QStringLiteral("01 "));
    QCOMPARE(int(f.NowIsJi2), 1);
}

void NumberPadTest::pressLockMovesToTheLastButton()
{
    Form1& f = *m_form;
    click(f.Text88);
    f.num1[3]->click();
    QVERIFY(!f.num1[3]->isEnabled());
    f.num1[4]->click();  // within the 500 ms
    QVERIFY(f.num1[3]->isEnabled());
    QVERIFY(!f.num1[4]->isEnabled());
    QCOMPARE(int(f.JustPress), 4);
    f.Timer1_Timer();
    QVERIFY(f.num1[4]->isEnabled());
    QCOMPARE(int(f.JustPress), 0);
}

void NumberPadTest::clearButtons()
{
    Form1& f = *m_form;
    click(f.Text88);
    pressNumber(f, 1);
    f.Command2->click();
    QCOMPARE(f.Text88->crlfText(), QString());
    QCOMPARE(f.windowTitle(), QStringLiteral("Orvane彩票36选7对奖器v") + version::text());
    QCOMPARE(f.Label9->text(), QStringLiteral("彩票数据已清除"));
    QCOMPARE(int(f.Input2W), 88);
    click(f.Text0);
    pressNumber(f, 2);
    f.Command3->click();
    QCOMPARE(f.Text0->text(), QString());
    QCOMPARE(int(f.NowIsJi2), 0);
    QCOMPARE(f.windowTitle(), QStringLiteral("Orvane彩票36选7对奖器") + version::text());
}

void NumberPadTest::keysInTheLockedBoxesOnlyWarn()
{
    Form1& f = *m_form;
    ModalWatcher modals;
    const QString before = f.Text88->crlfText();
    QTest::keyClick(f.Text88, Qt::Key_Left);
    QTest::keyClick(f.Text88, Qt::Key_5);
    QCOMPARE(f.Text88->crlfText(), before);
    QCOMPARE(modals.messages().size(), 2);  // every key, arrows included
    QVERIFY(modals.messages()[0].startsWith(QStringLiteral("注意：\r\n    只能点下面号码按钮输入数据")));
    QTest::keyClick(f.Text0, Qt::Key_5);
    QCOMPARE(f.Text0->text(), QString());
    QCOMPARE(modals.messages().size(), 2);  // the draw line only warns in the status line
    QCOMPARE(f.Label9->text(), QStringLiteral("注意：只能点下面号码按钮输入数据!!!"));
    QCOMPARE(m_app->cues.played.count(cues::kUseButtons), 3);
}

void NumberPadTest::modifierKeysAloneAreNotAnswered_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    QTest::newRow("Shift in the ticket box") << "Text88" << int(Qt::Key_Shift);
    QTest::newRow("Ctrl in the ticket box") << "Text88" << int(Qt::Key_Control);
    QTest::newRow("Alt in the draw line") << "Text0" << int(Qt::Key_Alt);
    QTest::newRow("Meta in the draw line") << "Text0" << int(Qt::Key_Meta);
}

void NumberPadTest::modifierKeysAloneAreNotAnswered()
{
    QFETCH(QString, box);
    QFETCH(int, key);
    Form1& f = *m_form;
    ModalWatcher modals;
    const QString status = f.Label9->text();
    m_app->cues.played.clear();
    QTest::keyClick(child(&f, box), Qt::Key(key));
    QVERIFY(modals.seen.empty());
    QVERIFY(m_app->cues.played.isEmpty());
    QCOMPARE(f.Label9->text(), status);
}

void NumberPadTest::editsKeepTheTextAndFollowDirectChanges()
{
    Form1& f = *m_form;
    click(f.Text88);
    // A text set on the widget itself is what the next press works on.
    f.Text88->setPlainText(QStringLiteral("30 31 \n32 "));
    f.NowIsJi = 1;
    f.AllList = 2;
    pressNumber(f, 33);
    QCOMPARE(f.Text88->crlfText(), QStringLiteral("30 31 \r\n32 33 ←"));
    QCOMPARE(f.Text88->toPlainText(), QStringLiteral("30 31 \n32 33 ←"));
}

void NumberPadTest::prizeCheckEndToEnd()
{
    Form1& f = *m_form;
    ModalWatcher modals;
    click(f.Text0);
    for (int i : {1, 2, 3, 4, 5, 6, 7})
        pressNumber(f, i);
    click(f.Text88);
    for (int i : {1, 2, 3, 4, 10, 11, 7, 1, 2, 3, 4, 5, 6, 8, 20, 21, 22})
        pressNumber(f, i);
    f.Command1->click();
    const QStringList shown = modals.messages();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0], QStringLiteral("中奖提示：\r\n   恭喜，您有2组号码中奖哟，行数分别为 \r\n\r\n行1(5奖 100元) \r\n01 02 03 04 10 11 07 "
                                      "\r\n\r\n行2(2奖 70万) \r\n01 02 03 04 05 06 08 \r\n    其中一等奖0个，二等奖1个，三等奖0个，"
                                      "四等奖0个，五等奖1个，六等奖0个，共搜索了2个无错组，1个有错组(含空值组)。"));
    QCOMPARE(m_app->cues.played.last(), cues::kPrize);
    QCOMPARE(f.Text88->crlfText(), line("01 02 03 04 10 11 07") + " \r\n" + line("01 02 03 04 05 06 08")
                                       + " \r\n" + line("20 21 22") + " \r\n");
    QCOMPARE(m_app->folder.read("Save00.txt"), line("01 02 03 04 10 11 07") + "\r\n"
                                               + line("01 02 03 04 05 06 08") + "\r\n" + line("20 21 22") + "\r\n");
    QVERIFY(m_app->folder.exists("t0.txt"));
    QCOMPARE(f.Label9->text(), QStringLiteral("彩票数据已保存 (00存档)"));
    QCOMPARE(f.windowTitle(), QStringLiteral("Orvane彩票36选7对奖器") + version::text());
    QVERIFY(!f.isUnsaved());  // the extra space per line is display only
    // The delete right after it takes the last number, and the last line goes on.
    f.Timer1_Timer();
    f.Command5->click();
    QCOMPARE(f.Label9->text(), QStringLiteral("删除3行第3个号码 .."));
    pressNumber(f, 30);
    QVERIFY2(f.Text88->crlfText().endsWith(QStringLiteral("\r\n20 21 30 ←")), qPrintable(f.Text88->crlfText()));
    QCOMPARE(int(f.NowIsJi), 3);
}

void NumberPadTest::checkWithoutTicketsSavesNothing()
{
    Form1& f = *m_form;
    ModalWatcher modals;
    f.Command2->click();
    f.Command1->click();
    QCOMPARE(modals.messages(), QStringList{QStringLiteral("错误提示：\r\n   请填写至少一组中奖彩票号码。")});
    QVERIFY(!m_app->folder.exists("Save00.txt"));
    QCOMPARE(f.windowTitle(), QStringLiteral("Orvane彩票36选7对奖器") + version::text());
}

void NumberPadTest::drawWithErrorsIsCleared()
{
    Form1& f = *m_form;
    ModalWatcher modals;
    click(f.Text0);
    for (int i : {1, 2, 3})
        pressNumber(f, i);
    click(f.Text88);
    pressNumber(f, 9);
    QString drawWhileShown;
    modals.onNext([&](QWidget* w) {
        drawWhileShown = f.Text0->text();
        w->hide();
    });
    f.Command1->click();
    QCOMPARE(modals.messages().size(), 1);
    QVERIFY(modals.messages()[0].contains(QStringLiteral("开奖号码填写不完整")));
    QCOMPARE(drawWhileShown, QStringLiteral("01 02 03 "));  // seen while its error is read
    QCOMPARE(f.Text0->text(), QString());
    QCOMPARE(int(f.NowIsJi2), 0);
    QCOMPARE(f.Label9->text(), QStringLiteral("开奖号码已全删除 .."));
    QCOMPARE(f.Text88->crlfText(), QStringLiteral("09 "));  // the marker goes, nothing else
    QVERIFY(!m_app->folder.exists("Save00.txt"));
}

QTEST_MAIN(NumberPadTest)
#include "tst_number_pad.moc"
