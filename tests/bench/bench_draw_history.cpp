// Speed of the multi-draw check, as a ratio measured in one run:
//  (f) 32,767 lines against 100 draws ÷ one plain pass over the text (goal ≤ 20).
// A plain pass counts the CR LF of the text: the least any reader of it can do.
#include "bench_support.h"
#include "history/multi_draw_check.h"
#include "tickets/ticket_text.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>
#include <vector>

namespace {

// Random lines of seven different numbers, as the generator makes them.
QString ticketText(int lines, QRandomGenerator& random)
{
    QString text;
    text.reserve(lines * 23);
    for (int i = 0; i < lines; ++i) {
        if (i)
            text += tickets::kCrLf;
        quint64 used = 0;
        for (int k = 0; k < 7;) {
            const int n = 1 + random.bounded(36);
            if (used & (quint64(1) << n))
                continue;
            used |= quint64(1) << n;
            text += tickets::numberText(n) + QLatin1Char(' ');
            ++k;
        }
    }
    return text;
}

std::vector<history::Draw> randomDraws(int count, QRandomGenerator& random)
{
    std::vector<history::Draw> draws;
    while (int(draws.size()) < count) {
        QString line;
        for (int k = 0; k < 7; ++k)
            line += tickets::numberText(1 + random.bounded(36)) + QLatin1Char(' ');
        if (const auto draw = history::parseDraw(line))
            draws.push_back(*draw);
    }
    return draws;
}

}  // namespace

int main()
{
    QRandomGenerator random(36);
    const QString full = ticketText(32767, random);
    const std::vector<history::Draw> draws = randomDraws(100, random);
    volatile qsizetype sink = 0;
    const double plainPass = bench::fastestNs(51, [&] { sink = full.count(tickets::kCrLf); });
    const double check = bench::fastestNs(11, [&] {
        sink = qsizetype(history::checkAgainstDraws(full, draws).rows.size());
    });
    const double ratio = check / plainPass;
    std::printf("multi-draw check: %.1f ms for 32,767 lines x 100 draws (%zu winning lines)\n",
                check / 1e6, size_t(history::checkAgainstDraws(full, draws).rows.size()));
    std::printf("%-58s %8.2f   (goal <= %.1f) %s\n", "(f) 32,767 lines x 100 draws / plain pass",
                ratio, 20.0, ratio <= 20.0 ? "ok" : "OVER");
    return 0;
}
