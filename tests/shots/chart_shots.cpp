#include "shots.h"

#include "app/main_window.h"
#include "history/trend_chart_window.h"

#include <QApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTableView>

namespace {

// `count` draws of seven different numbers, with issue numbers from 2026001 on.
std::vector<history::ChartDraw> sampleDraws(int count)
{
    QRandomGenerator random(36);
    std::vector<history::ChartDraw> draws;
    for (int i = 0; i < count; ++i) {
        history::ChartDraw d{QString::number(2026001 + i), {}};
        quint64 used = 0;
        for (int k = 0; k < 7;) {
            const int n = 1 + int(random.bounded(36));
            if (used & (quint64(1) << n))
                continue;
            used |= quint64(1) << n;
            d.draw.numbers[size_t(k++)] = n;
        }
        draws.push_back(d);
    }
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
