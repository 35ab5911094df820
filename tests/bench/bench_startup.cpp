// Start-up on a full slot, as the user waits for it: the time from starting the program
// until its main window is shown, with a slot of 32,767 lines ÷ the same with an empty
// slot (goal ≤ 1.5). Each start is a child process (this program with "--start FOLDER").
// Printed after it: the start with each kind of odd file where a slot's files belong (a
// pipe, a link to /dev/zero, a 5 MB time file, a link to nothing), its message dismissed
// at once.
#include "app/main_window.h"
#include "support/test_support.h"
#include "tickets/ticket_text.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/stat.h>
#include <vector>

namespace {

QString fullSlot(int lines)
{
    QString text;
    text.reserve(lines * 23);
    for (int i = 0; i < lines; ++i)
        for (int k = 0; k < 7; ++k)
            text += tickets::numberText(1 + (i * 7 + k * 5) % 36)
                    + (k == 6 ? QStringLiteral(" \r\n") : QStringLiteral(" "));
    return text;
}

// The child: start the main window on the folder, show it, and end.
int startOnce(int argc, char* argv[])
{
    QApplication app(argc, argv);
    CueRecorder cues;
    ModalWatcher modals;  // an odd file's message
    Form1 form(QString::fromLocal8Bit(argv[2]));
    form.show();
    QApplication::processEvents();
    return 0;
}

// Median wall time in milliseconds of `runs` starts of a child on the folder.
double medianStartMs(const QString& program, const QString& folder, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer t;
        t.start();
        child.start(program, {QStringLiteral("--start"), folder});
        if (!child.waitForFinished(60000)) {
            child.kill();
            child.waitForFinished(10000);
        }
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--start") == 0)
        return startOnce(argc, argv);
    QCoreApplication app(argc, argv);
    TestFolder empty;
    empty.write(QStringLiteral("Save00.txt"), QStringLiteral("\r\n"));
    TestFolder full;
    full.write(QStringLiteral("Save00.txt"), fullSlot(32767));
    const QString self = QCoreApplication::applicationFilePath();
    medianStartMs(self, empty.path(), 1);  // warm-up: fonts, caches
    const double emptyMs = medianStartMs(self, empty.path(), 5);
    const double fullMs = medianStartMs(self, full.path(), 5);
    const double ratio = fullMs / emptyMs;
    std::printf("%-58s %8.2f   (goal <= 1.5) %s   [%.0f ms / %.0f ms]\n",
                "(g) start-up on 32,767 lines / on an empty slot", ratio,
                ratio <= 1.5 ? "ok" : "OVER", fullMs, emptyMs);
    const std::vector<std::pair<const char*, std::function<bool(const QString&)>>> oddFiles = {
        {"t0.txt a pipe", [](const QString& f) { return ::mkfifo(QFile::encodeName(f + "/t0.txt").constData(), 0600) == 0; }},
        {"t0.txt a link to /dev/zero", [](const QString& f) { return QFile::link("/dev/zero", f + "/t0.txt"); }},
        {"t0.txt of 5 MB", [](const QString& f) {
             QFile t(f + "/t0.txt");
             return t.open(QIODevice::WriteOnly) && t.write(QByteArray(5 << 20, '9')) == (5 << 20);
         }},
        {"Save00.txt a pipe", [](const QString& f) { return ::mkfifo(QFile::encodeName(f + "/Save00.txt").constData(), 0600) == 0; }},
        {"Save00.txt a link to nothing", [](const QString& f) { return QFile::link(f + "/gone", f + "/Save00.txt"); }},
        {"draws.txt a pipe", [](const QString& f) { return ::mkfifo(QFile::encodeName(f + "/draws.txt").constData(), 0600) == 0; }}};
    for (const auto& [what, make] : oddFiles) {
        TestFolder odd;
        if (!make(odd.path())) {
            std::printf("start-up with %s: could not be made\n", what);
            continue;
        }
        std::printf("start-up with %-30s %6.0f ms\n", what, medianStartMs(self, odd.path(), 3));
    }
    return 0;
}
