// Number entry in Form1: box clicks, the 36 number buttons with their lock, delete,
// the two clear buttons and the keyboard notice.
#include "app/main_window.h"

#include "messages/sound_cues_ui.h"
#include "messages/speech_ui.h"
#include "messages/spoken_text.h"
#include "messages/version.h"
#include "tickets/pad_state.h"
#include "tickets/ticket_entry.h"
#include "tickets/ticket_line.h"
#include "tickets/ticket_text.h"
#include "widgets/pad_line_edit.h"
#include "widgets/ticket_box.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

using tickets::kMarker;

namespace {

QString n(int v) { return QString::number(v); }

}  // namespace

void Form1::Text0_Click()
{
    Input2W = tickets::activeBox::kDraw;
    if (!freeEditOn()) {
        setPadEnabled(true);
        Command1->setEnabled(true);
    }
    const QString text = Text0->text();
    NowIsJi2 = text.isEmpty() ? 0 : tickets::clampToInt16(text.size() / 3);
    Label9->setText(QStringLiteral("开奖号码栏 输入数据中 .."));
    if (text.size() > 1)
        Text0->setCursorPosition(text.size() - 1);
}

void Form1::Text88_Click()
{
    Input2W = tickets::activeBox::kTickets;
    if (!freeEditOn()) {
        setPadEnabled(true);
        Command1->setEnabled(true);
    }
    if (Text88->isLocked()) {
        if (!Text88->crlfText().contains(kMarker))
            Text88->appendCrlf(QString(kMarker));
    } else {
        Text88->setCrlfText(tickets::removeMarkers(Text88->crlfText()));
    }
    Label9->setText(QStringLiteral("彩票号码栏 输入数据中 .. (") + n(AllList) + QStringLiteral("行)"));
    if (Text88->isLocked())
        putTicketCaretBeforeMarker();
    else
        Label9->setText(QStringLiteral("彩票号码栏 用键盘直接编辑.."));
}

void Form1::Text0_KeyDown()
{
    Label9->setText(QStringLiteral("注意：只能点下面号码按钮输入数据!!!"));
    playCue(cues::kUseButtons);
}

void Form1::Text88_KeyDown()
{
    Label9->setText(QStringLiteral("注意：只能点下面号码按钮输入数据!!!"));
    playCue(cues::kUseButtons);
    showMessage(QStringLiteral(
        "注意：BR    只能点下面号码按钮输入数据，如果您要粘贴数据，请在顶上菜单“功能及帮助”里打开允许编辑彩票数据的选项。"
        "需要注意的是，编辑完数据，务必要关闭允许编辑功能才能正常使用其它功能"));
}

void Form1::lockPadButton(int Index)
{
    // At most one number button waits for the timer: a second press moves the lock.
    Timer1->stop();
    if (const int locked = tickets::padLockOf(JustPress).button; locked != 0)
        num1[locked]->setEnabled(true);
    num1[Index]->setEnabled(false);
    JustPress = qint16(Index);
    Timer1->start();
}

void Form1::num1_Click(int Index)
{
    lockPadButton(Index);
    m_session.speaker().say(speech::numberText(Index));
    Label9->setText(tickets::numberText(Index));
    if (Input2W == tickets::activeBox::kDraw) {
        Text0->setFocus();
        const tickets::DrawEntry entry = tickets::pressIntoDraw(Text0->text(), NowIsJi2, Index);
        setDraw(entry);
        Text0->setCursorPosition(Text0->text().size());
    } else if (Input2W == tickets::activeBox::kTickets) {
        Text88->setFocus();
        const tickets::TicketEntry entry = tickets::pressIntoTickets(
            tickets::removeMarkers(Text88->crlfText()), NowIsJi, AllList, Index);
        setTickets(entry.text, entry.numbersInLine, entry.lines);
        Label9->setText(entry.status);
    }
    putTicketCaretBeforeMarker();
}

void Form1::Command5_Click()
{
    Text88->setFocus();
    // The whole pad waits for the timer.
    Timer1->stop();
    JustPress = tickets::kWholePad;
    setPadEnabled(false);
    Timer1->start();

    if (Input2W == tickets::activeBox::kDraw) {
        const tickets::DrawEntry entry = tickets::deleteFromDraw(Text0->text(), NowIsJi2);
        setDraw(entry);
        Text0->setCursorPosition(std::max<int>(0, Text0->text().size() - 1));
    } else if (Input2W == tickets::activeBox::kTickets) {
        const tickets::TicketEntry entry =
            tickets::deleteFromTickets(Text88->crlfText(), NowIsJi, AllList);
        setTickets(entry.text, entry.numbersInLine, entry.lines);
        Label9->setText(entry.status);
        putTicketCaretBeforeMarker();
    }
}

void Form1::Command2_Click()
{
    Text88->setFocus();
    setTickets(QString(), 0, 0);
    setWindowTitle(version::clearedCaption());
    Label9->setText(QStringLiteral("彩票数据已清除"));
}

void Form1::Command3_Click()
{
    Text0->clear();
    setWindowTitle(version::plainCaption());
    NowIsJi2 = 0;
    Text0->setFocus();
}
