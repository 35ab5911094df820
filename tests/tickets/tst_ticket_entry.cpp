// The number pad's rules: presses and deletes in the ticket box and the draw line, with
// their counters and status texts.
#include "tickets/pad_state.h"
#include "tickets/ticket_entry.h"

#include <QTest>

using namespace tickets;

namespace {
QString line(const QString& numbers) { return numbers + QLatin1Char(' '); }
const QString kFull = line("01 02 03 04 05 06 07");
}  // namespace

class TicketEntryTest : public QObject {
    Q_OBJECT
private slots:
    void ticketPresses_data();
    void ticketPresses();
    void ticketDeletes_data();
    void ticketDeletes();
    void appendLines_data();
    void appendLines();
    void drawPresses_data();
    void drawPresses();
    void drawDeletes_data();
    void drawDeletes();
    void padLock_data();
    void padLock();
};

// The columns a ticket step gives: the new text, the two counters and the status.
static void addTicketColumns()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("nowIsJi");
    QTest::addColumn<int>("allList");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("nowIsJiAfter");
    QTest::addColumn<int>("allListAfter");
    QTest::addColumn<QString>("status");
}

void TicketEntryTest::ticketPresses_data()
{
    addTicketColumns();
    QTest::addColumn<int>("number");
    QTest::newRow("first number") << QString() << 0 << 0 << "01 ←" << 1 << 1
                                  << QStringLiteral("01 (第1/共7个  第1行)") << 1;
    QTest::newRow("seventh number") << line("01 02 03 04 05 06") << 6 << 1 << kFull + "←" << 7 << 1
                                    << QStringLiteral("07 (第7/共7个  第1行)") << 7;
    QTest::newRow("last number without its space") << "01 02" << 2 << 1 << line("01 02 03") + "←" << 3 << 1
                                                   << QStringLiteral("03 (第3/共7个  第1行)") << 3;
    QTest::newRow("after seven a new line") << kFull << 7 << 1 << kFull + "\r\n08 ←" << 1 << 2
                                            << QStringLiteral("08 (第1/共7个  第2行)") << 8;
    QTest::newRow("a double break becomes one") << kFull + "\r\n" << 7 << 1 << kFull + "\r\n08 ←" << 1 << 2
                                                << QStringLiteral("08 (第1/共7个  第2行)") << 8;
    QTest::newRow("a checked last line goes on") << kFull + " \r\n" + line("08 09") + " \r\n" << 2 << 2
                                                 << kFull + " \r\n" + line("08 09 10") + "←" << 3 << 2
                                                 << QStringLiteral("10 (第3/共7个  第2行)") << 10;
    QTest::newRow("above 7 starts a line") << line("01 02") << 9 << 1 << line("01 02") + "\r\n11 ←" << 1 << 2
                                           << QStringLiteral("11(第1/共7个  第2行)") << 11;
    QTest::newRow("below 1 writes nothing") << line("01 02") << -1 << 1 << line("01 02") + "←" << 0 << 1
                                            << QStringLiteral("11") << 11;
    QTest::newRow("line counter at its top") << kFull << 7 << 32767 << kFull + "←" << 7 << 32767
                                             << QStringLiteral("彩票数据已达32767行，不能再增加新的一行") << 8;
}

void TicketEntryTest::ticketPresses()
{
    QFETCH(QString, text);
    QFETCH(int, nowIsJi);
    QFETCH(int, allList);
    QFETCH(int, number);
    const TicketEntry out = pressIntoTickets(text, qint16(nowIsJi), qint16(allList), number);
    QTEST(out.text, "after");
    QTEST(int(out.numbersInLine), "nowIsJiAfter");
    QTEST(int(out.lines), "allListAfter");
    QTEST(out.status, "status");
}

void TicketEntryTest::ticketDeletes_data()
{
    addTicketColumns();
    QTest::newRow("last number of a line") << line("01 02 03") + "←" << 3 << 1 << line("01 02") + "←" << 2 << 1
                                           << QStringLiteral("删除1行第3个号码 ..");
    QTest::newRow("first number of line 2") << kFull + "\r\n08 ←" << 1 << 2 << kFull + "←" << 7 << 1
                                            << QStringLiteral("删除2行第1个号码 ..");
    QTest::newRow("the only number") << QStringLiteral("05 ←") << 1 << 1 << QString() << 0 << 0
                                     << QStringLiteral("彩票数据已清除");
    QTest::newRow("right after a check") << kFull + " \r\n" << 7 << 1 << line("01 02 03 04 05 06") + "←"
                                         << 6 << 1 << QStringLiteral("删除1行第7个号码 ..");
    QTest::newRow("first number of a checked line") << kFull + " \r\n08  \r\n" << 1 << 2 << kFull + " ←"
                                                    << 7 << 1 << QStringLiteral("删除2行第1个号码 ..");
    QTest::newRow("line break after a generated line") << kFull + "\r\n←" << 7 << 1 << line("01 02 03 04 05 06") + "←"
                                                       << 6 << 1 << QStringLiteral("删除1行第7个号码 ..");
    QTest::newRow("line break after a generated line, no marker") << kFull + "\r\n" << 7 << 1 << line("01 02 03 04 05 06") + "←"
                                                                 << 6 << 1 << QStringLiteral("删除1行第7个号码 ..");
    QTest::newRow("slot just opened, no marker") << kFull + "\r\n" + line("08 09 10 11 12 13 14") << 7 << 2
                                                << kFull + "\r\n" + line("08 09 10 11 12 13") + "←" << 6 << 2
                                                << QStringLiteral("删除2行第7个号码 ..");
    QTest::newRow("winning single line just checked") << kFull + " 已中奖" << 7 << 1 << line("01 02 03 04 05 06") + "←"
                                                      << 6 << 1 << QStringLiteral("删除1行第7个号码 ..");
    QTest::newRow("last number without its space") << kFull + "\r\n08 09 10 11 12 13 14←" << 7 << 2
                                                   << kFull + "\r\n" + line("08 09 10 11 12 13") + "←" << 6 << 2
                                                   << QStringLiteral("删除2行第7个号码 ..");
    QTest::newRow("three characters left by a check") << QStringLiteral("01 ") << 1 << 1 << QString() << 0 << 0
                                                      << QStringLiteral("彩票数据已清除");
    QTest::newRow("fewer than three characters") << QStringLiteral("0←") << 1 << 1 << QString() << 0 << 0
                                                 << QStringLiteral("彩票数据已清除");
}

void TicketEntryTest::ticketDeletes()
{
    QFETCH(QString, text);
    QFETCH(int, nowIsJi);
    QFETCH(int, allList);
    const TicketEntry out = deleteFromTickets(text, qint16(nowIsJi), qint16(allList));
    QTEST(out.text, "after");
    QTEST(int(out.numbersInLine), "nowIsJiAfter");
    QTEST(int(out.lines), "allListAfter");
    QTEST(out.status, "status");
}

void TicketEntryTest::appendLines_data()
{
    addTicketColumns();
    const QString added = line("08 09 10 11 12 13 14") + "\r\n" + line("08 09 10 11 12 13 15");
    QTest::newRow("empty box") << QString() << 0 << 0 << added << 7 << 2
                               << QStringLiteral("已展开2注到彩票栏，共2行 ..");
    QTest::newRow("after complete lines") << kFull + "\r\n" + kFull << 7 << 2
                                          << kFull + "\r\n" + kFull + "\r\n" + added << 7 << 4
                                          << QStringLiteral("已展开2注到彩票栏，共4行 ..");
    QTest::newRow("incomplete last line dropped") << kFull + "\r\n" + line("20 21") + "←" << 2 << 2
                                                  << kFull + "\r\n" + added << 7 << 3
                                                  << QStringLiteral("已展开2注到彩票栏，共3行 ..");
    QTest::newRow("the only line incomplete") << line("20 21 22") + "←" << 3 << 1 << added << 7 << 2
                                              << QStringLiteral("已展开2注到彩票栏，共2行 ..");
    QTest::newRow("checked lines, marks go") << kFull + " 已中奖  \r\n" + line("20") + "  \r\n" << 1 << 2
                                             << kFull + "\r\n" + added << 7 << 3
                                             << QStringLiteral("已展开2注到彩票栏，共3行 ..");
}

void TicketEntryTest::appendLines()
{
    QFETCH(QString, text);
    QFETCH(int, nowIsJi);
    QFETCH(int, allList);
    const QString added = line("08 09 10 11 12 13 14") + "\r\n" + line("08 09 10 11 12 13 15");
    const TicketEntry out = appendCompleteLines(text, qint16(nowIsJi), qint16(allList), added, 2);
    QTEST(out.text, "after");
    QTEST(int(out.numbersInLine), "nowIsJiAfter");
    QTEST(int(out.lines), "allListAfter");
    QTEST(out.status, "status");
}

void TicketEntryTest::drawPresses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("countAfter");
    QTest::addColumn<QString>("status");
    QTest::newRow("first") << QString() << 0 << 1 << "01 " << 1 << QStringLiteral("01 (开奖号码第1/共7个)");
    QTest::newRow("seventh") << line("01 02 03 04 05 06") << 6 << 7 << kFull << 7
                             << QStringLiteral("07 (开奖号码第7/共7个)");
    QTest::newRow("eighth restarts the draw") << kFull << 7 << 9 << "09 " << 1
                                              << QStringLiteral("09 (开奖号码第1/共7个)");
}

void TicketEntryTest::drawPresses()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(int, number);
    const DrawEntry out = pressIntoDraw(text, qint16(count), number);
    QTEST(out.text, "after");
    QTEST(int(out.numbers), "countAfter");
    QTEST(out.status, "status");
}

void TicketEntryTest::drawDeletes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("countAfter");
    QTest::addColumn<QString>("status");
    QTest::newRow("the last of two") << line("01 02") << 2 << "01 " << 1 << QStringLiteral("删除第2个开奖号码 ..");
    QTest::newRow("the only one") << "01 " << 1 << QString() << 0 << QStringLiteral("开奖号码已全删除 ..");
    QTest::newRow("an empty line") << QString() << 0 << QString() << 0 << QStringLiteral("开奖号码已全删除 ..");
}

void TicketEntryTest::drawDeletes()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    const DrawEntry out = deleteFromDraw(text, qint16(count));
    QTEST(out.text, "after");
    QTEST(int(out.numbers), "countAfter");
    QTEST(out.status, "status");
}

// What the lock timer frees: one button 1..36, the whole pad after a delete, else nothing.
void TicketEntryTest::padLock_data()
{
    QTest::addColumn<int>("justPress");
    QTest::addColumn<bool>("wholePad");
    QTest::addColumn<int>("button");
    QTest::newRow("free") << 0 << false << 0;
    QTest::newRow("first button") << 1 << false << 1;
    QTest::newRow("last button") << 36 << false << 36;
    QTest::newRow("past the pad") << 37 << false << 0;
    QTest::newRow("negative") << -1 << false << 0;
    QTest::newRow("whole pad") << -100 << true << 0;
}

void TicketEntryTest::padLock()
{
    QFETCH(int, justPress);
    const PadLock lock = padLockOf(qint16(justPress));
    QTEST(lock.wholePad, "wholePad");
    QTEST(lock.button, "button");
}

QTEST_APPLESS_MAIN(TicketEntryTest)
#include "tst_ticket_entry.moc"
