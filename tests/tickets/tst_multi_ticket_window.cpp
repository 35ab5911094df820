// The multiple-ticket window: taps build the sets shown in words and counted, the lines go
// to the box in one piece, and what cannot be expanded is said and puts nothing there.
#include "support/test_support.h"
#include "tickets/multi_ticket_window.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

class FakeBox : public TicketBoxFeed {
public:
    int complete = 0;
    int incomplete = 0;
    QStringList appended;
    QStringList messages;
    int completeLines() const override { return complete; }
    int numbersOnIncompleteLine() const override { return incomplete; }
    void appendLines(const QString& lines, qint64) override { appended << lines; }
    void showMessage(const QString& text) override { messages << text; }
};

// Taps in the form "胆:1,2 拖:3,4 特:7": the set's option button, then its numbers.
void tap(MultiTicket1& w, const QString& script)
{
    const QStringList sets = {QStringLiteral("胆"), QStringLiteral("拖"), QStringLiteral("特")};
    for (const QString& part : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        w.Option2[size_t(sets.indexOf(part.section(QLatin1Char(':'), 0, 0)))]->click();
        for (const QString& n : part.section(QLatin1Char(':'), 1).split(QLatin1Char(',')))
            w.num2[size_t(n.toInt())]->click();
    }
}

}  // namespace

class MultiTicketWindowTest : public QObject {
    Q_OBJECT
private slots:
    void expand_data();
    void expand();
};

void MultiTicketWindowTest::expand_data()
{
    QTest::addColumn<QString>("taps");
    QTest::addColumn<int>("boxLines");
    QTest::addColumn<int>("incomplete");    // numbers on the box's incomplete last line
    QTest::addColumn<int>("answer");        // to the question about it
    QTest::addColumn<QString>("shown");     // the three sets, then the count
    QTest::addColumn<QString>("appended");  // "" when nothing went to the box
    QTest::addColumn<QString>("message");   // the start of the one message, "" for none
    QTest::newRow("banker ticket")
        << "胆:1,2,3,4,5 拖:6,7 特:8,9" << 3 << 0 << int(QMessageBox::Yes)
        << "胆码：01 02 03 04 05|拖码：06 07|特别号：08 09|共4注，8元"
        << "01 02 03 04 05 06 08 \r\n01 02 03 04 05 06 09 \r\n01 02 03 04 05 07 08 \r\n01 02 03 04 05 07 09 "
        << "";
    QTest::newRow("a pool number made a banker leaves the pool")
        << "拖:1,2,3,4,5,6 胆:6 特:7" << 0 << 0 << int(QMessageBox::Yes)
        << "胆码：06|拖码：01 02 03 04 05|特别号：07|共1注，2元" << "01 02 03 04 05 06 07 " << "";
    QTest::newRow("too few numbers")
        << "拖:1,2,3,4,5 特:7" << 0 << 0 << int(QMessageBox::Yes)
        << "胆码：（未选）|拖码：01 02 03 04 05|特别号：07|共0注，0元" << "" << "错误提示：BR   胆码和拖码合计至少要选6个。";
    QTest::newRow("a sixth banker is refused")
        << "胆:1,2,3,4,5,6 拖:7 特:8" << 0 << 0 << int(QMessageBox::Yes)
        << "胆码：01 02 03 04 05|拖码：07|特别号：08|共1注，2元" << "01 02 03 04 05 07 08 " << "提示：BR   胆码最多选5个。";
    QTest::newRow("more lines than the box may hold")
        << "拖:1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16 特:36" << 30000 << 0 << int(QMessageBox::Yes)
        << "胆码：（未选）|拖码：01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16|特别号：36|共8008注，16016元"
        << "" << "错误提示：BR   展开后共8008注";
    QTest::newRow("an incomplete last line, No keeps it")
        << "拖:1,2,3,4,5,6 特:7" << 1 << 3 << int(QMessageBox::No)
        << "胆码：（未选）|拖码：01 02 03 04 05 06|特别号：07|共1注，2元" << "" << "";
}

void MultiTicketWindowTest::expand()
{
    QFETCH(QString, taps);
    QFETCH(int, boxLines);
    QFETCH(int, incomplete);
    QFETCH(int, answer);
    QFETCH(QString, shown);
    QFETCH(QString, appended);
    QFETCH(QString, message);
    FakeBox box;
    box.complete = boxLines;
    box.incomplete = incomplete;
    MultiTicket1 w(box);
    w.show();
    tap(w, taps);
    QCOMPARE(QStringList({w.BankerText->text(), w.PoolText->text(), w.SpecialText->text(), w.MultiCount->text()})
                 .join(QLatin1Char('|')),
             shown);
    ModalWatcher modals{QMessageBox::StandardButton(answer)};
    w.ExpandLines->click();
    QCOMPARE(box.appended.join(QLatin1Char('#')), appended);
    QCOMPARE(w.isVisible(), appended.isEmpty());
    QCOMPARE(box.messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QVERIFY2(box.messages.constFirst().startsWith(message), qPrintable(box.messages.constFirst()));
}

QTEST_MAIN(MultiTicketWindowTest)
#include "tst_multi_ticket_window.moc"
