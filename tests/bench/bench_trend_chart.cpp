// Speed of the trend chart window, as a ratio measured in one run:
//  (i) painting one screen of the chart, opened on the newest draw, with 10,000 draws ÷
//      the same with 30 draws (goal ≤ 1.5).
// The cells are computed as they are painted, so a screen costs the same however long
// the history is.
#include "bench_support.h"
#include "history/trend_chart_window.h"
#include "widgets/fonts.h"

#include <QApplication>
#include <QPixmap>
#include <QTableView>
#include <cstdio>

namespace {

constexpr double kGoal = 1.5;

double screenPaintNs(int drawCount, QRandomGenerator& random)
{
    std::vector<history::ChartDraw> draws;
    int issue = 2000001;
    for (const history::Draw& d : bench::randomDraws(drawCount, random))
        draws.push_back({QString::number(issue++), d});
    TrendChart1 window(std::move(draws));
    window.setModal(false);
    window.resize(1366, 768);
    window.show();
    QApplication::processEvents();
    QWidget* screen = window.TrendTable;
    QPixmap target(screen->size());
    return bench::fastestNs(51, [&] { screen->render(&target); });
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    fonts::installSubstitutions();
    QRandomGenerator random(24);
    screenPaintNs(30, random);  // warm-up: fonts, caches
    const double few = screenPaintNs(30, random);
    const double many = screenPaintNs(10000, random);
    const double ratio = many / few;
    std::printf("trend chart screen: %.2f ms with 30 draws, %.2f ms with 10,000\n", few / 1e6, many / 1e6);
    std::printf("%-58s %8.2f   (goal <= %.1f) %s\n", "(i) chart screen, 10,000 draws / 30 draws", ratio, kGoal,
                ratio <= kGoal ? "ok" : "OVER");
    return 0;
}
