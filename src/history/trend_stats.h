// The statistics of the trend chart (走势图): for every draw (row) and number 01..36
// whether it was drawn there, or its omission (遗漏), and five footers per number over the
// shown rows.
//
// Kept per number: the rows it was drawn in, ascending, in one flat array (seven entries
// a draw, 280 KB for 10,000 draws). A cell is one look-up in the row's mask plus a binary
// search for its omission; the footers of any range walk only the number's appearances
// in it. Nothing is a row × number table, so building costs about one pass over the
// numbers and a chart model can ask for any cell at any time.
//
// A cell's omission counts over the whole history, so a cell shows the same whatever
// range is shown: a chart of the last 30 draws may show 45 in its newest row.
#pragma once

#include "history/draw_history.h"

#include <array>
#include <vector>

namespace history {

struct TrendCell {
    bool drawn = false;    // the number counts as drawn in this row
    bool special = false;  // it is this draw's special number (drawn or not, by the switch)
    int omission = 0;      // 0 when drawn; else draws in a row up to and including this one
                           // without it ("1" right after it was drawn), counted from the
                           // first draw when it was never drawn before
};

// Over the shown rows, for one number.
struct NumberFooter {
    int appearances = 0;      // 出现次数: shown draws with the number
    int averageOmission = 0;  // 平均遗漏: (shown − appearances) ÷ (appearances + 1), rounded half up
    int longestOmission = 0;  // 最大遗漏: the largest omission among the shown cells
    int longestRun = 0;       // 最大连出: the longest run of shown draws with it
    int currentOmission = 0;  // 当前遗漏: the newest draw's omission, 0 when drawn in it
};

// Numbers 1..36 at indexes 0..35.
using Footers = std::array<NumberFooter, 36>;

class TrendStats {
public:
    // `draws` oldest first; `withSpecial`: the special number counts as drawn (含特别号).
    TrendStats(const std::vector<Draw>& draws, bool withSpecial);

    int rows() const { return int(specials_.size()); }
    bool withSpecial() const { return withSpecial_; }
    // row 0..rows()−1, number 1..36.
    TrendCell cell(int row, int number) const;
    // The footers over rows firstRow..rows()−1.
    Footers footers(int firstRow) const;

    // The first row of a chart of the last `lastDraws` draws; 0 (all) when lastDraws ≤ 0
    // or beyond the history.
    int firstRowOfLast(int lastDraws) const;

private:
    // The rows number n was drawn in: rowsOf_[start_[n − 1]] .. rowsOf_[start_[n]] − 1.
    const int* appearancesBegin(int number) const { return rowsOf_.data() + start_[number - 1]; }
    const int* appearancesEnd(int number) const { return rowsOf_.data() + start_[number]; }

    bool withSpecial_;
    std::vector<quint64> drawn_;   // per row, bit n: number n counts as drawn
    std::vector<quint8> specials_;  // per row, the special number
    std::vector<int> rowsOf_;
    std::array<int, 37> start_{};
};

// Hot, warm and cold (热 / 温 / 冷) by 出现次数 over the shown rows.
enum class Heat { Cold, Warm, Hot };

struct HeatThresholds {
    int hotFrom = 0;   // appearances ≥ hotFrom: hot
    int coldUpTo = 0;  // appearances ≤ coldUpTo: cold; warm between
};

// The defaults for `shown` draws: with m the expected appearances of a number (shown × 7 ÷
// 36 with the special number, shown × 6 ÷ 36 without) and s their standard deviation,
// hot from m + s, cold up to m − s, each rounded half up; about a fifth of the numbers
// come out hot and a fifth cold. Never below 0, and hot always above cold. 30 draws: hot ≥ 8,
// cold ≤ 4 (without the special number: hot ≥ 7, cold ≤ 3).
HeatThresholds defaultHeatThresholds(int shown, bool withSpecial);
Heat heatOf(int appearances, const HeatThresholds& thresholds);

}  // namespace history
