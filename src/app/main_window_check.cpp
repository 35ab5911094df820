// Form1's "检查中奖  保存数据": applies the prize check to the boxes and saves the tickets.
#include "app/main_window.h"

#include "history/draw_history.h"
#include "history/draw_history_window.h"
#include "messages/cue_literals.h"
#include "messages/speech_ui.h"
#include "messages/spoken_text.h"
#include "messages/version.h"
#include "tickets/prize_check.h"
#include "tickets/prize_money.h"
#include "tickets/ticket_entry.h"
#include "widgets/pad_line_edit.h"
#include "widgets/ticket_box.h"
#include "widgets/ticket_marks.h"

#include <QLabel>

namespace {

QString cueFor(tickets::CheckOutcome outcome)
{
    switch (outcome) {
    case tickets::CheckOutcome::Prize:
        return cues::kPrize;
    case tickets::CheckOutcome::NoPrize:
        return cues::kNoPrize;
    case tickets::CheckOutcome::NotChecked:
        break;
    }
    return QString();
}

}  // namespace

void Form1::Command1_Click()
{
    const tickets::PrizeCheck check = tickets::checkPrizes(Text88->crlfText(), Text0->text());
    Text88->setCrlfText(check.drawCleared ? check.boxBeforeCheck : check.boxText);
    Text88Rows->showMarks(check.marks);
    if (const QString cue = cueFor(check.outcome); !cue.isEmpty())
        playCue(cue);
    // What the lines won, with the draw's amounts as the history holds them.
    history::LoadResult atCheck = history::historyAtCheck(m_session);
    const QString money = check.compared
        ? tickets::prizeMoneyText(tickets::prizeMoney(
              tickets::wonLevels(check), history::announcedAmounts(atCheck, Text0->text())))
        : QString();
    // Spoken for every check that compared lines, the single line's too (which plays no cue).
    const tickets::CheckOutcome spoken = !check.compared   ? tickets::CheckOutcome::NotChecked
                                         : check.winning > 0 ? tickets::CheckOutcome::Prize
                                                             : tickets::CheckOutcome::NoPrize;
    m_session.speaker().say(
        speech::checkResultText(spoken, check.marks, check.winning > 0 ? money : QString()));
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
    history::rememberCheckedDraw(m_session, std::move(atCheck));
    if (check.compared)
        showPrizeMoney(money);
    setWindowTitle(version::plainCaption());
}

void Form1::showPrizeMoney(const QString& text)
{
    PrizeMoney->setText(text);
    PrizeMoney->show();
}
