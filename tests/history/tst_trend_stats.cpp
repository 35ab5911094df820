// The trend chart's statistics on a small history worked out by hand, and the hot, warm
// and cold marks.
#include "history/trend_stats.h"

#include <QTest>

using namespace history;

namespace {
// Oldest first. The numbers followed: 01 (regular, then special), 02, 03, 07 (special
// once), 36 (never).
const QStringList kHistory = {
    QStringLiteral("01 02 03 04 05 06 07"), QStringLiteral("01 08 09 10 11 12 02"),
    QStringLiteral("13 14 15 16 17 18 01"), QStringLiteral("01 02 19 20 21 22 23"),
    QStringLiteral("24 25 26 27 28 29 03"), QStringLiteral("30 31 32 33 34 35 01")};

TrendStats stats(bool withSpecial)
{
    std::vector<Draw> draws;
    for (const QString& line : kHistory)
        draws.push_back(*parseDraw(line));
    return TrendStats(draws, withSpecial);
}
}  // namespace

class TrendStatsTest : public QObject {
    Q_OBJECT
private slots:
    void cells_data();
    void cells();
    void footers_data();
    void footers();
    void heat_data();
    void heat();
};

void TrendStatsTest::cells_data()
{
    QTest::addColumn<bool>("withSpecial");
    QTest::addColumn<int>("number");
    // Per row, oldest first: D drawn, S drawn as the special number, else the omission,
    // with "s" when it is the special number but not counted.
    QTest::addColumn<QString>("column");
    QTest::newRow("01 with special") << true << 1 << "D D S D 1 S";
    QTest::newRow("02 with special") << true << 2 << "D S 1 D 1 2";
    QTest::newRow("03 with special") << true << 3 << "D 1 2 3 S 1";
    QTest::newRow("07 with special") << true << 7 << "S 1 2 3 4 5";
    QTest::newRow("36 never drawn") << true << 36 << "1 2 3 4 5 6";
    QTest::newRow("01 without special") << false << 1 << "D D 1s D 1 2s";
    QTest::newRow("02 without special") << false << 2 << "D 1s 2 D 1 2";
    QTest::newRow("07 without special") << false << 7 << "1s 2 3 4 5 6";
}

void TrendStatsTest::cells()
{
    QFETCH(bool, withSpecial);
    QFETCH(int, number);
    QFETCH(QString, column);
    const TrendStats s = stats(withSpecial);
    QStringList got;
    for (int row = 0; row < s.rows(); ++row) {
        const TrendCell c = s.cell(row, number);
        got << (c.drawn ? QString(c.special ? "S" : "D")
                        : QString::number(c.omission) + (c.special ? "s" : ""));
    }
    QCOMPARE(got.join(QLatin1Char(' ')), column);
}

void TrendStatsTest::footers_data()
{
    QTest::addColumn<bool>("withSpecial");
    QTest::addColumn<int>("lastDraws");  // 0: all
    QTest::addColumn<int>("number");
    // 出现次数 平均遗漏 最大遗漏 最大连出 当前遗漏
    QTest::addColumn<QString>("footer");
    QTest::newRow("all, 01") << true << 0 << 1 << "5 0 1 4 0";
    QTest::newRow("all, 02") << true << 0 << 2 << "3 1 2 2 2";
    QTest::newRow("all, 03") << true << 0 << 3 << "2 1 3 1 1";
    QTest::newRow("all, 07: 5 ÷ 2 rounds up") << true << 0 << 7 << "1 3 5 1 5";
    QTest::newRow("all, 36") << true << 0 << 36 << "0 6 6 0 6";
    QTest::newRow("last 3, 01") << true << 3 << 1 << "2 0 1 1 0";
    QTest::newRow("last 3, 02") << true << 3 << 2 << "1 1 2 1 2";
    QTest::newRow("last 3, 03: omission from before the range") << true << 3 << 3 << "1 1 3 1 1";
    QTest::newRow("last 3, 07") << true << 3 << 7 << "0 3 5 0 5";
    QTest::newRow("last 3, 36") << true << 3 << 36 << "0 3 6 0 6";
    QTest::newRow("more than the history: all") << true << 100 << 2 << "3 1 2 2 2";
    QTest::newRow("without special, 01") << false << 0 << 1 << "3 1 2 2 2";
    QTest::newRow("without special, 07") << false << 0 << 7 << "0 6 6 0 6";
}

void TrendStatsTest::footers()
{
    QFETCH(bool, withSpecial);
    QFETCH(int, lastDraws);
    QFETCH(int, number);
    QFETCH(QString, footer);
    const TrendStats s = stats(withSpecial);
    const NumberFooter f = s.footers(s.firstRowOfLast(lastDraws))[size_t(number - 1)];
    QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5").arg(f.appearances).arg(f.averageOmission)
                 .arg(f.longestOmission).arg(f.longestRun).arg(f.currentOmission),
             footer);
}

void TrendStatsTest::heat_data()
{
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("withSpecial");
    QTest::addColumn<int>("hotFrom");
    QTest::addColumn<int>("coldUpTo");
    QTest::addColumn<QString>("heats");  // appearances 0, 1, 2, …: C cold, W warm, H hot
    QTest::newRow("30 draws") << 30 << true << 8 << 4 << "CCCCCWWWHH";
    QTest::newRow("30 draws, without special") << 30 << false << 7 << 3 << "CCCCWWWHHH";
    QTest::newRow("50 draws") << 50 << true << 13 << 7 << "CCCCCCCCWWWWWHHH";
    QTest::newRow("100 draws") << 100 << true << 23 << 15 << "";
    QTest::newRow("one draw") << 1 << true << 1 << 0 << "CHH";
    QTest::newRow("no draw") << 0 << true << 1 << 0 << "CH";
}

void TrendStatsTest::heat()
{
    QFETCH(int, shown);
    QFETCH(bool, withSpecial);
    QFETCH(int, hotFrom);
    QFETCH(int, coldUpTo);
    QFETCH(QString, heats);
    const HeatThresholds t = defaultHeatThresholds(shown, withSpecial);
    QCOMPARE(t.hotFrom, hotFrom);
    QCOMPARE(t.coldUpTo, coldUpTo);
    QString got;
    for (int a = 0; a < heats.size(); ++a)
        got += "CWH"[int(heatOf(a, t))];
    QCOMPARE(got, heats);
}

QTEST_APPLESS_MAIN(TrendStatsTest)
#include "tst_trend_stats.moc"
