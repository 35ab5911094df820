#include "tickets/prize_money.h"

#include <QStringList>

namespace tickets {

namespace {

constexpr qint64 kTenThousand = 10000;

// The fixed amounts of levels 4..6, and the estimates of 1..3 as the rules text gives them.
constexpr std::array<qint64, 7> kAmounts = {0, 5000000, 700000, 350000, 500, 100, 10};

// The floating levels by name.
const std::array<QString, 4> kFloatingNames = {QString(), QStringLiteral("一等奖"),
                                               QStringLiteral("二等奖"), QStringLiteral("三等奖")};

std::optional<qint64> announcedAmount(int level, const FloatingAmounts& announced)
{
    const std::optional<qint64>& a = announced[size_t(level)];
    return a && *a >= 0 ? a : std::nullopt;
}

// An estimate in 万 ("570万"); the estimates are whole 万.
QString tenThousandsText(qint64 yuan)
{
    return QString::number(yuan / kTenThousand) + QStringLiteral("万");
}

}  // namespace

std::optional<qint64> prizeAmount(int level, const FloatingAmounts& announced)
{
    if (level < 1 || level > 6)
        return std::nullopt;
    return isFloating(level) ? announcedAmount(level, announced) : kAmounts[size_t(level)];
}

QString prizeAmountText(int level, const FloatingAmounts& announced)
{
    if (const std::optional<qint64> amount = prizeAmount(level, announced))
        return QString::number(*amount) + QStringLiteral("元");
    return isFloating(level) ? QStringLiteral("约") + tenThousandsText(kAmounts[size_t(level)]) : QString();
}

qint64 linesCost(qint64 lines)
{
    return lines * kLinePrice;
}

bool PrizeMoney::allKnown() const
{
    return unknown == LevelCounts{};
}

PrizeMoney prizeMoney(const LevelCounts& won, const FloatingAmounts& announced)
{
    PrizeMoney money;
    for (int level = 1; level <= 6; ++level) {
        const qint64 lines = won[size_t(level)];
        if (const std::optional<qint64> amount = prizeAmount(level, announced)) {
            money.known += lines * *amount;
        } else {
            money.unknown[size_t(level)] = won[size_t(level)];
            money.estimate += lines * kAmounts[size_t(level)];
        }
    }
    return money;
}

QString prizeMoneyText(const PrizeMoney& money)
{
    QString text = QStringLiteral("本期中奖：%1元").arg(money.known);
    if (money.allKnown())
        return text;
    QStringList levels;
    for (int level = 1; level <= 3; ++level)
        if (money.unknown[size_t(level)] > 0)
            levels << kFloatingNames[size_t(level)] + QStringLiteral("%1注").arg(money.unknown[size_t(level)]);
    return text + QStringLiteral("，另有浮动奖金：") + levels.join(QStringLiteral("、"))
           + QStringLiteral("，约") + tenThousandsText(money.estimate) + QStringLiteral("元");
}

}  // namespace tickets
