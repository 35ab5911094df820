// The ticket box after a check: row numbers, winning lines and matched numbers shown as
// marks beside and over the text, which itself stays as the check left it.
#include "app/main_window.h"
#include "messages/speech_ui.h"
#include "session/session.h"
#include "support/test_support.h"
#include "tickets/prize_check.h"
#include "widgets/pad_line_edit.h"
#include "widgets/ticket_box.h"
#include "widgets/ticket_marks.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

namespace {
// Keeps what read aloud says, in place of the system's voice.
struct SpeechRecorder : speech::Voice {
    SpeechRecorder() { speech::setVoice(this); }
    ~SpeechRecorder() override { speech::setVoice(nullptr); }
    void say(const QString& text, double) override { said << text; }
    void stop() override {}
    QStringList said;
};

QString line(const QString& numbers) { return numbers + QLatin1Char(' '); }
const QString kDraw = line(QStringLiteral("01 02 03 04 05 06 07"));
const QString kExample = line("01 02 03 04 10 11 07") + "\r\n" + line("01 02 03 04 05 06 08")
                         + "\r\n" + line("20 21 22");

// The marks on the box as text: per marked row "row:level:matches", matches being the
// matched numbers' kinds (1 regular, 2 special) in the order of the text.
QString marksOf(const TicketBox& box)
{
    QMap<int, QString> rows;
    for (const QTextEdit::ExtraSelection& s : box.extraSelections()) {
        const int row = s.cursor.block().blockNumber() + 1;
        if (s.format.hasProperty(QTextFormat::UserProperty))
            rows[row].prepend(QStringLiteral("%1:%2:").arg(row).arg(s.format.intProperty(QTextFormat::UserProperty)));
        if (s.format.hasProperty(QTextFormat::UserProperty + 1))
            rows[row] += QString::number(s.format.intProperty(QTextFormat::UserProperty + 1));
    }
    return QStringList(rows.values()).join(';');
}
}  // namespace

class TicketMarksTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void exampleCheckMarksTheWinningLines();
    void nextChangeClearsTheMarks_data();
    void nextChangeClearsTheMarks();
    void checkScrollsToTheFirstWinningLine();
    void marksFollowScrolling();
    void prizeMoneyAfterCheck_data();
    void prizeMoneyAfterCheck();

private:
    void check(const QString& box);

    std::unique_ptr<StartedForm> m_app;
    Form1* m_form = nullptr;
};

void TicketMarksTest::init()
{
    m_app = std::make_unique<StartedForm>();
    m_form = &m_app->start();
}

void TicketMarksTest::cleanup()
{
    m_app.reset();
}

void TicketMarksTest::check(const QString& box)
{
    ModalWatcher modals;
    m_form->Text0->setText(kDraw);
    m_form->Text88->setCrlfText(box);
    click(m_form->Command1);
}

void TicketMarksTest::exampleCheckMarksTheWinningLines()
{
    check(kExample);
    QVERIFY(child(m_form, QStringLiteral("Text88Rows"))->isVisible());
    QCOMPARE(marksOf(*m_form->Text88), QStringLiteral("1:5:11112;2:2:111111"));
    // Display only: the text and the saved snapshot are what the check alone makes of them.
    const tickets::PrizeCheck plain = tickets::checkPrizes(kExample, kDraw);
    QCOMPARE(m_form->Text88->crlfText(), plain.boxText);
    QCOMPARE(m_form->SaveOK, plain.saveText);
}

void TicketMarksTest::nextChangeClearsTheMarks_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("pad press") << "num1(9)";
    QTest::newRow("delete") << "Command5";
    QTest::newRow("clear the box") << "Command2";
    QTest::newRow("clear the draw") << "Command3";
}

void TicketMarksTest::nextChangeClearsTheMarks()
{
    QFETCH(QString, change);
    check(kExample);
    const QString marks = marksOf(*m_form->Text88);
    QVERIFY(!marks.isEmpty());
    click(m_form->Text88);  // puts the input marker back, which changes no line
    QCOMPARE(marksOf(*m_form->Text88), marks);
    QVERIFY(m_form->PrizeMoney->isVisible());
    ModalWatcher modals;
    click(child(m_form, change));
    QCOMPARE(marksOf(*m_form->Text88), QString());
    QVERIFY(!m_form->PrizeMoney->isVisible());
}

void TicketMarksTest::checkScrollsToTheFirstWinningLine()
{
    QStringList lines;
    for (int i = 0; i < 40; ++i)
        lines << line(i == 34 ? "01 02 03 04 05 20 21" : "30 31 32 33 34 35 36");
    check(lines.join("\r\n"));
    const QScrollBar* bar = m_form->Text88->verticalScrollBar();
    QVERIFY2(bar->value() <= 34 && 34 < bar->value() + bar->pageStep(),
             qPrintable(QStringLiteral("first row shown %1 of %2").arg(bar->value()).arg(bar->pageStep())));
    QCOMPARE(marksOf(*m_form->Text88), QStringLiteral("35:4:11111"));
}

void TicketMarksTest::marksFollowScrolling()
{
    QStringList lines;
    for (int i = 0; i < 3000; ++i)
        lines << line(i == 4 || i == 2800 ? "01 02 03 04 05 20 21" : "30 31 32 33 34 35 36");
    check(lines.join("\r\n"));
    QVERIFY(marksOf(*m_form->Text88).startsWith(QStringLiteral("5:4:11111")));
    m_form->Text88->verticalScrollBar()->setValue(2795);
    QVERIFY(marksOf(*m_form->Text88).contains(QStringLiteral("2801:4:11111")));
}

void TicketMarksTest::prizeMoneyAfterCheck_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("history");
    QTest::addColumn<QString>("money");
    QTest::addColumn<QString>("spoken");  // with read aloud on
    QTest::newRow("nothing won") << line("20 21 22 23 24 25 26") << QString() << QStringLiteral("本期中奖：0元")
                                 << QStringLiteral("这次没有中奖。");
    QTest::newRow("nothing won, several lines") << line("20 21 22 23 24 25 26") + "\r\n" + line("20 21")
                                                << QString() << QStringLiteral("本期中奖：0元")
                                                << QStringLiteral("这次没有中奖。");
    QTest::newRow("a floating prize not announced") << kExample << QString()
        << QStringLiteral("本期中奖：100元，另有浮动奖金：二等奖1注，约70万元")
        << QStringLiteral("共2行中奖。第1行，五等奖。第2行，二等奖。本期中奖：100元，另有浮动奖金：二等奖1注，约70万元。");
    QTest::newRow("announced in the history")
        << kExample << QStringLiteral("01 02 03 04 05 06 07 2026/12/1 21:30:00 2026140 2026-12-01 2=81234\r\n")
        << QStringLiteral("本期中奖：81334元") << QStringLiteral("共2行中奖。第1行，五等奖。第2行，二等奖。本期中奖：81334元。");
}

void TicketMarksTest::prizeMoneyAfterCheck()
{
    QFETCH(QString, box);
    QFETCH(QString, history);
    QFETCH(QString, money);
    if (!history.isEmpty())
        m_app->folder.write("draws.txt", history);
    SpeechRecorder voice;
    m_form->session().speaker().setEnabled(true);
    check(box);
    QVERIFY(m_form->PrizeMoney->isVisible());
    QCOMPARE(m_form->PrizeMoney->text(), money);
    QTEST(voice.said.value(0), "spoken");
}

QTEST_MAIN(TicketMarksTest)
#include "tst_ticket_marks.moc"
