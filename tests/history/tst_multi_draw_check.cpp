// Checking a box against several draws at once: the result table, and agreement with the
// prize check's level for every line.
#include "history/multi_draw_check.h"
#include "tickets/prize_check.h"
#include "tickets/ticket_text.h"

#include <QRandomGenerator>
#include <numeric>
#include <QRegularExpression>
#include <QTest>

using namespace history;

namespace {
std::vector<Draw> draws(const QStringList& lines)
{
    std::vector<Draw> out;
    for (const QString& l : lines)
        out.push_back(*parseDraw(l));
    return out;
}
// "row:level,level,…" per winning row, joined by " | ".
QString table(const MultiDrawResult& r)
{
    QStringList rows;
    for (size_t i = 0; i < r.rows.size(); ++i) {
        QStringList levels;
        for (int d = 0; d < int(r.perDraw.size()); ++d)
            levels << QString::number(r.level(i, d));
        rows << QStringLiteral("%1:%2").arg(r.rows[i].row).arg(levels.join(QLatin1Char(',')));
    }
    return rows.join(QStringLiteral(" | "));
}
}  // namespace

class MultiDrawCheckTest : public QObject {
    Q_OBJECT
private slots:
    void resultTable_data();
    void resultTable();
    void sameLevelsAsThePrizeCheck();
    void summaryCountsTheMoney_data();
    void summaryCountsTheMoney();
};

void MultiDrawCheckTest::resultTable_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("drawLines");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QList<int>>("perDrawWins");
    QTest::addColumn<int>("errorFree");
    QTest::addColumn<int>("faulty");
    const QString d1 = QStringLiteral("01 02 03 04 05 06 07");
    const QString d2 = QStringLiteral("01 02 03 04 10 11 08");
    const QString example = QStringLiteral(
        "01 02 03 04 10 11 07 \r\n01 02 03 04 05 06 08 \r\n20 21 22 ");
    QTest::newRow("the example, two draws") << example << QStringList{d1, d2}
        << "1:5,2 | 2:2,5" << QList<int>{2, 2} << 2 << 1;
    QTest::newRow("the example, draws swapped") << example << QStringList{d2, d1}
        << "1:2,5 | 2:5,2" << QList<int>{2, 2} << 2 << 1;
    QTest::newRow("single line") << "01 02 03 04 05 06 07 ←" << QStringList{d1} << "1:1"
                                 << QList<int>{1} << 1 << 0;
    QTest::newRow("repeated number counts once")
        << "01 01 01 01 05 06 07 \r\n01 02 03 04 30 31 32 " << QStringList{d1} << "2:6"
        << QList<int>{1} << 2 << 0;
    QTest::newRow("empty lines keep the row count") << "\r\n\r\n01 02 03 04 30 31 07 "
        << QStringList{d1} << "3:5" << QList<int>{1} << 1 << 2;
    QTest::newRow("a field that is no number ends the matching")
        << "01 02 x3 04 05 06 07 \r\n01 02 03 04 +5 06 07 " << QStringList{d1} << "2:3"
        << QList<int>{1} << 2 << 0;
    QTest::newRow("no line wins") << "20 21 22 23 24 25 26 " << QStringList{d1, d2} << ""
                                  << QList<int>{0, 0} << 1 << 0;
    QTest::newRow("empty box") << "" << QStringList{d1} << "" << QList<int>{0} << 0 << 0;
    // One draw ticked twice (here keyed in another order) is counted once.
    QTest::newRow("the same draw twice") << example << QStringList{d1, QStringLiteral("06 05 04 03 02 01 07")}
        << "1:5,0 | 2:2,0" << QList<int>{2, 0} << 2 << 1;
}

void MultiDrawCheckTest::resultTable()
{
    QFETCH(QString, box);
    QFETCH(QStringList, drawLines);
    QFETCH(QString, table);
    QFETCH(QList<int>, perDrawWins);
    QFETCH(int, errorFree);
    QFETCH(int, faulty);
    const MultiDrawResult r = checkAgainstDraws(box, draws(drawLines));
    QCOMPARE(::table(r), table);
    QList<int> wins;
    for (const auto& perLevel : r.perDraw)
        wins << std::accumulate(perLevel.begin(), perLevel.end(), 0);
    QCOMPARE(wins, perDrawWins);
    QCOMPARE(r.errorFree, errorFree);
    QCOMPARE(r.faulty, faulty);
    const QString summary = multiDrawSummary(r, drawLines);
    QVERIFY2(summary.contains(QStringLiteral("合计：%1期").arg(std::count(r.repeated.begin(), r.repeated.end(), false))),
             qPrintable(summary));
}

void MultiDrawCheckTest::summaryCountsTheMoney_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<qint64>("secondPrize");  // announced for the first draw; -1 not yet
    QTest::addColumn<QStringList>("lines");   // the summary's lines with money in them
    const QString box = QStringLiteral("01 02 03 04 10 11 07 \r\n01 02 03 04 05 06 08 \r\n20 21 22 ");
    QTest::newRow("second prize announced")
        << box << qint64(123456)
        << QStringList{"A：中奖2组，其中一等奖0个，二等奖1个，三等奖0个，四等奖0个，五等奖1个，六等奖0个。投注4元，本期中奖：123556元。",
                       "B：中奖2组，其中一等奖0个，二等奖1个，三等奖0个，四等奖0个，五等奖1个，六等奖0个。投注4元，本期中奖：100元，另有浮动奖金：二等奖1注，约70万元。",
                       "合计投注8元，中奖123656元，另有未公布的浮动奖金约70万元。"};
    QTest::newRow("nothing announced, nothing won")
        << QStringLiteral("20 21 22 23 24 25 26 ") << qint64(-1)
        << QStringList{"A：中奖0组，其中一等奖0个，二等奖0个，三等奖0个，四等奖0个，五等奖0个，六等奖0个。投注2元，本期中奖：0元。",
                       "B：中奖0组，其中一等奖0个，二等奖0个，三等奖0个，四等奖0个，五等奖0个，六等奖0个。投注2元，本期中奖：0元。",
                       "合计投注4元，中奖0元。"};
}

void MultiDrawCheckTest::summaryCountsTheMoney()
{
    QFETCH(QString, box);
    QFETCH(qint64, secondPrize);
    QFETCH(QStringList, lines);
    const QStringList drawLines = {QStringLiteral("01 02 03 04 05 06 07"), QStringLiteral("01 02 03 04 10 11 08")};
    std::vector<tickets::FloatingAmounts> announced(1);
    if (secondPrize >= 0)
        announced[0][2] = secondPrize;
    const QStringList summary =
        multiDrawSummary(checkAgainstDraws(box, draws(drawLines)), {QStringLiteral("A"), QStringLiteral("B")}, announced)
            .split(QLatin1Char('\n'));
    QCOMPARE(summary.size(), 4);
    QCOMPARE((QStringList{summary[0], summary[1], summary[3]}), lines);
}

// Every line, whatever its fields, gets from the multi-draw check the level the prize
// check reports for it against that draw.
void MultiDrawCheckTest::sameLevelsAsThePrizeCheck()
{
    QRandomGenerator random(15);
    const QStringList oddFields = {"00", "37", "+5", "5.", "x", "", "７"};
    QStringList lines;
    for (int i = 0; i < 3000; ++i) {
        QStringList fields;
        for (int k = 0; k < 7; ++k)
            fields << (random.bounded(20) == 0 ? oddFields[random.bounded(oddFields.size())]
                                               : tickets::numberText(1 + random.bounded(12)));
        lines << fields.join(QLatin1Char(' ')) + QLatin1Char(' ');
    }
    const QString box = lines.join(tickets::kCrLf);
    const QString drawLine = QStringLiteral("01 02 03 04 05 06 07 ");
    const MultiDrawResult r = checkAgainstDraws(box, draws({drawLine}));

    const QString report = tickets::checkPrizes(box, drawLine).message;
    static const QRegularExpression row(QStringLiteral("行(\\d+)\\((\\d)奖"));
    QStringList expected;
    for (auto m = row.globalMatch(report); m.hasNext();) {
        const auto match = m.next();
        expected << match.captured(1) + QLatin1Char(':') + match.captured(2);
    }
    QVERIFY(expected.size() > 50);
    QCOMPARE(table(r).split(QStringLiteral(" | ")), expected);
}

QTEST_APPLESS_MAIN(MultiDrawCheckTest)
#include "tst_multi_draw_check.moc"
