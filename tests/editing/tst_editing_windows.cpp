// The editing tools through the main window: free-edit mode with its reformat, the row
// replace editor keyed on its own digit pad, and the counter dialog.
#include "app/main_window.h"
#include "editing/count_dialog_window.h"
#include "editing/row_editor_window.h"
#include "messages/cue_literals.h"
#include "support/test_support.h"
#include "tickets/ticket_text.h"
#include "widgets/ticket_box.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {
const QString A = QStringLiteral("01 05 12 18 23 30 07 ");
const QString B = QStringLiteral("02 09 14 20 26 31 36 ");
const QString N = QStringLiteral("04 10 16 22 28 34 35 ");
const QString CR = QStringLiteral("\r\n");

// The digits of the editor's pad that are enabled, as a string.
QString offered(editX1& e)
{
    QString out;
    for (int k = 0; k <= 9; ++k)
        if (e.Command3[k]->isEnabled())
            out += QString::number(k);
    return out;
}

// Keys digits on the editor's pad; a disabled digit does nothing, as for a user.
void key(editX1& e, const QString& digits)
{
    for (QChar d : digits)
        e.Command3[d.digitValue()]->click();
}
}  // namespace

class EditingWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void freeEditRepairsAPastedText();
    void freeEditWithoutLineBreakOrActiveBox();
    void nextNumberAfterFreeEdit_data();
    void nextNumberAfterFreeEdit();
    void menuShowsTheEditorAfterItsExplanation();
    void replaceByRowOnThePad();
    void replaceByContentOnThePad();
    void fieldsTakeNoTyping();
    void counterDialog_data();
    void counterDialog();
    void counterDialogShowsTheCountersOfNow();
    void counterDialogPad_data();
    void counterDialogPad();

private:
    // Resets and shows the editor, runs `steps` in it, then closes it with its close button.
    void inEditor(const std::function<void(editX1&)>& steps);

    std::unique_ptr<StartedForm> m_app;
    ModalWatcher* m_watcher = nullptr;
    Form1* m_form = nullptr;
};

void EditingWindowsTest::init()
{
    m_app = std::make_unique<StartedForm>();
    // Line 3 is a second copy of line 2, as when a ticket was bought twice.
    m_app->folder.write(QStringLiteral("Save00.txt"), A + CR + B + CR + B + CR);
    m_watcher = new ModalWatcher;
    m_form = &m_app->start();
    m_app->cues.played.clear();
}

void EditingWindowsTest::cleanup()
{
    m_app.reset();
    delete m_watcher;
}

void EditingWindowsTest::inEditor(const std::function<void(editX1&)>& steps)
{
    // Reset as the menu does, but shown without modality: the watcher then answers only
    // the messages the editor shows.
    editX1& e = m_form->rowEditorWindow();
    e.Command1_Click();
    e.setModal(false);
    e.show();
    steps(e);
    e.close();
}

void EditingWindowsTest::menuShowsTheEditorAfterItsExplanation()
{
    Form1& f = *m_form;
    f.rowEditorWindow().setWindowTitle(QStringLiteral("stale"));
    f.rowEditorWindow().close();  // unloaded: the menu loads it again
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_watcher->onNext([](QWidget* w) { w->hide(); });
    m_watcher->onNext([](QWidget* w) { w->close(); });
    trigger(&f, QStringLiteral("editX"));
    QCOMPARE(m_watcher->seen.size(), size_t(2));
    QVERIFY(m_watcher->seen[0].text.startsWith(QStringLiteral("修改第X行数据：")));
    QCOMPARE(m_watcher->seen[1].objectName, QStringLiteral("editX1"));
    QCOMPARE(m_watcher->seen[1].title, QStringLiteral("修改第X行(组)数据 当前有3行(组)"));
}

void EditingWindowsTest::freeEditRepairsAPastedText()
{
    Form1& f = *m_form;
    click(f.Text88);
    trigger(&f, QStringLiteral("g34435"));
    QVERIFY(f.g34435->isChecked());
    QVERIFY(!f.Text88->isLocked());
    QVERIFY(!f.num1[1]->isEnabled() && !f.num1[36]->isEnabled() && !f.Command5->isEnabled());
    QVERIFY(!f.Command1->isEnabled());
    QCOMPARE(f.Label9->text(), QStringLiteral("数据栏可直接编辑，1行7数值 每数值后1空格"));
    QCOMPARE(m_watcher->messages().size(), 1);
    QVERIFY(m_watcher->messages().first().startsWith(QStringLiteral("提示：")));

    // The user replaces everything with a pasted text full of faults.
    const QString pasted = A + CR + "02 09 14 " + CR + "02 09 14 20 26 31 37 " + CR
                           + "x5 09 14 20 26 31 36 " + CR + "01 05 12 18 23 30 07" + CR + CR + B;
    QApplication::clipboard()->setText(pasted);
    f.Text88->selectAll();
    f.Text88->paste();
    QCOMPARE(f.Text88->crlfText(), pasted);

    trigger(&f, QStringLiteral("g34435"));
    const QString canonical = A + CR + "02 09 14 20 26 31 18 " + CR + "18 09 14 20 26 31 36 " + CR
                              + A + CR + B + CR;
    QCOMPARE(f.Text88->crlfText(), canonical + "←");
    QCOMPARE(int(f.AllList), 5);
    QCOMPARE(int(f.NowIsJi), 7);
    QVERIFY(!f.g34435->isChecked());
    QVERIFY(f.Text88->isLocked());
    QVERIFY(f.num1[1]->isEnabled() && f.num1[36]->isEnabled() && f.Command5->isEnabled());
    QVERIFY(f.Command1->isEnabled());
    QCOMPARE(f.Label9->text(), QStringLiteral("彩票数据编辑功能已关闭/数据已格式化"));
    QCOMPARE(m_watcher->messages().size(), 2);
    const QString report = m_watcher->messages().last();
    QVERIFY(report.startsWith(QStringLiteral("错误报告：")));
    QVERIFY(report.contains(QStringLiteral("2行有错误，每行应该7个数字")));
    QVERIFY(report.contains(QStringLiteral("3行的第7位有错，须在 1-36 的范围")));
    QVERIFY(report.contains(QStringLiteral("4行的第1位有错，格式是1个两位数字")));

    // On and off again: nothing more changes and nothing is reported.
    trigger(&f, QStringLiteral("g34435"));
    trigger(&f, QStringLiteral("g34435"));
    QCOMPARE(f.Text88->crlfText(), canonical + "←");
    QCOMPARE(int(f.AllList), 5);
    QCOMPARE(m_watcher->messages().size(), 3);  // only the notice of switching on

    // The pad goes on after the last line.
    pressNumber(f, 9);
    QCOMPARE(f.Text88->crlfText(), canonical + "09 ←");
    QCOMPARE(int(f.AllList), 6);
}

void EditingWindowsTest::freeEditWithoutLineBreakOrActiveBox()
{
    Form1& f = *m_form;
    f.Text88->setCrlfText(QStringLiteral("01 02 ←"));
    f.AllList = 4;
    f.NowIsJi = 2;
    f.g34435_Click();  // called directly, as from code: the same two directions
    QVERIFY(f.g34435->isChecked());
    f.g34435_Click();
    QVERIFY(!f.g34435->isChecked());
    // Not validated: only the marker goes, the counters follow the text, no report.
    QCOMPARE(f.Text88->crlfText(), QStringLiteral("01 02 "));
    QCOMPARE(int(f.AllList), 1);
    QCOMPARE(int(f.NowIsJi), 2);
    QCOMPARE(m_watcher->messages().size(), 1);
    // No box was chosen: the pad stays off until one is clicked.
    QVERIFY(!f.num1[1]->isEnabled() && !f.Command5->isEnabled());
    QVERIFY(f.Command1->isEnabled());
}

void EditingWindowsTest::nextNumberAfterFreeEdit_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");  // once 08 is pressed
    QTest::addColumn<int>("lines");
    QTest::newRow("a whole line without its space")
        << "01 02 03 04 05 06 07" << "01 02 03 04 05 06 07 " + CR + "08 ←" << 2;
    QTest::newRow("a short line without its space") << "01 02 03" << "01 02 03 08 ←" << 1;
    QTest::newRow("commas") << "1,2,3" << "01 02 03 08 ←" << 1;
    QTest::newRow("lines") << A + CR + B << A + CR + B + CR + "08 ←" << 3;
    QTest::newRow("nothing") << "" << "08 ←" << 1;
}

void EditingWindowsTest::nextNumberAfterFreeEdit()
{
    QFETCH(QString, pasted);
    Form1& f = *m_form;
    click(f.Text88);
    f.g34435_Click();
    f.Text88->setCrlfText(pasted);
    f.g34435_Click();
    pressNumber(f, 8);
    QTEST(f.Text88->crlfText(), "after");
    QTEST(int(f.AllList), "lines");
    QCOMPARE(m_watcher->messages().size(), 1);  // the notice of switching on, no report
}

void EditingWindowsTest::replaceByRowOnThePad()
{
    Form1& f = *m_form;
    QVERIFY(!f.isUnsaved());
    inEditor([&](editX1& e) {
        click(e.Text1);
        QCOMPARE(offered(e), QStringLiteral("123456789"));
        key(e, QStringLiteral("2"));
        QCOMPARE(e.Text1->text(), QStringLiteral("2"));
        QCOMPARE(offered(e), QString());  // 20 and more are beyond three lines
        QVERIFY(!e.Text2->isEnabled());
        QVERIFY(!e.Command2->isEnabled());
        click(e.Text3);
        QCOMPARE(offered(e), QStringLiteral("0123"));
        key(e, QStringLiteral("04101622283435"));
        QCOMPARE(e.Text3->text(), N);
        QCOMPARE(offered(e), QString());
        QVERIFY(e.Command2->isEnabled());
        e.Command2->click();
        // Success resets the editor for the next line.
        QVERIFY(e.Text1->text().isEmpty() && e.Text3->text().isEmpty());
        QVERIFY(!e.Command2->isEnabled());
    });
    QCOMPARE(f.Text88->crlfText(), A + CR + N + CR + B + "←");
    QVERIFY(m_watcher->messages().last().startsWith(QStringLiteral("替换执行成功：")));
    QVERIFY(f.isUnsaved());
    QCOMPARE(m_app->cues.played, QStringList{cues::kUnsaved});  // closed with unsaved data
}

void EditingWindowsTest::replaceByContentOnThePad()
{
    Form1& f = *m_form;
    inEditor([&](editX1& e) {
        click(e.Text2);
        key(e, QStringLiteral("0209142026313"));
        QCOMPARE(e.Text1->text(), QStringLiteral("  —  "));
        QVERIFY(!e.Text1->isEnabled());
        QCOMPARE(offered(e), QStringLiteral("0123456"));
        e.Command4->click();  // takes "3", the space and "1": a pending 3 remains
        QCOMPARE(e.Text2->text(), QStringLiteral("02 09 14 20 26 3"));
        key(e, QStringLiteral("13") + QStringLiteral("6"));
        QCOMPARE(e.Text2->text(), B);
        click(e.Text3);
        key(e, QStringLiteral("04101622283435"));
        e.Command2->click();
    });
    QCOMPARE(f.Text88->crlfText(), A + CR + N + CR + N + "←");
}

void EditingWindowsTest::fieldsTakeNoTyping()
{
    inEditor([&](editX1& e) {
        click(e.Text3);
        QTest::keyClick(e.Text3, Qt::Key_5);
        QVERIFY(e.Text3->text().isEmpty());
    });
    QVERIFY(m_watcher->messages().contains(
        QStringLiteral("注意：先点一下文本框，然后通过点下面数字按钮输入数据!!!")));
    // Nothing was changed: the only cue is the one for the keys.
    QCOMPARE(m_app->cues.played, QStringList{cues::kUseButtons});
}

void EditingWindowsTest::counterDialog_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<int>("allList");
    QTest::addColumn<int>("nowIsJi");
    // Loaded: three lines, seven numbers in the last.
    QTest::newRow("both stored") << "12" << "3" << 12 << 3;
    QTest::newRow("empty row field") << "" << "3" << 3 << 3;
    QTest::newRow("letters") << "abc" << "x5" << 3 << 7;
    QTest::newRow("half to even") << "2.5" << "3.5" << 2 << 4;
    QTest::newRow("no range check") << "0" << "-2" << 0 << -2;
    QTest::newRow("beyond 16 bits") << "40000" << "-32769" << 3 << 7;
    QTest::newRow("16-bit edges") << "32767" << "-32768" << 32767 << -32768;
}

void EditingWindowsTest::counterDialog()
{
    QFETCH(QString, rows);
    QFETCH(QString, numbers);
    QFETCH(int, allList);
    QFETCH(int, nowIsJi);
    Form1& f = *m_form;
    QStringList shown;
    m_watcher->onNext([&](QWidget* w) {
        auto* dialog = qobject_cast<editLV*>(w);
        if (!dialog) {
            w->close();
            return;
        }
        shown << dialog->Text1->text() << dialog->Text2->text();
        dialog->Text1->setText(rows);
        dialog->Text2->setText(numbers);
        dialog->Command1->click();
    });
    trigger(&f, QStringLiteral("t34534"));
    QCOMPARE(shown, (QStringList{"3", "7"}));
    QCOMPARE(int(f.AllList), allList);
    QCOMPARE(int(f.NowIsJi), nowIsJi);
    // Saved and hidden, the dialog stays loaded and shows the counters.
    QCOMPARE(f.countDialog().Text1->text(), QString::number(allList));
    QCOMPARE(f.countDialog().Text2->text(), QString::number(nowIsJi));
    QVERIFY(m_watcher->messages().isEmpty());
}

void EditingWindowsTest::counterDialogShowsTheCountersOfNow()
{
    Form1& f = *m_form;
    QStringList shown;
    QPointer<QWidget> closed;
    const auto read = [&](QWidget* w) {
        auto* dialog = qobject_cast<editLV*>(w);
        shown << (dialog ? dialog->Text1->text() + "/" + dialog->Text2->text() : w->objectName());
        return w;
    };
    m_watcher->onNext([&](QWidget* w) { read(w)->hide(); });
    trigger(&f, QStringLiteral("t34534"));
    click(f.Text88);
    for (int i : {8, 9, 10})
        pressNumber(f, i);
    m_watcher->onNext([&](QWidget* w) {
        closed = read(w);
        w->close();
    });
    trigger(&f, QStringLiteral("t34534"));
    QCOMPARE(shown, (QStringList{"3/7", "4/3"}));
    // Closed by its close button, it waits to be deleted; the next use gets a fresh one.
    QVERIFY(closed);
    QVERIFY(&f.countDialog() != closed.data());
}

void EditingWindowsTest::counterDialogPad_data()
{
    QTest::addColumn<QStringList>("taps");  // "Text1", "Text2", a digit, or "←"
    QTest::addColumn<int>("allList");
    QTest::addColumn<int>("nowIsJi");
    // Loaded: three lines, seven numbers in the last.
    QTest::newRow("the first field until another is tapped") << QStringList{"←", "1", "2"} << 12 << 7;
    QTest::newRow("the field last tapped") << QStringList{"Text2", "←", "4"} << 3 << 4;
    QTest::newRow("back to the first") << QStringList{"Text2", "←", "5", "Text1", "0"} << 30 << 5;
    QTest::newRow("delete on an empty field") << QStringList{"←", "←", "9"} << 9 << 7;
}

void EditingWindowsTest::counterDialogPad()
{
    QFETCH(QStringList, taps);
    QFETCH(int, allList);
    QFETCH(int, nowIsJi);
    Form1& f = *m_form;
    m_watcher->onNext([&](QWidget* w) {
        for (const QString& tap : taps) {
            QWidget* target = child(w, tap == "←" ? QStringLiteral("Command4")
                                       : tap.startsWith("Text") ? tap
                                                                : QStringLiteral("Command3(%1)").arg(tap));
            QTest::mouseClick(target, Qt::LeftButton);
        }
        static_cast<QPushButton*>(child(w, "Command1"))->click();
    });
    trigger(&f, QStringLiteral("t34534"));
    QCOMPARE(int(f.AllList), allList);
    QCOMPARE(int(f.NowIsJi), nowIsJi);
}

QTEST_MAIN(EditingWindowsTest)
#include "tst_editing_windows.moc"
