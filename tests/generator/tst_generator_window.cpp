// The generator window through its object names: the digit rules, the keyboard notice,
// the repair timer with its exclusions, restore defaults, the main window's entry and
// whole runs in both modes.
#include "app/main_window.h"
#include "generator/generator_window.h"
#include "messages/cue_literals.h"
#include "messages/version.h"
#include "support/test_support.h"
#include "tickets/ticket_text.h"
#include "widgets/ticket_box.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kDesignCaption = QStringLiteral("生成高效36选7随机号码");

QString textOf(QWidget* root, const QString& name)
{
    auto* box = qobject_cast<QLineEdit*>(child(root, name));
    return box ? box->text() : QStringLiteral("<missing>");
}

// The enabled digits of the pad, as a string such as "0234".
QString enabledDigits(QWidget* root)
{
    QString out;
    for (int d = 0; d <= 9; ++d)
        if (child(root, QStringLiteral("Command3(%1)").arg(d))->isEnabled())
            out += QString::number(d);
    return out;
}

// Runs steps on the window: "click:Name", "dclick:Name", "keys:123" (digit buttons),
// "set:Name=text", "tick" (one timer tick), "expect:Name=text". Returns what failed.
QString runSteps(AutoCode1& gen, const QStringList& steps)
{
    for (const QString& step : steps) {
        const QString arg = step.section(':', 1);
        const QString name = arg.section('=', 0, 0);
        if (step.startsWith("click:"))
            click(child(&gen, arg));
        else if (step.startsWith("dclick:"))
            doubleClick(child(&gen, arg));
        else if (step.startsWith("keys:"))
            for (QChar d : arg)
                click(child(&gen, QStringLiteral("Command3(%1)").arg(d)));
        else if (step.startsWith("set:"))
            qobject_cast<QLineEdit*>(child(&gen, name))->setText(arg.section('=', 1));
        else if (step == "tick")
            gen.Timer1_Timer();
        else if (step.startsWith("expect:") && textOf(&gen, name) != arg.section('=', 1))
            return step + " but it is \"" + textOf(&gen, name) + '"';
    }
    return QString();
}

// The non-empty lines of a text (the data file adds a line end of its own).
QStringList linesOf(const QString& text)
{
    QStringList lines = tickets::splitLines(text);
    lines.removeAll(QString());
    return lines;
}

// Seven different two-digit numbers from 01 to 36, each followed by a space.
bool isDistinctLine(const QString& line)
{
    QSet<int> seen;
    for (int i = 0; i < 7 && line.size() == 21; ++i) {
        const int n = line.mid(i * 3, 2).toInt();
        if (tickets::isNumberField(line.mid(i * 3, 2)) && line[i * 3 + 2] == ' ' && n >= 1
            && n <= 36)
            seen.insert(n);
    }
    return seen.size() == 7;
}

}  // namespace

class GeneratorWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void digitRules_data();
    void digitRules();
    void keysInTheFieldsOnlyWarn_data();
    void keysInTheFieldsOnlyWarn();
    void timerRefillsAndRepairs_data();
    void timerRefillsAndRepairs();
    void restoreDefaultsAndUnload();
    void entryExplainsAndWarns_data();
    void entryExplainsAndWarns();
    void automaticRunThroughTheEntry();
    void customRunShowsProgressAndRestoresDefaults();
    void customRunNamesTheLinesThatBreakTheLimits();
    void runCannotBeReentered();
    void failedSaveIsNotReportedAsSaved();
    void countsBeyondTheRangeAreNoted_data();
    void countsBeyondTheRangeAreNoted();
    void strayEnterDoesNothing();

private:
    AutoCode1& gen() { return m_form->generatorWindow(); }
    int cueCount(const QString& cue) const { return int(m_app->cues.played.count(cue)); }

    std::unique_ptr<StartedForm> m_app;
    ModalWatcher* m_watcher = nullptr;
    Form1* m_form = nullptr;
};

void GeneratorWindowTest::initTestCase()
{
    // The progress captions use the regional number format; fix it for the checks.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void GeneratorWindowTest::init()
{
    m_app = std::make_unique<StartedForm>();
    m_watcher = new ModalWatcher;
    m_form = &m_app->start();
}

void GeneratorWindowTest::cleanup()
{
    m_app.reset();
    delete m_watcher;
}

void GeneratorWindowTest::digitRules_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<int>("orderNotices");
    QTest::newRow("low bound: the click empties it, 1-9")
        << QStringList{"click:Text21", "expect:Text21="} << "123456789" << 0;
    QTest::newRow("low bound: 3 leaves 0-5")
        << QStringList{"click:Text21", "keys:3"} << "012345" << 0;
    QTest::newRow("low bound: 35 is complete")
        << QStringList{"click:Text21", "keys:35", "expect:Text21=35"} << "" << 0;
    QTest::newRow("low bound: 7 is complete, 0 cannot start it")
        << QStringList{"click:Text71", "keys:07", "expect:Text71=7"} << "" << 0;
    QTest::newRow("high bound after the low bound 12: 1-3")
        << QStringList{"set:Text11=12", "click:Text12", "expect:Text12="} << "123" << 0;
    QTest::newRow("high bound 10 after the low bound 12: notice")
        << QStringList{"set:Text11=12", "click:Text12", "keys:10", "expect:Text12=10"} << ""
        << 1;
    QTest::newRow("high bound with an empty low bound: it becomes 1")
        << QStringList{"set:Text11=", "click:Text12", "expect:Text11=1"} << "123456789" << 0;
    QTest::newRow("high bound: 3 leaves 0-6, 36 can be keyed")
        << QStringList{"click:Text52", "keys:3"} << "0123456" << 0;
    QTest::newRow("high bound equal to the low bound 35: notice")
        << QStringList{"set:Text61=35", "click:Text62", "keys:35", "expect:Text62=35"} << ""
        << 1;
    QTest::newRow("limit: 0, 2, 3, 4") << QStringList{"click:NumSet2"} << "0234" << 0;
    QTest::newRow("limit: one digit only")
        << QStringList{"click:NumSet1", "keys:34", "expect:NumSet1=3"} << "" << 0;
    QTest::newRow("line count: any digits")
        << QStringList{"click:AllBuy1", "keys:01234", "expect:AllBuy1=01234"} << "0123456789"
        << 0;
    QTest::newRow("budget: a double-click selects it too")
        << QStringList{"dclick:ErrForNum", "keys:999", "expect:ErrForNum=999"} << "0123456789"
        << 0;
}

void GeneratorWindowTest::digitRules()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, enabled);
    QFETCH(int, orderNotices);
    gen().show();
    const QString failure = runSteps(gen(), steps);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(enabledDigits(&gen()), enabled);
    QCOMPARE(m_watcher->messages(),
             QStringList(orderNotices, "注意：\r\n    您输入的第一个数字应小于第二个数字！"));
}

void GeneratorWindowTest::keysInTheFieldsOnlyWarn_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("cue");
    QTest::newRow("line count: notice, then the cue") << "AllBuy1" << true;
    QTest::newRow("low bound: notice only") << "Text11" << false;
}

void GeneratorWindowTest::keysInTheFieldsOnlyWarn()
{
    QFETCH(QString, field);
    QFETCH(bool, cue);
    gen().show();
    const QString before = textOf(&gen(), field);
    int cuesAtNotice = -1;
    m_watcher->onNext([&](QWidget* w) {
        cuesAtNotice = cueCount(cues::kUseButtons);
        w->hide();
    });
    QTest::keyClick(child(&gen(), field), Qt::Key_5);
    QCOMPARE(m_watcher->messages(), QStringList{"注意：\r\n    请您点击底下的数字按钮输入！"});
    QCOMPARE(cuesAtNotice, 0);  // the cue follows the dismissed notice
    QCOMPARE(cueCount(cues::kUseButtons), cue ? 1 : 0);
    QCOMPARE(textOf(&gen(), field), before);
}

void GeneratorWindowTest::timerRefillsAndRepairs_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("an emptied line count is refilled once another field is chosen")
        << QStringList{"click:AllBuy1", "tick", "expect:AllBuy1=", "click:Text11", "tick",
                       "expect:AllBuy1=25", "expect:Text11="};
    QTest::newRow("the row being keyed is left alone")
        << QStringList{"set:Text31=20", "click:Text32", "tick", "expect:Text32=",
                       "expect:Text31=20", "click:Text11", "tick", "expect:Text32=36"};
    QTest::newRow("a high bound keyed below its low bound is repaired after leaving it")
        << QStringList{"click:Text31", "keys:20", "click:Text32", "keys:2", "tick",
                       "expect:Text32=2", "click:NumSet1", "tick", "expect:Text32=36",
                       "expect:Text31=20"};
    QTest::newRow("inverted and equal rows are repaired")
        << QStringList{"set:Text21=20", "set:Text22=10", "set:Text61=35", "set:Text62=35",
                       "tick", "expect:Text22=36", "expect:Text21=20", "expect:Text62=36"};
    QTest::newRow("every empty field gets its default")
        << QStringList{"set:Text41=", "set:Text72=", "set:NumSet1=", "set:ErrForNum=", "tick",
                       "expect:Text41=1", "expect:Text72=36", "expect:NumSet1=0",
                       "expect:ErrForNum=100"};
}

void GeneratorWindowTest::timerRefillsAndRepairs()
{
    QFETCH(QStringList, steps);
    gen().show();
    QVERIFY(!gen().Timer1->isActive());
    const QString failure = runSteps(gen(), steps);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(gen().Timer1->isActive(), steps.join(' ').contains("click:"));
}

void GeneratorWindowTest::restoreDefaultsAndUnload()
{
    AutoCode1& g = gen();
    g.show();
    runSteps(g, {"click:Option1(1)", "click:C1(0)", "click:C1(6)", "set:AllBuy1=3",
                 "set:Text31=20", "set:NumSet2=2", "set:ErrForNum=7", "click:Text42"});
    g.setWindowTitle(QStringLiteral("正在生成 40%"));
    click(child(&g, QStringLiteral("Command2")));
    QCOMPARE(g.windowTitle(), kDesignCaption);
    QVERIFY(g.Option1[0]->isChecked());
    for (QCheckBox* box : g.C1)
        QVERIFY(!box->isChecked());
    QCOMPARE(g.ToText1, qint16(0));
    QCOMPARE(enabledDigits(&g), QString());
    QVERIFY(!g.Timer1->isActive());
    const QStringList defaults{"expect:AllBuy1=25", "expect:Text31=1", "expect:Text42=36",
                               "expect:NumSet2=0", "expect:ErrForNum=100"};
    QString failure = runSteps(g, defaults);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));

    // The close button unloads the window: the next opening starts from the design texts.
    QPointer<AutoCode1> first = &g;
    runSteps(g, {"set:AllBuy1=7", "set:Text31=5", "set:ErrForNum=3"});
    g.close();
    QTRY_VERIFY(first.isNull());
    failure = runSteps(gen(), defaults);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void GeneratorWindowTest::entryExplainsAndWarns_data()
{
    QTest::addColumn<bool>("unsaved");
    QTest::newRow("saved data: no warning") << false;
    QTest::newRow("unsaved data: caption and cue") << true;
}

void GeneratorWindowTest::entryExplainsAndWarns()
{
    QFETCH(bool, unsaved);
    m_form->Text88->setCrlfText(QStringLiteral("01 02 03 04 05 06 07 "));
    if (!unsaved)
        m_form->SaveOK = m_form->Text88->crlfText();
    click(m_form->Command12);
    QCOMPARE(int(m_watcher->seen.size()), 2);
    const SeenModal& message = m_watcher->seen[0];
    QCOMPARE(message.objectName, QStringLiteral("ShowText1"));
    QVERIFY(message.text.startsWith("随机彩票码：(关闭本说明后进入界面)\r\n"));
    QVERIFY2(message.text.contains("自动覆盖保存在 "
                                   + QDir::toNativeSeparators(m_app->folder.filePath("Save00.txt"))
                                   + " 。\r\n    购彩点的随机码"),
             qPrintable(message.text));
    QCOMPARE(m_watcher->seen[1].objectName, QStringLiteral("AutoCode1"));
    QCOMPARE(m_watcher->seen[1].title,
             unsaved ? QStringLiteral("生成随机号码  注意：彩票号码未保存..") : kDesignCaption);
    QCOMPARE(cueCount(cues::kUnsaved), unsaved ? 1 : 0);
    QCOMPARE(m_form->Text88->crlfText(), QStringLiteral("01 02 03 04 05 06 07 "));
}

void GeneratorWindowTest::automaticRunThroughTheEntry()
{
    m_form->Text88->setCrlfText(QStringLiteral("01 02 03 04 05 06 07 "));  // unsaved
    m_watcher->onNext([](QWidget* w) { w->hide(); });                     // the explanation
    m_watcher->onNext([](QWidget* w) { click(child(w, QStringLiteral("Command1"))); });
    click(m_form->Command12);

    const QString text = m_form->Text88->crlfText();
    const QStringList lines = linesOf(text);
    QCOMPARE(int(lines.size()), 25);
    for (const QString& line : lines)
        QVERIFY2(isDistinctLine(line), qPrintable(line));
    QVERIFY(text.endsWith(tickets::kCrLf));
    QCOMPARE(linesOf(m_app->folder.read(QStringLiteral("Save00.txt"))), lines);
    QCOMPARE(m_form->Label9->text(), QStringLiteral("普通随机代码已成功生成25组，已保存"));
    QCOMPARE(m_form->NowIsJi, qint16(7));
    QCOMPARE(m_form->AllList, qint16(25));
    QCOMPARE(m_form->windowTitle(), version::clearedCaption());
    QCOMPARE(m_app->cues.played.last(), cues::kGenerated);
    QVERIFY(!gen().isVisible());

    // Opened again: no warning, and the automatic run's caption is still there.
    m_watcher->clear();
    click(m_form->Command12);
    QCOMPARE(int(m_watcher->seen.size()), 2);
    QCOMPARE(m_watcher->seen[1].title, QStringLiteral("正在生成 1%"));
    QCOMPARE(cueCount(cues::kUnsaved), 1);  // only the first opening warned
}

void GeneratorWindowTest::customRunNamesTheLinesThatBreakTheLimits()
{
    AutoCode1& g = gen();
    g.show();
    runSteps(g, {"click:Option1(1)", "set:AllBuy1=3", "set:ErrForNum=0"});
    click(child(&g, QStringLiteral("Command1")));
    QCOMPARE(m_form->Text88->crlfText(), QStringLiteral("01 01 01 01 01 01 01 \r\n").repeated(3));
    QCOMPARE(m_form->Label9->text(),
             QStringLiteral("已生成并保存，但有3组含重复或相邻号码，建议加大重新获取次数 .."));
}

void GeneratorWindowTest::customRunShowsProgressAndRestoresDefaults()
{
    AutoCode1& g = gen();
    g.show();
    runSteps(g, {"click:Option1(1)", "click:AllBuy1", "keys:3", "click:NumSet1", "keys:3",
                 "click:Text11", "keys:5", "click:C1(2)"});
    QSignalSpy captions(&g, &QWidget::windowTitleChanged);
    click(child(&g, QStringLiteral("Command1")));

    QStringList seen;
    for (const QList<QVariant>& args : captions)
        seen << args.at(0).toString();
    QCOMPARE(seen, QStringList({"正在生成 1%", "正在生成 33.33%", "正在生成 66.67%",
                                "正在生成 100.00%", kDesignCaption}));
    const QStringList lines = linesOf(m_form->Text88->crlfText());
    QCOMPARE(int(lines.size()), 3);
    for (const QString& line : lines)
        QVERIFY2(line.left(2).toInt() >= 5, qPrintable(line));  // the first row was 5-36
    QCOMPARE(linesOf(m_app->folder.read(QStringLiteral("Save00.txt"))), lines);
    QCOMPARE(m_form->Label9->text(), QStringLiteral("随机码成功生成并保存，打印拿去购买吧 .."));
    QCOMPARE(m_form->AllList, qint16(3));
    QVERIFY(!g.isVisible());

    const QString failure = runSteps(
        g, {"expect:AllBuy1=25", "expect:Text11=1", "expect:NumSet1=0", "expect:ErrForNum=100"});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(g.Option1[0]->isChecked() && !g.C1[2]->isChecked() && !g.Timer1->isActive());
    QVERIFY(g.Command1->isEnabled() && g.Command2->isEnabled());
}

void GeneratorWindowTest::runCannotBeReentered()
{
    // A click that arrives while a run paints its progress must not start another run.
    AutoCode1& g = gen();
    runSteps(g, {"click:Option1(1)", "set:AllBuy1=3"});
    int reentries = 0;
    connect(&g, &QWidget::windowTitleChanged, this, [&] {
        if (reentries++ < 2)
            g.Command1_Click();
    });
    g.Command1_Click();
    QCOMPARE(cueCount(cues::kGenerated), 1);
    QCOMPARE(int(linesOf(m_form->Text88->crlfText()).size()), 3);
}

void GeneratorWindowTest::failedSaveIsNotReportedAsSaved()
{
    // A folder in the data file's place: the save cannot be made, the lines stay.
    QVERIFY(QDir(m_app->folder.path()).mkdir(QStringLiteral("Save00.txt")));
    for (bool custom : {false, true}) {
        m_watcher->clear();
        gen().Option1[custom ? 1 : 0]->setChecked(true);
        gen().Command1_Click();
        QCOMPARE(int(linesOf(m_form->Text88->crlfText()).size()), 25);
        QVERIFY(m_form->isUnsaved());
        QCOMPARE(m_form->Label9->text(), custom ? QStringLiteral("自定分散随机码已生成25组，但未能保存")
                                               : QStringLiteral("普通随机代码已生成25组，但未能保存"));
        QCOMPARE(int(m_watcher->messages().size()), 1);
        QVERIFY(m_watcher->messages().first().contains(QStringLiteral("没有保存")));
    }
}

void GeneratorWindowTest::countsBeyondTheRangeAreNoted_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<bool>("noted");
    QTest::newRow("line count 32767") << "AllBuy1" << "32767" << false;
    QTest::newRow("line count 40000") << "AllBuy1" << "40000" << true;
    QTest::newRow("budget 99999999") << "ErrForNum" << "99999999" << true;
}

void GeneratorWindowTest::countsBeyondTheRangeAreNoted()
{
    QFETCH(QString, field);
    QFETCH(QString, digits);
    QFETCH(bool, noted);
    gen().show();
    runSteps(gen(), {"click:" + field, "keys:" + digits});
    QCOMPARE(textOf(&gen(), field), digits);  // the keyed digits stay; they read as 32767
    QCOMPARE(gen().windowTitle().contains(QStringLiteral("32767")), noted);
}

void GeneratorWindowTest::strayEnterDoesNothing()
{
    // A dialog clicks its default button on Enter; this one has none.
    AutoCode1& g = gen();
    g.show();
    g.setWindowTitle(QStringLiteral("正在生成 1%"));
    g.C1[3]->setFocus();
    QTest::keyClick(g.C1[3], Qt::Key_Return);
    QTest::keyClick(g.C1[3], Qt::Key_Enter);
    QCOMPARE(cueCount(cues::kGenerated), 0);
    QCOMPARE(g.windowTitle(), QStringLiteral("正在生成 1%"));  // no restore defaults either
    QVERIFY(g.isVisible());
}

QTEST_MAIN(GeneratorWindowTest)
#include "tst_generator_window.moc"
