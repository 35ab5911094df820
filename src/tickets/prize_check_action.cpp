// Form1's "检查中奖  保存数据": applies the prize check to the boxes and saves the tickets.
#include "app/main_window.h"

#include "app/widgets.h"
#include "messages/version.h"
#include "tickets/prize_check.h"

void Form1::Command1_Click()
{
    const tickets::PrizeCheck check = tickets::checkPrizes(Text88->crlfText(), Text0->text());
    if (check.drawCleared) {
        Text88->setCrlfText(check.boxBeforeCheck);
        Text0->clear();
        NowIsJi2 = 0;
    } else {
        Text88->setCrlfText(check.boxText);
    }
    if (!check.cue.isEmpty())
        playCue(check.cue);
    showMessage(check.message);
    if (check.save) {
        QString content = check.saveText;
        saveallnum(content);
    }
    setWindowTitle(version::plainCaption());
}
