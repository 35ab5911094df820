// Start-up on a full slot: the main window's start-up (construction, first show) with a
// slot of 32,767 lines ÷ the same with an empty slot (goal ≤ 1.5).
#include "app/main_window.h"
#include "support/test_support.h"
#include "tickets/ticket_text.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QString fullSlot(int lines)
{
    QString text;
    text.reserve(lines * 23);
    for (int i = 0; i < lines; ++i)
        for (int k = 0; k < 7; ++k)
            text += tickets::numberText(1 + (i * 7 + k * 5) % 36) + (k == 6 ? QStringLiteral(" \r\n") : QStringLiteral(" "));
    return text;
}

// Median time in milliseconds of starting the main window on the folder and showing it.
double medianStartMs(const QString& folder, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        {
            Form1 form(folder);
            form.show();
            QApplication::processEvents();
            times.push_back(double(t.nsecsElapsed()) / 1e6);
        }
        QApplication::processEvents();
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    CueRecorder cues;
    TestFolder empty;
    empty.write(QStringLiteral("Save00.txt"), QStringLiteral("\r\n"));
    TestFolder full;
    full.write(QStringLiteral("Save00.txt"), fullSlot(32767));
    medianStartMs(empty.path(), 1);  // warm-up: fonts, styles
    const double emptyMs = medianStartMs(empty.path(), 7);
    const double fullMs = medianStartMs(full.path(), 7);
    const double ratio = fullMs / emptyMs;
    std::printf("%-58s %8.2f   (goal <= 1.5) %s   [%.0f ms / %.0f ms]\n",
                "(g) start-up on 32,767 lines / on an empty slot", ratio,
                ratio <= 1.5 ? "ok" : "OVER", fullMs, emptyMs);
    return 0;
}
