// The prize check: levels, the report, draw validation and the shapes it leaves behind.
#include "tickets/prize_check.h"
#include "tickets/ticket_text.h"

#include <QTest>
#include <numeric>

using namespace tickets;

namespace {
// A line as the pad writes it: every number followed by one space.
QString line(const QString& numbers) { return numbers + QLatin1Char(' '); }
const QString kDraw = line(QStringLiteral("01 02 03 04 05 06 07"));
}  // namespace

class PrizeCheckTest : public QObject {
    Q_OBJECT
private slots:
    void levels_data();
    void levels();
    void reportOfTheExample();
    void noPrizeMessage();
    void emptyDrawChecksNothingButSaves();
    void emptyBox();
    void drawErrors_data();
    void drawErrors();
    void emptyLinesShiftRowsAndCountAsFaulty();
    void fieldThatIsNotANumberStopsMatching();
    void singleLine_data();
    void singleLine();
    void singleLineNotices_data();
    void singleLineNotices();
    void marks_data();
    void marks();
};

void PrizeCheckTest::levels_data()
{
    QTest::addColumn<QString>("ticket");
    QTest::addColumn<int>("level");
    QTest::newRow("6 + special") << "01 02 03 04 05 06 07" << 1;
    QTest::newRow("6 shuffled") << "06 05 04 03 02 01 08" << 2;
    QTest::newRow("5 + special") << "01 02 03 04 05 20 07" << 3;
    QTest::newRow("5") << "01 02 03 04 05 20 21" << 4;
    QTest::newRow("4 + special") << "01 02 03 04 20 21 07" << 5;
    QTest::newRow("4") << "04 03 02 01 20 21 22" << 6;
    QTest::newRow("3 + special") << "01 02 03 20 21 22 07" << 0;
    // A repeated number counts once: no shop sells such a line.
    QTest::newRow("repeats count once") << "01 01 01 01 20 21 07" << 0;
    QTest::newRow("repeat among a win") << "01 02 03 04 04 20 08" << 6;
    // The special number of the ticket is not a regular number.
    QTest::newRow("special does not count as regular") << "01 02 03 20 21 22 04" << 0;
}

void PrizeCheckTest::levels()
{
    QFETCH(QString, ticket);
    QFETCH(int, level);
    // Between two other lines (several-lines path) and alone (single-line path).
    const QString box = line("30 31 32 33 34 35 36") + "\r\n" + line(ticket) + "\r\n"
                        + line("30 31 32 33 34 35 36");
    const PrizeCheck several = checkPrizes(box, kDraw);
    QCOMPARE(several.winning, level ? 1 : 0);
    if (level)
        QVERIFY2(several.message.contains(QStringLiteral("BRBR行2(%1奖 ").arg(level)),
                 qPrintable(several.message));
    const PrizeCheck single = checkPrizes(line(ticket), kDraw);
    QCOMPARE(single.winning, level ? 1 : 0);
    if (level)
        QVERIFY(single.message.contains(QStringLiteral("您的彩票中了%1等奖").arg(level)));
}

void PrizeCheckTest::reportOfTheExample()
{
    const QString box = line("01 02 03 04 10 11 07") + "\r\n" + line("01 02 03 04 05 06 08")
                        + "\r\n" + line("20 21 22") + QStringLiteral("←");
    const PrizeCheck check = checkPrizes(box, kDraw);
    QCOMPARE(check.message,
             QStringLiteral("中奖提示：BR   恭喜，您有2组号码中奖哟，行数分别为 BRBR行1(5奖 100元) BR01 02 03 04 10 11 07 "
                            "BRBR行2(2奖 70万) BR01 02 03 04 05 06 08 BR    其中一等奖0个，二等奖1个，三等奖0个，"
                            "四等奖0个，五等奖1个，六等奖0个，共搜索了2个无错组，1个有错组(含空值组)。"));
    QCOMPARE(check.outcome, CheckOutcome::Prize);
    QVERIFY(check.save);
    // The saved text is the cleaned box; the box gets one more space before each break.
    QCOMPARE(check.saveText, removeMarkers(box));
    QCOMPARE(check.boxText, line("01 02 03 04 10 11 07") + " \r\n" + line("01 02 03 04 05 06 08")
                                + " \r\n" + line("20 21 22") + " \r\n");
}

void PrizeCheckTest::noPrizeMessage()
{
    const QString box = line("20 21 22 23 24 25 26") + "\r\n" + line("30 31 32 33 34 35 36");
    const PrizeCheck check = checkPrizes(box, kDraw);
    QCOMPARE(check.outcome, CheckOutcome::NoPrize);
    QCOMPARE(check.message, QStringLiteral("对奖提示：BR   非常抱歉，您的彩票没有中奖，共搜索了2个无错组，0个有错组(含空值组)。"));
}

void PrizeCheckTest::emptyDrawChecksNothingButSaves()
{
    const QString box = line("01 02 03 04 05 06 07") + "\r\n" + line("01 02 03 04 05 06 07");
    const PrizeCheck check = checkPrizes(box, QString());
    QVERIFY(check.message.isEmpty());
    QCOMPARE(check.outcome, CheckOutcome::NotChecked);
    QVERIFY(check.save);
    QVERIFY(!check.drawCleared);
    QCOMPARE(check.boxText, line("01 02 03 04 05 06 07") + " \r\n" + line("01 02 03 04 05 06 07") + " \r\n");
}

void PrizeCheckTest::emptyBox()
{
    const PrizeCheck check = checkPrizes(QStringLiteral("←"), kDraw);
    QCOMPARE(check.message, QStringLiteral("错误提示：BR   请填写至少一组中奖彩票号码。"));
    QVERIFY(!check.save);
    QCOMPARE(check.boxText, QString());
}

void PrizeCheckTest::drawErrors_data()
{
    QTest::addColumn<QString>("draw");
    QTest::addColumn<QString>("notices");
    const QString incomplete = QStringLiteral("BR    ▲开奖号码填写不完整，7个号码，每个号码2位数，用空格分隔；");
    QTest::newRow("three numbers") << line("01 02 03") << incomplete;
    QTest::newRow("no space at all") << "01020304050607" << incomplete;
    QTest::newRow("six numbers leave the seventh empty")
        << line("01 02 03 04 05 06") << QStringLiteral("BR    ▲开奖号码第7个号码没填或非数字。");
    QTest::newRow("letters and a long number")
        << line("01 x2 03 04 005 06 07")
        << QStringLiteral("BR    ▲开奖号码第2个号码没填或非数字。BR    ▲开奖号码第5个号码不是2位；");
}

void PrizeCheckTest::drawErrors()
{
    QFETCH(QString, draw);
    QFETCH(QString, notices);
    const PrizeCheck check = checkPrizes(line("01 02 03 04 05 06 07"), draw);
    QVERIFY(check.drawCleared);
    QVERIFY(!check.save);
    QCOMPARE(check.message, QStringLiteral("错误提示：BR   开奖号码有错被清空，需重新输入。") + notices);
}

void PrizeCheckTest::emptyLinesShiftRowsAndCountAsFaulty()
{
    // An empty line between, a six-number line (its special number missing) and a final break.
    const QString box = line("20 21 22 23 24 25 26") + "\r\n\r\n" + line("01 02 03 04 05 06 07")
                        + "\r\n" + line("01 02 03 04 05 06") + "\r\n";
    const PrizeCheck check = checkPrizes(box, kDraw);
    QVERIFY2(check.message.contains(QStringLiteral("BRBR行3(1奖 500万) BR")), qPrintable(check.message));
    QCOMPARE(check.winning, 1);
    QCOMPARE(check.errorFree, 2);
    QCOMPARE(check.faulty, 3);  // the empty line, the six-number line, the final empty element
    // Empty lines are dropped from the box; short lines are kept.
    QCOMPARE(check.boxText, line("20 21 22 23 24 25 26") + " \r\n" + line("01 02 03 04 05 06 07")
                                + " \r\n" + line("01 02 03 04 05 06") + " \r\n");
}

void PrizeCheckTest::fieldThatIsNotANumberStopsMatching()
{
    const QString box = line("01 02 x5 03 04 05 07") + "\r\n" + line("30 31 32 33 34 35 36");
    const PrizeCheck check = checkPrizes(box, kDraw);
    QCOMPARE(check.winning, 0);
    QCOMPARE(check.errorFree, 2);
}

void PrizeCheckTest::singleLine_data()
{
    QTest::addColumn<QString>("ticket");
    QTest::addColumn<bool>("wins");
    QTest::newRow("in order") << "01 02 03 04 20 21 22" << true;
    QTest::newRow("shuffled") << "21 04 20 03 02 01 22" << true;
    QTest::newRow("three") << "01 02 03 20 21 22 07" << false;
}

void PrizeCheckTest::singleLine()
{
    QFETCH(QString, ticket);
    QFETCH(bool, wins);
    const PrizeCheck check = checkPrizes(line(ticket) + QStringLiteral("←"), kDraw);
    QCOMPARE(check.outcome, CheckOutcome::NotChecked);  // the single-line path plays no cue
    QVERIFY(check.save);
    QCOMPARE(check.saveText, line(ticket));
    if (wins) {
        QCOMPARE(check.boxText, line(ticket) + QStringLiteral(" 已中奖"));
        QCOMPARE(check.message, QStringLiteral("中奖提示：BR   您的彩票中了6等奖，请自已到官方再校对一下，如算错了造成您的损失，本软件不承担任何责任。"));
    } else {
        QCOMPARE(check.boxText, line(ticket));
        QCOMPARE(check.message, QStringLiteral("对奖提示：BR   非常抱歉，您的彩票没有中奖，共搜索了1个无错组，0个有错组(含空值组)。"));
    }
    // A second check reads the box as shown: the prize mark is not part of the ticket.
    const PrizeCheck again = checkPrizes(check.boxText, kDraw);
    QCOMPARE(again.boxText, check.boxText);
    QCOMPARE(again.saveText, check.saveText);
}

void PrizeCheckTest::singleLineNotices_data()
{
    QTest::addColumn<QString>("ticket");
    QTest::addColumn<QString>("message");
    QTest::newRow("no space") << "01020304050607"
                              << QStringLiteral("错误提示：BR    ▲您的彩票数据有问题，必须用空格把每一组两位数字分隔开。");
    QTest::newRow("three numbers") << line("01 02 03")
                                   << QStringLiteral("错误提示：BR    ▲请填写完整2元买到的那7个号码在一行里。");
    QTest::newRow("special number missing") << line("01 02 03 04 05 06")
                                            << QStringLiteral("错误提示：BR    ▲请填写完整2元买到的那7个号码在一行里。");
}

void PrizeCheckTest::singleLineNotices()
{
    QFETCH(QString, ticket);
    QFETCH(QString, message);
    const PrizeCheck check = checkPrizes(ticket, kDraw);
    QCOMPARE(check.message, message);
    QVERIFY(check.save);  // the line is kept and saved all the same
}

void PrizeCheckTest::marks_data()
{
    // Each mark as "row/level/first row/matches" (rows from 1, first row 0 for none;
    // matches per field: 1 regular, 2 special).
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("draw");
    QTest::addColumn<QString>("marks");
    const QString a = line("01 02 03 04 10 11 07");
    QTest::newRow("example") << QStringList{a, line("01 02 03 04 05 06 08"), line("20 21 22")}
                             << kDraw << "1/5/0/1111002;2/2/0/1111110";
    QTest::newRow("repeated number matched once")
        << QStringList{line("01 01 02 03 04 20 07"), ""} << kDraw << "1/5/0/1011102";
    QTest::newRow("field not a number stops matching")
        << QStringList{line("01 02 03 x5 04 05 07"), ""} << kDraw << "";
    QTest::newRow("regular number equal to the draw's special")
        << QStringList{line("07 01 02 03 20 21 22"), ""} << kDraw << "";
    QTest::newRow("repeat, shuffled, its own prize")
        << QStringList{a, line("30 31 32 33 34 35 36"), line("11 10 04 03 02 01 07")} << kDraw
        << "1/5/0/1111002;3/5/1/0011112";
    QTest::newRow("other special is another line")
        << QStringList{line("30 31 32 33 34 35 36"), line("30 31 32 33 34 35 01")} << kDraw << "";
    QTest::newRow("empty lines leave the box, rows follow it")
        << QStringList{line("30 31 32 33 34 35 36"), "", line("30 31 32 33 34 35 36")} << kDraw
        << "2/0/1/0000000";
    QTest::newRow("short lines never repeat")
        << QStringList{line("20 21 22"), line("20 21 22")} << kDraw << "";
    QTest::newRow("repeats without a draw")
        << QStringList{a, a, a} << QString() << "2/0/1/0000000;3/0/1/0000000";
    QTest::newRow("repeats of odd fields") << QStringList{line("1 2 3 4 5 6 7"), line("2 1 3 4 5 6 7")}
                                           << kDraw << "2/0/1/0000000";
    QTest::newRow("single line, by value") << QStringList{line("11 10 04 03 02 01 07")} << kDraw
                                           << "1/5/0/0011112";
    QTest::newRow("single line, no prize") << QStringList{line("01 02 03 20 21 22 07")} << kDraw << "";
}

void PrizeCheckTest::marks()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, draw);
    QFETCH(QString, marks);
    QStringList found;
    const PrizeCheck check = checkPrizes(lines.join("\r\n"), draw);
    // The money counts the lines the report counts.
    const LevelCounts won = wonLevels(check);
    QCOMPARE(std::accumulate(won.begin(), won.end(), 0), check.winning);
    for (const LineMark& m : check.marks) {
        QString match;
        for (quint8 f : m.match)
            match += QString::number(f);
        found << QStringLiteral("%1/%2/%3/%4").arg(m.row + 1).arg(m.level).arg(m.firstRow + 1).arg(match);
    }
    QCOMPARE(found.join(';'), marks);
}

QTEST_APPLESS_MAIN(PrizeCheckTest)
#include "tst_prize_check.moc"
