#include "shots.h"

#include "app/main_window.h"
#include "app/session_ticket_feed.h"
#include "history/draw_history.h"
#include "tickets/multi_ticket_window.h"
#include "widgets/pad_line_edit.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace {

void pick(MultiTicket1& window, int set, std::initializer_list<int> numbers)
{
    window.Option2[size_t(set)]->click();
    for (int n : numbers)
        window.num2[size_t(n)]->click();
}

}  // namespace

void shootMultiTicket(Form1& form, ShotContext& ctx)
{
    form.setTickets(QString(), 0, 0);
    SessionTicketFeed feed(form.session());
    QPointer<MultiTicket1> window = new MultiTicket1(feed, &form);
    window->setModal(false);
    pick(*window, 0, {1, 5});
    pick(*window, 1, {10, 12, 18, 23, 27, 31});
    pick(*window, 2, {7});
    ctx.shoot(window, QStringLiteral("MultiTicket1_banker"));
    window->ExpandLines->click();
    delete window;

    // The expanded lines checked against a draw whose floating prizes are announced.
    const QString draw = QStringLiteral("01 05 10 12 18 27 07 ");
    history::History held;
    tickets::FloatingAmounts amounts;
    amounts[1] = 5123456;
    amounts[2] = 81234;
    amounts[3] = 3000;
    history::rememberDrawLine(form.dataFolder(), draw, QStringLiteral("2026/12/8 21:30:05"));
    history::setAnnouncedAmounts(form.dataFolder(), *history::parseDraw(draw), amounts, held);
    form.Text0->setText(draw);
    ctx.shootModal(QStringLiteral("message_window_banker"), [&] { form.Command1_Click(); });
    ctx.shoot(&form, QStringLiteral("main_window_prize_money"));
}
