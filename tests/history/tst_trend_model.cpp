// The chart's table on a small history worked out by hand: cells and footers per range,
// with and without the special number, and the hot / warm / cold marks.
#include "history/trend_model.h"
#include "trend_sample.h"

#include <QTest>

using namespace history;

namespace {
// The sample history, labelled 2026001..2026006.
std::vector<ChartDraw> chartDraws()
{
    std::vector<ChartDraw> draws;
    for (const Draw& d : trendsample::draws())
        draws.push_back({QStringLiteral("202600%1").arg(draws.size() + 1), d});
    return draws;
}

int columnOf(int number)
{
    return TrendModel::kFirstNumberColumn + number - 1;
}
}  // namespace

class TrendModelTest : public QObject {
    Q_OBJECT
private slots:
    void cells_data();
    void cells();
    void spokenCells_data();
    void spokenCells();
    void footers_data();
    void footers();
    void heat_data();
    void heat();
};

void TrendModelTest::cells_data()
{
    QTest::addColumn<int>("lastDraws");
    QTest::addColumn<bool>("withSpecial");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("drawn");
    QTest::addColumn<bool>("special");
    QTest::newRow("label") << 0 << true << 0 << 0 << "2026001" << false << false;
    QTest::newRow("numbers, special set apart") << 0 << true << 5 << 1 << "30 31 32 33 34 35+01" << false << false;
    QTest::newRow("special counted") << 0 << true << 2 << columnOf(1) << "01" << true << true;
    QTest::newRow("special not counted") << 0 << false << 2 << columnOf(1) << "1" << false << true;
    QTest::newRow("omission after an uncounted special") << 0 << false << 2 << columnOf(2) << "2" << false << false;
    QTest::newRow("never drawn") << 0 << true << 5 << columnOf(36) << "6" << false << false;
    QTest::newRow("last 3: first row") << 3 << true << 0 << 0 << "2026004" << false << false;
    QTest::newRow("last 3: omission over the whole history") << 3 << true << 0 << columnOf(36) << "4" << false << false;
    QTest::newRow("last 3: newest") << 3 << true << 2 << columnOf(1) << "01" << true << true;
    QTest::newRow("last 3: first footer") << 3 << true << 3 << 1 << "出现次数" << false << false;
    QTest::newRow("last 3: last footer") << 3 << true << 7 << 1 << "当前遗漏" << false << false;
    QTest::newRow("footer label column") << 0 << true << 6 << 0 << "" << false << false;
}

void TrendModelTest::cells()
{
    QFETCH(int, lastDraws);
    QFETCH(bool, withSpecial);
    QFETCH(int, row);
    QFETCH(int, column);
    TrendModel model(chartDraws());
    model.setWithSpecial(withSpecial);
    model.setLastDraws(lastDraws);
    const QModelIndex cell = model.index(row, column);
    QTEST(cell.data().toString(), "text");
    QTEST(cell.data(TrendModel::DrawnRole).toBool(), "drawn");
    QTEST(cell.data(TrendModel::SpecialRole).toBool(), "special");
}

void TrendModelTest::spokenCells_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("special") << 2 << 1 << "2026003期，01号，特别号";
    QTest::newRow("omission") << 5 << 36 << "2026006期，36号，遗漏6期";
}

void TrendModelTest::spokenCells()
{
    QFETCH(int, row);
    QFETCH(int, number);
    TrendModel model(chartDraws());
    QTEST(model.index(row, columnOf(number)).data(Qt::AccessibleTextRole).toString(), "spoken");
}

void TrendModelTest::footers_data()
{
    QTest::addColumn<int>("lastDraws");
    QTest::addColumn<bool>("withSpecial");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("rows");
    // 出现次数 平均遗漏 最大遗漏 最大连出 当前遗漏
    QTest::addColumn<QString>("footers");
    QTest::newRow("all, 01") << 0 << true << 1 << 11 << "5 0 1 4 0";
    QTest::newRow("all, 01 without special") << 0 << false << 1 << 11 << "3 1 2 2 2";
    QTest::newRow("all, 36") << 0 << true << 36 << 11 << "0 6 6 0 6";
    QTest::newRow("last 3, 01") << 3 << true << 1 << 8 << "2 0 1 1 0";
    QTest::newRow("last 3, 36") << 3 << true << 36 << 8 << "0 3 6 0 6";
    QTest::newRow("last 3, 02 without special") << 3 << false << 2 << 8 << "1 1 2 1 2";
    QTest::newRow("last 50 of 6 is all") << 50 << true << 1 << 11 << "5 0 1 4 0";
}

void TrendModelTest::footers()
{
    QFETCH(int, lastDraws);
    QFETCH(bool, withSpecial);
    QFETCH(int, number);
    TrendModel model(chartDraws());
    model.setLastDraws(lastDraws);
    model.setWithSpecial(withSpecial);
    QTEST(model.rowCount(), "rows");
    QStringList got;
    for (int footer = 0; footer < TrendModel::kFooterRows; ++footer)
        got << model.index(model.shownDraws() + footer, columnOf(number)).data().toString();
    QTEST(got.join(QLatin1Char(' ')), "footers");
}

void TrendModelTest::heat_data()
{
    // Thresholds asked for (−1: the defaults for 6 draws, hot ≥ 2, cold ≤ 0), those kept.
    QTest::addColumn<int>("hotFrom");
    QTest::addColumn<int>("coldUpTo");
    QTest::addColumn<int>("keptHot");
    QTest::addColumn<int>("keptCold");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("header");
    QTest::newRow("default, 5 times") << -1 << -1 << 2 << 0 << 1 << "01\n热";
    QTest::newRow("default, once") << -1 << -1 << 2 << 0 << 4 << "04\n温";
    QTest::newRow("default, never") << -1 << -1 << 2 << 0 << 36 << "36\n冷";
    QTest::newRow("hot raised") << 6 << 0 << 6 << 0 << 1 << "01\n温";
    QTest::newRow("hot beyond the draws") << 9 << 4 << 7 << 4 << 1 << "01\n温";
    QTest::newRow("cold pushes hot up") << 3 << 5 << 6 << 5 << 1 << "01\n冷";
    QTest::newRow("below zero") << 0 << -2 << 1 << 0 << 36 << "36\n冷";
}

void TrendModelTest::heat()
{
    QFETCH(int, hotFrom);
    QFETCH(int, coldUpTo);
    QFETCH(int, number);
    TrendModel model(chartDraws());
    if (hotFrom >= 0)
        model.setHeatThresholds({hotFrom, coldUpTo});
    QTEST(model.heatThresholds().hotFrom, "keptHot");
    QTEST(model.heatThresholds().coldUpTo, "keptCold");
    QTEST(model.headerData(columnOf(number), Qt::Horizontal).toString(), "header");
}

QTEST_APPLESS_MAIN(TrendModelTest)
#include "tst_trend_model.moc"
