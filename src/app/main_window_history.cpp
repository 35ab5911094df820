// Form1's "开奖记录/多期对奖": the draw history window, modal, loaded afresh at each use
// so that it shows the draws of the checks made since; and "号码走势图", the trend chart
// of the history as the file holds it now.
#include "app/main_window.h"

#include "history/draw_history_window.h"
#include "history/trend_chart_window.h"
#include "history/trend_model.h"

#include <QPointer>

void Form1::drawHistory_Click()
{
    QPointer<DrawHistory1> window = new DrawHistory1(m_session, this);
    if (!window->loadMessage().isEmpty())
        showMessage(window->loadMessage());
    window->exec();
    if (window)
        window->deleteLater();
}

void Form1::trendChart_Click()
{
    const history::LoadResult loaded = history::loadHistory(dataFolder());
    if (!loaded.ok) {
        showMessage(QStringLiteral("错误提示：BR   开奖记录文件无法读取，没有打开：BR   ") + loaded.error);
        return;
    }
    if (loaded.history.drawCount() == 0) {
        showMessage(QStringLiteral("提示：BR   开奖记录里还没有开奖号码。对奖以后，或者在“开奖记录/多期对奖”里"
                                   "粘贴导入往期开奖号码以后，就能看号码走势图。"));
        return;
    }
    // The window deletes itself when closed.
    auto* window = new TrendChart1(history::chartDraws(loaded.history), this);
    window->exec();
}
