// The check click with a draw history, as a ratio measured in one run:
//  (h) a click that remembers a new draw into a full history (10,000 draws) ÷ the same
//      click into an empty history (goal ≤ 1.2).
// Printed beside it: the click with 100,000 draws in the file (the first click drops the
// 90,001 oldest and says so; the clicks after it find a full history).
#include "app/main_window.h"
#include "history/draw_history.h"
#include "messages/message_window.h"
#include "support/test_files.h"
#include "support/test_support.h"
#include "tickets/ticket_text.h"
#include "widgets/pad_line_edit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace {

struct Clicks {
    double firstMs = 0;
    double medianMs = 0;
};

// Clicks with a new draw each time, on a slot of 100 lines, with `draws` in the history.
Clicks clicksWith(int draws, int runs)
{
    TestFolder folder;
    testfiles::DrawRow row;
    folder.write(history::kHistoryFileName, row.historyLines(draws));
    QString slot;
    for (int i = 0; i < 100; ++i)
        slot += QStringLiteral("01 02 03 04 05 06 07 \r\n");
    folder.write(QStringLiteral("Save00.txt"), slot);
    Form1 form(folder.path());
    form.show();
    QApplication::processEvents();
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        form.Text0->setText(row.next() + QLatin1Char(' '));
        QElapsedTimer t;
        t.start();
        form.Command1_Click();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
        QApplication::processEvents();
    }
    Clicks out;
    out.firstMs = times.front();
    std::vector<double> rest(times.begin() + 1, times.end());
    std::nth_element(rest.begin(), rest.begin() + rest.size() / 2, rest.end());
    out.medianMs = rest[rest.size() / 2];
    return out;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("lotto.sound=false"));
    CueRecorder silence;
    MessageDismisser dismiss;
    app.installEventFilter(&dismiss);
    clicksWith(0, 3);  // warm-up: fonts, caches
    const Clicks empty = clicksWith(0, 21);
    const Clicks full = clicksWith(history::kMaxDraws, 21);
    const Clicks tooLong = clicksWith(10 * history::kMaxDraws, 21);
    std::printf("check click, new draw: empty history %.1f ms, %d draws %.1f ms, "
                "%d draws in the file %.1f ms (its first click, which trims: %.1f ms)\n",
                empty.medianMs, history::kMaxDraws, full.medianMs, 10 * history::kMaxDraws,
                tooLong.medianMs, tooLong.firstMs);
    const double ratio = full.medianMs / empty.medianMs;
    std::printf("%-58s %8.2f   (goal <= 1.2) %s\n", "(h) check click, full history / empty history",
                ratio, ratio <= 1.2 ? "ok" : "OVER");
    return 0;
}
