// Number entry in Form1: box clicks, the 36 number buttons with their lock, delete,
// the two clear buttons and the keyboard notice.
#include "app/main_window.h"

#include "app/widgets.h"
#include "messages/sound_cues.h"
#include "messages/version.h"
#include "tickets/ticket_text.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <limits>

using tickets::kCrLf;
using tickets::kMarker;

namespace {

constexpr qint16 kMaxCounter = std::numeric_limits<qint16>::max();

// Counter arithmetic that stays inside the 16-bit range.
qint16 plusOne(qint16 v) { return v == kMaxCounter ? v : qint16(v + 1); }
qint16 minusOne(qint16 v) { return v == std::numeric_limits<qint16>::min() ? v : qint16(v - 1); }

QString n(int v) { return QString::number(v); }

}  // namespace

void Form1::Text0_Click()
{
    Input2W = 0;
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
    Input2W = 88;
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

void Form1::num1_Click(int Index)
{
    // The pad lock: at most one number button waits for the timer.
    if (JustPress < 1) {
        num1[Index]->setEnabled(false);
        Timer1->stop();
        JustPress = qint16(Index);
        Timer1->start();
    } else {
        Timer1->stop();
        if (JustPress <= 36)
            num1[JustPress]->setEnabled(true);
        num1[Index]->setEnabled(false);
        JustPress = qint16(Index);
        Timer1->start();
    }
    const QString nn = tickets::numberText(Index);
    Label9->setText(nn);

    if (Input2W == 0) {
        Text0->setFocus();
        NowIsJi2 = plusOne(NowIsJi2);
        Text0->setText(Text0->text() + nn + QLatin1Char(' '));
        if (NowIsJi2 > 7) {
            Text0->setText(nn + QLatin1Char(' '));
            NowIsJi2 = 1;
        }
        Label9->setText(nn + QStringLiteral(" (开奖号码第") + n(NowIsJi2) + QStringLiteral("/共7个)"));
        Text0->setCursorPosition(Text0->text().size());
    } else if (Input2W == 88) {
        Text88->setFocus();
        const qint16 before = NowIsJi;
        if (NowIsJi == 7)
            NowIsJi = 0;
        QString text = tickets::removeMarkers(Text88->crlfText());
        NowIsJi = plusOne(NowIsJi);
        const bool newLine = NowIsJi == 1 || NowIsJi > 7;
        if (newLine && AllList == kMaxCounter) {
            // The line counter is full: no further line can be counted, so none is started.
            NowIsJi = before;
            Label9->setText(QStringLiteral("彩票数据已达%1行，不能再增加新的一行").arg(kMaxCounter));
        } else if (NowIsJi == 1) {
            AllList = plusOne(AllList);
            if (!text.isEmpty())
                text += kCrLf;
            Label9->setText(nn + QStringLiteral(" (第") + n(NowIsJi) + QStringLiteral("/共7个  第")
                            + n(AllList) + QStringLiteral("行)"));
            text += nn + QLatin1Char(' ');
        } else if (NowIsJi >= 2 && NowIsJi <= 7) {
            Label9->setText(nn + QStringLiteral(" (第") + n(NowIsJi) + QStringLiteral("/共7个  第")
                            + n(AllList) + QStringLiteral("行)"));
            text += nn + QLatin1Char(' ');
        } else if (NowIsJi > 7) {
            AllList = plusOne(AllList);
            NowIsJi = 1;
            text += kCrLf;
            Label9->setText(nn + QStringLiteral("(第") + n(NowIsJi) + QStringLiteral("/共7个  第")
                            + n(AllList) + QStringLiteral("行)"));
            text += nn + QLatin1Char(' ');
        }
        static const QString doubleBreak = kCrLf + kCrLf;
        if (text.contains(doubleBreak))
            text.replace(doubleBreak, kCrLf);
        text += kMarker;
        Text88->setCrlfText(text);
    }
    putTicketCaretBeforeMarker();
}

void Form1::Command5_Click()
{
    Text88->setFocus();
    Timer1->stop();
    JustPress = -100;
    setPadEnabled(false);
    Timer1->start();

    if (Input2W == 0) {
        if (NowIsJi2 > 0)
            NowIsJi2 = minusOne(NowIsJi2);
        if (NowIsJi2 > 0) {
            QString text = Text0->text();
            text.chop(3);
            Text0->setText(text);
            Label9->setText(QStringLiteral("删除第") + n(NowIsJi2 + 1) + QStringLiteral("个开奖号码 .."));
            Text0->setCursorPosition(std::max<int>(0, Text0->text().size() - 1));
        } else {
            Text0->clear();
            Label9->setText(QStringLiteral("开奖号码已全删除 .."));
            Text0->setCursorPosition(0);
        }
        return;
    }
    if (Input2W != 88)
        return;

    QString text = Text88->crlfText();
    if (text.size() >= 3) {
        NowIsJi = minusOne(NowIsJi);
        Label9->setText(QStringLiteral("删除") + n(AllList) + QStringLiteral("行第") + n(NowIsJi + 1)
                        + QStringLiteral("个号码 .."));
        // A text shorter than four characters loses all of it.
        text = text.left(std::max(0, int(text.size()) - 4)) + kMarker;
        if (NowIsJi <= 0) {
            // The first number of a line went: the marker ends the previous line.
            NowIsJi = 7;
            AllList = minusOne(AllList);
            for (int v = 1; v <= 9; ++v) {
                if (text.right(v).contains(QLatin1Char(' '))) {
                    text = text.left(text.size() - v) + QStringLiteral(" ") + kMarker;
                    break;
                }
            }
        }
        if (text.size() == 1) {
            NowIsJi = 0;
            text.clear();
            AllList = 0;
            Label9->setText(QStringLiteral("彩票数据已清除"));
        }
    } else {
        NowIsJi = 0;
        text.clear();
        AllList = 0;
        Label9->setText(QStringLiteral("彩票数据已清除"));
    }
    Text88->setCrlfText(text);
    putTicketCaretBeforeMarker();
    if (text.isEmpty())
        NowIsJi = 0;
}

void Form1::Command2_Click()
{
    Text88->setFocus();
    Text88->setCrlfText(QString());
    NowIsJi = 0;
    AllList = 0;
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
