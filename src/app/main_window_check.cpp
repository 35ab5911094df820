// Form1's "检查中奖  保存数据": applies the prize check to the boxes and saves the tickets.
#include "app/main_window.h"

#include "history/draw_history_window.h"
#include "messages/version.h"
#include "tickets/prize_check.h"
#include "tickets/ticket_entry.h"
#include "widgets/ticket_marks.h"
#include "widgets/widgets.h"

void Form1::Command1_Click()
{
    const tickets::PrizeCheck check = tickets::checkPrizes(Text88->crlfText(), Text0->text());
    Text88->setCrlfText(check.drawCleared ? check.boxBeforeCheck : check.boxText);
    Text88Rows->showMarks(check.marks);
    if (!check.cue.isEmpty())
        playCue(check.cue);
    showMessage(check.message);
    if (check.drawCleared) {
        // Cleared only after the message, so that the faulty draw is seen while it is read;
        // the status line says so instead of naming the last number keyed.
        setDraw(tickets::clearedDraw());
    }
    if (check.save) {
        QString content = check.saveText;
        saveallnum(content);
    }
    history::rememberCheckedDraw(m_session);
    setWindowTitle(version::plainCaption());
}
