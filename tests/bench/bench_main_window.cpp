// Speed of the main window on a full box, as ratios measured in one run:
//  (a) a pad press into 30,000 lines ÷ one plain pass over the text (goal ≤ 10),
//  (b) the core prize check of 32,767 lines ÷ one plain pass (goal ≤ 20),
//  (c) the whole check click at 32,767 lines ÷ one full relayout of the box (goal ≤ 1.5),
//  (d) the same click when every line wins, with all its marks (goal ≤ 1.5),
//  (e) painting one screen of the box with marks and margin ÷ without both (goal ≤ 2).
// A plain pass counts the CR LF of the text: the least any reader of it can do.
#include "app/main_window.h"
#include "messages/message_window.h"
#include "support/test_support.h"
#include "tickets/prize_check.h"
#include "tickets/ticket_text.h"
#include "widgets/pad_line_edit.h"
#include "widgets/ticket_box.h"
#include "widgets/ticket_marks.h"
#include "widgets/widget_text.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// `lines` ticket lines joined by CR LF; `number(i, k)` is field k of line i.
QString ticketText(int lines, int (*number)(int i, int k))
{
    QString text;
    text.reserve(lines * 23);
    for (int i = 0; i < lines; ++i) {
        if (i)
            text += tickets::kCrLf;
        for (int k = 0; k < 7; ++k)
            text += tickets::numberText(number(i, k)) + QLatin1Char(' ');
    }
    return text;
}

QString ticketText(int lines)
{
    return ticketText(lines, [](int i, int k) { return 1 + (i * 7 + k * 5) % 36; });
}

// Lines that all win against 01 02 03 04 05 06 07: 01 to 04 and three numbers that vary.
QString winningText(int lines)
{
    return ticketText(lines, [](int i, int k) {
        const std::array<int, 7> line{1, 2, 3, 4, 8 + i % 29, 8 + (i / 29) % 29, 1 + (i / 841) % 36};
        return line[k];
    });
}

// Median time of `runs` calls, in nanoseconds; `prepare` runs untimed before each call.
double medianNs(int runs, const std::function<void()>& work,
                const std::function<void()>& prepare = [] {})
{
    std::vector<qint64> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(t.nsecsElapsed());
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return double(times[runs / 2]);
}

// Runs the event loop, as while the user reads the report, until the message window holds
// the whole of a long report (at most 10 s).
void waitForWholeReport(Form1& form)
{
    QElapsedTimer t;
    t.start();
    while (!form.messageWindow().holdsWholeText() && t.elapsed() < 10000) {
        QThread::msleep(1);
        QApplication::processEvents();
    }
}

void report(const char* what, double ratio, double goal)
{
    std::printf("%-58s %8.2f   (goal <= %.1f) %s\n", what, ratio, goal, ratio <= goal ? "ok" : "OVER");
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    CueRecorder silence;
    TestFolder folder;
    MessageDismisser dismiss;
    app.installEventFilter(&dismiss);

    const QString full = ticketText(32767);
    const QString big = ticketText(30000);
    volatile qsizetype sink = 0;
    const double plainPass = medianNs(51, [&] { sink = full.count(tickets::kCrLf); });

    Form1 form(folder.path());
    form.show();
    QApplication::processEvents();

    // One full relayout: the whole text into the box.
    const QString widgetText = toWidgetText(full);
    const double relayout = medianNs(7, [&] {
        form.Text88->setPlainText(widgetText);
        QApplication::processEvents();
    }, [&] { form.Text88->setPlainText(QString()); QApplication::processEvents(); });

    // (a) presses into 30,000 lines and into 10 lines.
    auto pressCost = [&](const QString& start) {
        form.Text88->setCrlfText(start + tickets::kMarker);
        form.Input2W = 88;
        form.NowIsJi = 7;
        form.AllList = 30000;
        QApplication::processEvents();
        int i = 0;
        return medianNs(301, [&] {
            form.num1_Click(1 + (i++ % 36));
            QApplication::processEvents();
        });
    };
    const double pressBig = pressCost(big);
    const double pressSmall = pressCost(ticketText(10));

    // (b) the core check.
    const QString draw = QStringLiteral("01 02 03 04 05 06 07 ");
    const double check = medianNs(11, [&] { sink = tickets::checkPrizes(full, draw).winning; });

    // (c) the whole click: check, rewrite of the box, save, message.
    const double click = medianNs(7, [&] {
        form.Command1_Click();
        QApplication::processEvents();
    }, [&] {
        waitForWholeReport(form);
        form.Text88->setCrlfText(full);
        form.Text0->setText(draw);
        QApplication::processEvents();
    });

    // (d) the click when every line wins, then (e) one screen in the middle of those lines.
    const QString allWin = winningText(32767);
    const double clickAllWin = medianNs(7, [&] {
        form.Command1_Click();
        QApplication::processEvents();
    }, [&] {
        waitForWholeReport(form);
        form.Text88->setCrlfText(allWin);
        form.Text0->setText(draw);
        QApplication::processEvents();
    });
    // Its parts: the marks alone, and the report of 32,767 rows in the message window.
    const tickets::PrizeCheck allWinParts = tickets::checkPrizes(allWin, draw);
    const double marksAlone = medianNs(7, [&] {
        form.Text88Rows->showMarks(allWinParts.marks);
        QApplication::processEvents();
    }, [&] { form.Text88Rows->clearMarks(); });
    // The report shows its first lines at once; the rest follows from a worker thread.
    const double reportAlone = medianNs(7, [&] {
        form.showMessage(allWinParts.message);
        QApplication::processEvents();
    }, [&] { waitForWholeReport(form); });
    const double wholeReport = medianNs(7, [&] {
        form.showMessage(allWinParts.message);
        waitForWholeReport(form);
    });
    form.Text88->verticalScrollBar()->setValue(16000);
    QApplication::processEvents();
    const auto paintScreen = [&] { return medianNs(51, [&] { form.Text88->repaint(); }); };
    const double paintMarked = paintScreen();
    form.Text88Rows->clearMarks();
    form.Text88Rows->hide();
    form.Text88->setLeftMargin(0);
    QApplication::processEvents();
    const double paintPlain = paintScreen();
    form.Text88Rows->show();

    // Parts of the click, for reading the figures.
    const tickets::PrizeCheck parts = tickets::checkPrizes(full, draw);
    const double rewrite = medianNs(7, [&] {
        form.Text88->setCrlfText(parts.boxText);
        QApplication::processEvents();
    }, [&] { form.Text88->setCrlfText(full); QApplication::processEvents(); });
    const double save = medianNs(7, [&] {
        QString content = parts.saveText;
        form.saveallnum(content);
    });
    std::printf("click parts: check %.1f ms, box rewrite %.1f ms, save %.1f ms\n", check / 1e6,
                rewrite / 1e6, save / 1e6);
    std::printf("plain pass over 32,767 lines: %.3f ms; full relayout: %.1f ms\n", plainPass / 1e6,
                relayout / 1e6);
    std::printf("pad press: %.3f ms at 30,000 lines, %.3f ms at 10 lines\n", pressBig / 1e6,
                pressSmall / 1e6);
    report("(a) pad press at 30,000 lines / plain pass", pressBig / plainPass, 10);
    report("(b) core prize check at 32,767 lines / plain pass", check / plainPass, 20);
    report("(c) check click at 32,767 lines / full relayout", click / relayout, 1.5);
    std::printf("screen paint: %.3f ms with marks and margin, %.3f ms without\n", paintMarked / 1e6,
                paintPlain / 1e6);
    std::printf("every line winning: marks %.1f ms, report of %d rows in the message window %.1f ms "
                "(all its rows there after %.1f ms)\n",
                marksAlone / 1e6, allWinParts.winning, reportAlone / 1e6, wholeReport / 1e6);
    report("(d) check click, every line winning / full relayout", clickAllWin / relayout, 1.5);
    report("(e) screen paint with marks and margin / without", paintMarked / paintPlain, 2);
    form.SaveOK = tickets::removeMarkers(form.Text88->crlfText());
    return 0;
}
