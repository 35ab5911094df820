#include "shots.h"

#include "app/main_window.h"
#include "bench/bench_support.h"
#include "history/trend_chart_window.h"

#include <QApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTableView>

namespace {

// `count` random draws, with issue numbers from 2026001 on.
std::vector<history::ChartDraw> sampleDraws(int count)
{
    QRandomGenerator random(36);
    std::vector<history::ChartDraw> draws;
    for (const history::Draw& d : bench::randomDraws(count, random))
        draws.push_back({QString::number(2026001 + int(draws.size())), d});
    return draws;
}

// `scrolledRight`: the number columns scrolled to 36, the first two columns staying.
void shootChart(QWidget* parent, ShotContext& ctx, int draws, const QString& name, bool scrolledRight)
{
    auto* window = new TrendChart1(sampleDraws(draws), parent);
    window->setModal(false);
    window->show();
    QApplication::processEvents();
    if (scrolledRight)
        window->TrendTable->horizontalScrollBar()->setValue(window->TrendTable->horizontalScrollBar()->maximum());
    ctx.shoot(window, name);
    // The print, as the PDF export writes it.
    if (!scrolledRight)
        window->exportPdf(QDir(ctx.outFolder).filePath(name + QStringLiteral(".pdf")));
    window->close();
}

}  // namespace

void shootTrendChart(Form1& form, ShotContext& ctx)
{
    shootChart(&form, ctx, 30, QStringLiteral("TrendChart1_30"), false);
    shootChart(&form, ctx, 500, QStringLiteral("TrendChart1_all"), false);
    shootChart(&form, ctx, 500, QStringLiteral("TrendChart1_right"), true);
}
