#include "history/trend_stats.h"

#include <QtAlgorithms>
#include <algorithm>
#include <cmath>

namespace history {

namespace {

constexpr int kHighest = 36;

// The numbers that count as drawn in a draw, bit n for number n; numbers outside 1..36
// are left out.
quint64 drawnMask(const Draw& draw, bool withSpecial)
{
    quint64 mask = 0;
    for (int k = 0; k < (withSpecial ? 7 : 6); ++k) {
        const int n = draw.numbers[k];
        if (n >= 1 && n <= kHighest)
            mask |= quint64(1) << n;
    }
    return mask;
}

// (numerator ÷ denominator) rounded half up, both ≥ 0, denominator > 0.
int roundedQuotient(int numerator, int denominator)
{
    return (2 * numerator + denominator) / (2 * denominator);
}

int roundedHalfUp(double value)
{
    return int(std::floor(value + 0.5));
}

}  // namespace

TrendStats::TrendStats(const std::vector<Draw>& draws, bool withSpecial)
    : withSpecial_(withSpecial)
{
    const size_t rows = draws.size();
    drawn_.resize(rows);
    specials_.resize(rows);
    std::array<int, 37> count{};
    for (size_t r = 0; r < rows; ++r) {
        const quint64 mask = drawnMask(draws[r], withSpecial);
        drawn_[r] = mask;
        const int special = draws[r].numbers[6];
        specials_[r] = quint8(special >= 1 && special <= kHighest ? special : 0);
        for (quint64 m = mask; m; m &= m - 1)
            ++count[qCountTrailingZeroBits(m)];
    }
    for (int n = 1; n <= kHighest; ++n)
        start_[n] = start_[n - 1] + count[n];
    rowsOf_.resize(size_t(start_[kHighest]));
    std::array<int, 37> next = start_;  // next free slot of number n at next[n − 1]
    for (size_t r = 0; r < rows; ++r)
        for (quint64 m = drawn_[r]; m; m &= m - 1)
            rowsOf_[size_t(next[qCountTrailingZeroBits(m) - 1]++)] = int(r);
}

TrendCell TrendStats::cell(int row, int number) const
{
    TrendCell c;
    if (row < 0 || row >= rows() || number < 1 || number > kHighest)
        return c;
    c.special = specials_[size_t(row)] == number;
    c.drawn = (drawn_[size_t(row)] >> number) & 1;
    if (!c.drawn) {
        const int* begin = appearancesBegin(number);
        const int* after = std::upper_bound(begin, appearancesEnd(number), row);
        c.omission = row - (after == begin ? -1 : after[-1]);
    }
    return c;
}

Footers TrendStats::footers(int firstRow) const
{
    firstRow = std::clamp(firstRow, 0, rows());
    const int shown = rows() - firstRow;
    const int last = rows() - 1;
    Footers out{};
    if (shown == 0)
        return out;
    for (int n = 1; n <= kHighest; ++n) {
        NumberFooter& f = out[size_t(n - 1)];
        const int* begin = appearancesBegin(n);
        const int* end = appearancesEnd(n);
        const int* first = std::lower_bound(begin, end, firstRow);
        f.appearances = int(end - first);
        f.averageOmission = roundedQuotient(shown - f.appearances, f.appearances + 1);
        // Before each shown appearance ends a run without it; its last cell holds the
        // run's omission when that cell is shown.
        int previous = first == begin ? -1 : first[-1];
        int run = 0;
        for (const int* p = first; p != end; ++p) {
            if (*p - 1 >= firstRow)
                f.longestOmission = std::max(f.longestOmission, *p - 1 - previous);
            run = *p == previous + 1 && p != first ? run + 1 : 1;
            f.longestRun = std::max(f.longestRun, run);
            previous = *p;
        }
        f.currentOmission = last - previous;
        f.longestOmission = std::max(f.longestOmission, f.currentOmission);
    }
    return out;
}

int TrendStats::firstRowOfLast(int lastDraws) const
{
    return lastDraws <= 0 || lastDraws >= rows() ? 0 : rows() - lastDraws;
}

HeatThresholds defaultHeatThresholds(int shown, bool withSpecial)
{
    const double p = (withSpecial ? 7.0 : 6.0) / kHighest;
    const double expected = std::max(shown, 0) * p;
    const double deviation = std::sqrt(expected * (1 - p));
    HeatThresholds t;
    t.coldUpTo = std::max(roundedHalfUp(expected - deviation), 0);
    t.hotFrom = std::max(roundedHalfUp(expected + deviation), t.coldUpTo + 1);
    return t;
}

Heat heatOf(int appearances, const HeatThresholds& thresholds)
{
    if (appearances >= thresholds.hotFrom)
        return Heat::Hot;
    if (appearances <= thresholds.coldUpTo)
        return Heat::Cold;
    return Heat::Warm;
}

}  // namespace history
