// Speed of a multiple ticket's expansion, as a ratio measured in one run:
//  (k) expanding 32,032 lines (16 pool numbers, 4 special numbers) into a box of 735
//      lines, 32,767 in all, from the tap on "展开到彩票栏" until the box is laid out ÷
//      one full relayout of the box with 32,767 lines (goal ≤ 1.5).
#include "app/main_window.h"
#include "app/session_ticket_feed.h"
#include "bench_support.h"
#include "support/test_support.h"
#include "tickets/multi_ticket_window.h"
#include "tickets/ticket_text.h"
#include "widgets/ticket_box.h"
#include "widgets/widget_text.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <cstdio>

namespace {

constexpr double kGoal = 1.5;
constexpr int kBoxLines = 735;

QString ticketText(int lines)
{
    QString text;
    for (int i = 0; i < lines; ++i) {
        if (i)
            text += tickets::kCrLf;
        for (int k = 0; k < 7; ++k)
            text += tickets::numberText(1 + (i * 7 + k * 5) % 36) + QLatin1Char(' ');
    }
    return text;
}

void pick(MultiTicket1& window, int set, std::initializer_list<int> numbers)
{
    window.Option2[size_t(set)]->click();
    for (int n : numbers)
        window.num2[size_t(n)]->click();
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    CueRecorder silence;
    TestFolder folder;
    MessageDismisser dismiss;
    app.installEventFilter(&dismiss);
    Form1 form(folder.path());
    form.show();
    QApplication::processEvents();

    const QString full = toWidgetText(ticketText(tickets::kMaxBoxLines));
    const double relayout = bench::fastestNs(7, [&] {
        form.Text88->setPlainText(QString());
        QApplication::processEvents();
        form.Text88->setPlainText(full);
        QApplication::processEvents();
    });
    const double clearOnly = bench::fastestNs(7, [&] {
        form.Text88->setPlainText(QString());
        QApplication::processEvents();
    });

    const QString start = ticketText(kBoxLines);
    SessionTicketFeed feed(form.session());
    double expand = 0;
    for (int run = 0; run < 5; ++run) {
        form.setTickets(start, 7, kBoxLines);
        QApplication::processEvents();
        // The window deletes itself once closed, as the expansion closes it.
        QPointer<MultiTicket1> window = new MultiTicket1(feed, &form);
        window->setModal(false);
        window->show();
        pick(*window, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
        pick(*window, 2, {33, 34, 35, 36});
        QApplication::processEvents();
        const double t = bench::fastestNs(1, [&] {
            window->ExpandLines->click();
            QApplication::processEvents();
        });
        delete window;
        expand = run == 0 ? t : std::min(expand, t);
        if (form.AllList != tickets::kMaxBoxLines) {
            std::printf("expansion left %d lines, not %d\n", int(form.AllList), tickets::kMaxBoxLines);
            return 1;
        }
    }
    const double fullRelayout = relayout - clearOnly;
    std::printf("expansion into the box: %.1f ms; full relayout of 32,767 lines: %.1f ms\n", expand / 1e6,
                fullRelayout / 1e6);
    const double ratio = expand / fullRelayout;
    std::printf("%-58s %8.2f   (goal <= %.1f) %s\n", "(k) expanding 32,032 lines into the box / relayout",
                ratio, kGoal, ratio <= kGoal ? "ok" : "OVER");
    form.SaveOK = tickets::removeMarkers(form.Text88->crlfText());
    return 0;
}
