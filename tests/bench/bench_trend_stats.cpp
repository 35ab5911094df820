// Speed of the trend chart's statistics, as a ratio measured in one run:
//  (h) the statistics of 10,000 draws (the cells' index and the footers of all draws and
//      of the last 30, 50 and 100) ÷ one plain pass over their numbers (goal ≤ 20).
// A plain pass counts each number's appearances: the least any statistic of them costs.
#include "bench_support.h"
#include "history/trend_stats.h"

#include <array>
#include <cstdio>

namespace {

constexpr int kDraws = 10000;
constexpr double kGoal = 20.0;

}  // namespace

int main()
{
    QRandomGenerator random(25);
    const std::vector<history::Draw> draws = bench::randomDraws(kDraws, random);
    volatile int sink = 0;
    const double plainPass = bench::fastestNs(51, [&] {
        std::array<int, 37> count{};
        for (const history::Draw& d : draws)
            for (const int n : d.numbers)
                ++count[size_t(n)];
        sink = count[size_t(sink % 36 + 1)];
    });
    const double statistics = bench::fastestNs(21, [&] {
        const history::TrendStats stats(draws, true);
        int sum = 0;
        for (const int last : {0, 30, 50, 100})
            sum += stats.footers(stats.firstRowOfLast(last))[0].appearances;
        sink = sum;
    });
    const double ratio = statistics / plainPass;
    std::printf("trend statistics: %.3f ms for %d draws (plain pass %.3f ms)\n", statistics / 1e6, kDraws,
                plainPass / 1e6);
    std::printf("%-58s %8.2f   (goal <= %.1f) %s\n", "(h) statistics of 10,000 draws / plain pass", ratio, kGoal,
                ratio <= kGoal ? "ok" : "OVER");
    return 0;
}
