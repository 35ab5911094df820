// What a screen reader names the controls and finds in the ticket box, read through Qt's
// accessibility interfaces.
#include "app/main_window.h"
#include "archive/archive_window.h"
#include "editing/count_dialog_window.h"
#include "editing/row_editor_window.h"
#include "generator/generator_window.h"
#include "messages/message_window.h"
#include "support/test_support.h"
#include "widgets/pad_line_edit.h"
#include "widgets/ticket_box.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QPushButton>
#include <QTest>

class AccessibleNamesTest : public QObject {
    Q_OBJECT
private slots:
    void named_data();
    void named();
    // Every button of the main window and of the windows it opens.
    void everyButtonNamed();
    void ticketBoxLinesCarryTheirMarks();
};

namespace {

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

}  // namespace

void AccessibleNamesTest::named_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("name");
    QTest::newRow("pad key") << "num1(5)" << "号码05";
    QTest::newRow("last pad key") << "num1(36)" << "号码36";
    QTest::newRow("delete") << "Command5" << "删除";
    QTest::newRow("check") << "Command1" << "检查中奖  保存数据";
    QTest::newRow("draw line") << "Text0" << "开奖号码";
    QTest::newRow("ticket box") << "Text88" << "彩票号码";
    QTest::newRow("emptying the draw line") << "Command3" << "清空开奖号码";
    QTest::newRow("emptying the box") << "Command2" << "清空彩票号码";
}

void AccessibleNamesTest::named()
{
    QFETCH(QString, objectName);
    QFETCH(QString, name);
    StartedForm started;
    auto* widget = started.start().findChild<QWidget*>(objectName);
    QVERIFY(widget);
    QCOMPARE(accessibleName(widget), name);
}

void AccessibleNamesTest::everyButtonNamed()
{
    StartedForm started;
    Form1& form = started.start();
    const QList<QWidget*> windows = {form.centralWidget(), &form.messageWindow(), &form.archiveWindow(),
                                     &form.generatorWindow(), &form.rowEditorWindow(), &form.countDialog()};
    for (QWidget* window : windows)
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
            QVERIFY2(!accessibleName(button).trimmed().isEmpty(),
                     qPrintable(window->objectName() + QLatin1Char(' ') + button->objectName()));
}

void AccessibleNamesTest::ticketBoxLinesCarryTheirMarks()
{
    StartedForm started;
    Form1& form = started.start();
    form.Text0->setText(QStringLiteral("01 02 03 04 05 06 07 "));
    form.Text88->setCrlfText(QStringLiteral("01 02 03 04 10 11 07 \r\n01 02 03 04 05 06 08 \r\n20 21 22 "));
    ModalWatcher watcher;
    form.Command1_Click();
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(form.Text88);
    QVERIFY(box);
    QCOMPARE(box->text(QAccessible::Name), QStringLiteral("彩票号码"));
    QStringList lines;
    for (int i = 0; i < box->childCount(); ++i)
        lines << box->child(i)->text(QAccessible::Name);
    QCOMPARE(lines, QStringList({"第1行，01 02 03 04 10 11 07，五等奖", "第2行，01 02 03 04 05 06 08，二等奖",
                                 "第3行，20 21 22", "第4行，空行"}));
    QCOMPARE(box->indexOfChild(box->child(1)), 1);
    // The next change clears the marks, and the lines say so.
    form.Text88->appendCrlf(QStringLiteral("09 "));
    QCOMPARE(box->child(1)->text(QAccessible::Name), QStringLiteral("第2行，01 02 03 04 05 06 08"));
}

QTEST_MAIN(AccessibleNamesTest)
#include "tst_accessible_names.moc"
