// Form1's "开奖记录/多期对奖": the draw history window, modal, loaded afresh at each use
// so that it shows the draws of the checks made since.
#include "app/main_window.h"

#include "history/draw_history_window.h"

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
