// What the benchmarks share: the fastest of several timed runs, and random draws.
#pragma once

#include "history/draw_history.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <algorithm>
#include <limits>
#include <vector>

namespace bench {

// The fastest of `runs` calls, in nanoseconds: on a shared machine the fastest run is the
// one least disturbed by other work.
template <typename Work>
double fastestNs(int runs, Work&& work)
{
    qint64 fastest = std::numeric_limits<qint64>::max();
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        fastest = std::min(fastest, t.nsecsElapsed());
    }
    return double(fastest);
}

// `count` draws of seven different numbers, in drawing order.
inline std::vector<history::Draw> randomDraws(int count, QRandomGenerator& random)
{
    std::vector<history::Draw> draws{size_t(count), history::Draw{}};
    for (history::Draw& d : draws) {
        quint64 used = 0;
        for (int k = 0; k < 7;) {
            const int n = 1 + int(random.bounded(36));
            if (used & (quint64(1) << n))
                continue;
            used |= quint64(1) << n;
            d.numbers[size_t(k++)] = n;
        }
    }
    return draws;
}

}  // namespace bench
