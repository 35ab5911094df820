// What a screen reader names the main window's controls, read through Qt's accessibility
// interfaces.
#include "app/main_window.h"
#include "support/test_support.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QTest>

class AccessibleNamesTest : public QObject {
    Q_OBJECT
private slots:
    void named_data();
    void named();
    // Every button of the main window itself (the secondary windows are children too).
    void everyButtonNamed();
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
    for (QAbstractButton* button : started.start().centralWidget()->findChildren<QAbstractButton*>())
        QVERIFY2(!accessibleName(button).trimmed().isEmpty(), qPrintable(button->objectName()));
}

QTEST_MAIN(AccessibleNamesTest)
#include "tst_accessible_names.moc"
