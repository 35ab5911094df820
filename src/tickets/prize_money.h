// What lines cost and what their prizes are worth. The 4th to 6th prizes are fixed; the
// 1st to 3rd float with each draw's sales and are known only once announced: until then
// they are shown as the estimates of the rules text and left out of any sum.
#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

namespace tickets {

inline constexpr int kLinePrice = 2;  // 元 a line

// Lines won at each prize level 1..6, as the checks count them; index 0 unused.
using LevelCounts = std::array<int, 7>;

// The announced amounts of the floating levels 1..3 for one draw (元 a line); index 0
// unused, and so are 4..6.
using FloatingAmounts = std::array<std::optional<qint64>, 4>;

inline bool isFloating(int level) { return level >= 1 && level <= 3; }

// 元 a line of a level: the fixed amount of levels 4..6, the announced one of 1..3;
// none for an unannounced floating level or a level outside 1..6.
std::optional<qint64> prizeAmount(int level, const FloatingAmounts& announced = {});

// The amount as a player reads it: "500元", "123456元" announced, "约500万" estimated.
QString prizeAmountText(int level, const FloatingAmounts& announced = {});

qint64 linesCost(qint64 lines);

struct PrizeMoney {
    qint64 known = 0;          // 元 of every line whose amount is known
    LevelCounts unknown{};     // lines of floating levels whose amount is not yet announced
    qint64 estimate = 0;       // 元 those lines would win at the estimates
    bool allKnown() const;
};
PrizeMoney prizeMoney(const LevelCounts& won, const FloatingAmounts& announced = {});

// "本期中奖：N元", and while a floating amount is unknown
// "本期中奖：N元，另有浮动奖金：一等奖1注、三等奖2注，约570万元".
QString prizeMoneyText(const PrizeMoney& money);

}  // namespace tickets
