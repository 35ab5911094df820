// The message window: "BR" breaks, the ways to dismiss it, and what it shows next time.
#include "app/main_window.h"
#include "messages/message_text.h"
#include "messages/message_window.h"
#include "messages/sound_cues_ui.h"
#include "support/test_support.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTest>

class MessageWindowTest : public QObject {
    Q_OBJECT
private slots:
    void breaks_data();
    void breaks();
    void usageTextNamesTheDefaultFile();
    void emptyMessageIsNotShown();
    void dismissing_data();
    void dismissing();
    void missingSoundFolderIsIgnored();
    void longTextArrivesWhole();
};

void MessageWindowTest::breaks_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("title and paragraph") << "注意：BR    请您点击底下的数字按钮输入！"
                                         << "注意：\r\n    请您点击底下的数字按钮输入！";
    QTest::newRow("empty line") << "aBRBRb" << "a\r\n\r\nb";
    QTest::newRow("lower case stays text") << "a br Br b" << "a br Br b";
    // A path or a line read from a file keeps its own "BR"s, also at its edges.
    QTest::newRow("path with BR") << "文件 " + messages::pathText("/home/BRUCE/BBRR/Save00.txt") + "BR   x"
                                  << "文件 " + QDir::toNativeSeparators("/home/BRUCE/BBRR/Save00.txt") + "\r\n   x";
    QTest::newRow("BR across the edges") << "aB" + messages::asWritten("RbB") + "Rc" << "aBRbBRc";
}

void MessageWindowTest::breaks()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(messages::brToLineBreaks(message), shown);
}

void MessageWindowTest::usageTextNamesTheDefaultFile()
{
    const QString usage = messages::usageText(QStringLiteral("/opt/lotto"));
    QVERIFY(usage.startsWith(QStringLiteral("使用说明：\r\n    本软件用了大字体")));
    QVERIFY(usage.contains(QStringLiteral("(默认") + QDir::toNativeSeparators("/opt/lotto/Save00.txt") + QStringLiteral(")，到了开奖日")));
    QVERIFY(!usage.contains(QStringLiteral("BR")));
}

void MessageWindowTest::emptyMessageIsNotShown()
{
    ShowText1 window(QStringLiteral("/tmp"));
    QString empty;
    window.ShowTextWord(empty);  // would block until dismissed if it were shown
    QVERIFY(!window.isVisible());
}

void MessageWindowTest::dismissing_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("unloads");
    QTest::newRow("space") << "space" << false;
    QTest::newRow("esc") << "esc" << false;
    QTest::newRow("double-click") << "double" << false;
    QTest::newRow("a tap on 关闭") << "tap" << false;
    QTest::newRow("close button") << "close" << true;
}

void MessageWindowTest::dismissing()
{
    QFETCH(QString, how);
    QFETCH(bool, unloads);
    StartedForm app;
    Form1& form = app.start();
    ModalWatcher modals;
    modals.onNext([how](QWidget* w) {
        auto* window = static_cast<ShowText1*>(w);
        if (how == "space")
            QTest::keyClick(window->Text1, Qt::Key_Space);
        else if (how == "esc")
            QTest::keyClick(window->Text1, Qt::Key_Escape);
        else if (how == "double")
            doubleClick(window->Text1);
        else if (how == "tap")
            QTest::mouseClick(child(window, QStringLiteral("CloseButton")), Qt::LeftButton);
        else
            window->close();
    });
    QPointer<ShowText1> first = &form.messageWindow();
    form.showMessage(QStringLiteral("提示：BR    第一条"));
    QCOMPARE(modals.seen.size(), size_t(1));
    QCOMPARE(modals.seen[0].title, QStringLiteral("HELP - (关闭:双击文字/ESC键/空格键)"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(first.isNull(), unloads);
    // Shown again without a new text: the last message, or the usage text after an unload.
    form.messageWindow().showCurrent();
    QCOMPARE(modals.seen.size(), size_t(2));
    QCOMPARE(modals.seen[1].text.startsWith(QStringLiteral("使用说明：")), unloads);
    QCOMPARE(modals.seen[1].text.startsWith(QStringLiteral("提示：\r\n    第一条")), !unloads);
}

void MessageWindowTest::missingSoundFolderIsIgnored()
{
    TestFolder folder;  // no sound/ inside
    cues::play(folder.path(), cues::kWelcome);  // the system player: nothing to play, no error
}

void MessageWindowTest::longTextArrivesWhole()
{
    CueRecorder cues;
    TestFolder folder;
    Form1 form(folder.path());
    ModalWatcher modals;
    modals.onNext([](QWidget* w) { w->hide(); });
    QString message = QStringLiteral("中奖提示：");
    for (int row = 1; row <= 5000; ++row)
        message += QStringLiteral("BR行%1").arg(row);
    form.showMessage(message);
    ShowText1& window = form.messageWindow();
    QTRY_VERIFY_WITH_TIMEOUT(window.holdsWholeText(), 20000);
    QCOMPARE(window.Text1->toPlainText(), messages::brToLineBreaks(message).replace("\r\n", "\n"));
    QScrollBar* bar = window.Text1->verticalScrollBar();
    bar->setValue(bar->maximum());
    const QPoint bottomLeft(4, window.Text1->viewport()->height() - 4);
    QCOMPARE(window.Text1->cursorForPosition(bottomLeft).block().text(), QStringLiteral("行5000"));
}

QTEST_MAIN(MessageWindowTest)
#include "tst_message_window.moc"
