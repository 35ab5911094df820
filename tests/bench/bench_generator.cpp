// Cost of generating 32,766 lines in the custom mode, per attempt (one draw of a number
// and its tests), relative to one bare draw of the random source. Goal: at most 10.
#include "generator/generation.h"

#include <QElapsedTimer>
#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <cstdio>

using namespace generator;

namespace {

constexpr qint16 kLines = 32766;
constexpr double kGoal = 10.0;

// Nanoseconds of one call of the source, through the same interface the runs use.
double nsPerBareDraw(RandomSource& random)
{
    constexpr qint64 kDraws = 20'000'000;
    double best = 1e30;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer clock;
        clock.start();
        float sum = 0;
        for (qint64 i = 0; i < kDraws; ++i)
            sum += random.next();
        const double ns = double(clock.nsecsElapsed()) / kDraws;
        volatile float keep = sum;
        (void)keep;
        best = std::min(best, ns);
    }
    return best;
}

struct Timing {
    qint64 attempts = 0;
    double nsPerAttempt = 0;
};

// The best of three runs; the captions go where a window would take them.
Timing timeCustomRun(const Settings& settings, RandomSource& random)
{
    Timing best{0, 1e30};
    QString lastCaption;
    const CaptionSink sink = [&lastCaption](const QString& c) { lastCaption = c; };
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer clock;
        clock.start();
        const Output out = generateCustom(settings, random, sink);
        const double ns = double(clock.nsecsElapsed()) / double(std::max<qint64>(1, out.attempts));
        if (ns < best.nsPerAttempt)
            best = {out.attempts, ns};
    }
    return best;
}

void report(const char* name, const Timing& t, double drawNs)
{
    const double ratio = t.nsPerAttempt / drawNs;
    std::printf("generator, %s: %lld attempts, %.2f ns per attempt, %.2f ns per draw, "
                "ratio %.2f (goal <= %.0f) %s\n",
                name, static_cast<long long>(t.attempts), t.nsPerAttempt, drawNs, ratio, kGoal,
                ratio <= kGoal ? "ok" : "OVER GOAL");
}

}  // namespace

int main()
{
    UniformRandom random(20240607);
    const double drawNs = nsPerBareDraw(random);

    Settings defaults;
    defaults.lineCount = kLines;

    // Every row 1..2: from the second number on, every draw repeats or neighbours the
    // first, so each number spends its whole budget and is placed by a nudge.
    Settings rejecting = defaults;
    rejecting.low.fill(1);
    rejecting.high.fill(2);
    rejecting.attemptBudget = 100;

    // The figures are printed, never turned into a failure: the other benchmarks still run.
    report("custom mode, 32766 lines, default settings (budget 100)",
           timeCustomRun(defaults, random), drawNs);
    report("custom mode, 32766 lines, nearly every draw rejected (budget 100)",
           timeCustomRun(rejecting, random), drawNs);
    return 0;
}
