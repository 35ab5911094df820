// The help buttons and entries of "功能及说明": which address each link opens, the
// update check's caption, and the rules text read at every click.
#include "app/main_window.h"
#include "messages/link_opener_ui.h"
#include "messages/message_window.h"
#include "support/test_support.h"

#include <QPushButton>
#include <QTest>

namespace {

// Records the addresses instead of opening a browser.
class LinkRecorder final : public links::Opener {
public:
    LinkRecorder() { links::setOpener(this); }
    ~LinkRecorder() override { links::setOpener(nullptr); }
    void open(const QString& address) override { opened << address; }
    QStringList opened;
};

// Clicks a button of the main window or triggers one of its menu entries.
void use(Form1& form, const QString& name)
{
    if (auto* button = form.findChild<QPushButton*>(name))
        button->click();
    else
        trigger(&form, name);
}

// The version as the build's project names it.
const QString kVersion = QStringLiteral(LOTTO_VERSION_TEXT);
const QString kProgram = QStringLiteral("Orvane彩票36选7对奖器v") + kVersion + QStringLiteral("………………");
const QString kFeedbackForm = QStringLiteral("http://www.orvane.com/first02.asp?content=");

}  // namespace

class HelpMenuTest : public QObject {
    Q_OBJECT
private slots:
    void linkEntries_data();
    void linkEntries();
    void rulesTextIsReadAtEveryClick_data();
    void rulesTextIsReadAtEveryClick();
};

void HelpMenuTest::linkEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("caption");
    const QString start = QStringLiteral("Orvane彩票36选7对奖器 v") + kVersion;
    const QString history =
        QStringLiteral("http://www.nanyue-lottery.cn/Lottery/ComputerLottery/c736_history.html");
    QTest::newRow("查询") << "Command6" << history << start;
    QTest::newRow("彩票官网") << "guan23424" << history << start;
    QTest::newRow("作者主页") << "home9879" << "http://www.orvane.com" << start;
    QTest::newRow("我中奖了") << "d34fd"
        << kFeedbackForm + "我彩票中奖了，用的程序名称为：" + kProgram
               + "（方便的话请告诉我您中了几等奖，哪一期，可以的话留下QQ号或者邮箱，"
                 "我中不了奖，听听中奖的人的高兴也好，呵呵呵）&m=#3"
        << start;
    QTest::newRow("意见建议") << "jianyiw3432"
        << kFeedbackForm + "就插件程序ID为43的说两句，程序名称为：" + kProgram
               + "我有建议或者意见，先说我的联系方式：&m=#3"
        << start;
    QTest::newRow("我要订制") << "ding234"
        << kFeedbackForm + "我正在用" + kProgram + "我想订制一个自用小软件，先说我的联系方式是：&m=#3"
        << start;
    QTest::newRow("检查更新") << "newver345"
        << "http://www.orvane.com/showpluspic.asp?id=43&softver=" + kVersion
        << QStringLiteral("Orvane彩票36选7对奖器") + kVersion;
}

void HelpMenuTest::linkEntries()
{
    QFETCH(QString, entry);
    QFETCH(QString, address);
    QFETCH(QString, caption);
    LinkRecorder browser;
    StartedForm app;
    Form1& form = app.start();
    ModalWatcher modals;
    use(form, entry);
    QCOMPARE(browser.opened, QStringList{address});
    QCOMPARE(form.windowTitle(), caption);
    QVERIFY(modals.seen.empty());
}

void HelpMenuTest::rulesTextIsReadAtEveryClick_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("button, then menu") << "Command8" << "h2p09w34";
    QTest::newRow("menu, then button") << "h2p09w34" << "Command8";
}

void HelpMenuTest::rulesTextIsReadAtEveryClick()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    StartedForm app;
    app.folder.write("low.txt", "36选7玩法：\r\nBR    旧规则\r\n");
    Form1& form = app.start();
    ModalWatcher modals;
    use(form, first);
    app.folder.write("low.txt", "36选7玩法：BR    新规则\r\n");
    use(form, second);
    QCOMPARE(modals.messages(), (QStringList{"36选7玩法：\r\n\r\n    旧规则\r\n",
                                             "36选7玩法：\r\n    新规则\r\n"}));
}

QTEST_MAIN(HelpMenuTest)
#include "tst_help_menu.moc"
