// Multiple and banker tickets (复式 / 胆拖): the numbers picked on the pad, how many lines
// they make and what they cost, counted without building them, and the lines themselves,
// built one at a time in canonical order.
//
// With d bankers (0..5) and t pool numbers (d + t ≥ 6), each line is the bankers plus
// 6 − d pool numbers, and one special number not among that line's regular numbers. So a
// special number outside bankers and pool gives C(t, 6 − d) lines, one in the pool
// C(t − 1, 6 − d), one that is a banker none.
#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <vector>

namespace tickets {

inline constexpr int kMaxBankers = 5;
// The ticket box counts its lines in 16 bits.
inline constexpr int kMaxBoxLines = 32767;

// Numbers 1..36 as bit n for number n; other bits never count.
using NumberSet = quint64;

struct Picks {
    NumberSet bankers = 0;   // 胆码: regular numbers of every line
    NumberSet pool = 0;      // 拖码: the other regular numbers come from here
    NumberSet specials = 0;  // 特别号
    bool operator==(const Picks& o) const
    {
        return bankers == o.bankers && pool == o.pool && specials == o.specials;
    }
};

enum class PickSet { Bankers, Pool, Specials };

struct PickToggle {
    Picks picks;
    QString refusal;  // the message when the tap was refused ("" when taken)
};
// A tap on `number` (1..36) with `set` chosen: toggles it there. A number put among the
// bankers leaves the pool and the other way round; a sixth banker is refused.
PickToggle togglePick(const Picks& picks, PickSet set, int number);

// The lines the picks make (closed form, nothing built); 0 unless d ≤ 5 and d + t ≥ 6.
// Numbers both banker and pool count as bankers.
qint64 lineCount(const Picks& picks);

// "共N注，M元".
QString countText(qint64 lines);

// The numbers of a set, ascending, as "01 05 12"; "" for none.
QString setText(NumberSet set);

// The lines in canonical order: six regular numbers ascending, then the special; lines
// ordered by their regular numbers, then by the special.
class LineExpander {
public:
    explicit LineExpander(const Picks& picks);
    // The next line; false after the last.
    bool next(std::array<int, 7>& line);

private:
    bool nextCombination();
    void takeCombination();

    std::vector<int> bankers_;
    std::vector<int> pool_;
    std::vector<int> specials_;
    std::vector<int> chosen_;  // indexes into pool_, ascending
    std::array<int, 6> regular_{};
    NumberSet regularSet_ = 0;
    size_t special_ = 0;  // the next special number to try with regular_
    bool done_ = false;
};

struct Expansion {
    qint64 lines = 0;
    QString text;     // the lines as the ticket text writes them, joined by CR LF, no CR LF
                      // at the end; empty when refused
    QString refusal;  // the message when nothing can be expanded ("" otherwise)
};
// The lines for a box that holds `linesInBox` complete lines already: refused, before any
// line is built, when they make no line or more than the box may hold in all.
Expansion expandForBox(const Picks& picks, int linesInBox);

}  // namespace tickets
