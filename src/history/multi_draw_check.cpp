#include "history/multi_draw_check.h"

#include "tickets/prize_check.h"
#include "tickets/ticket_text.h"

#include <QSet>
#include <QtAlgorithms>

namespace history {

namespace {

using NumberSet = quint64;  // bit n for number n (1..36)

// A complete line as the check compares it.
struct LineNumbers {
    NumberSet regular = 0;  // values of fields 0..5, up to the first that is not a number field
    int special = 0;        // the seventh field's value, 0 when it matches no draw
};

LineNumbers lineNumbers(const tickets::LineFields& fields)
{
    LineNumbers out;
    for (int k = 0; k < 6; ++k) {
        if (!tickets::isNumberField(fields.field[k]))
            break;
        if (const int n = numberValue(fields.field[k]))
            out.regular |= NumberSet(1) << n;
    }
    out.special = numberValue(fields.field[6]);
    return out;
}

// The draws by number: bit d of word d / 64 in the row of number n is set when draw d
// holds n among its regular numbers. Adding a line's rows with a bit-sliced counter gives
// every draw's match count at once, 64 draws to a word.
// A draw marked as repeated is left out.
class DrawIndex {
public:
    DrawIndex(const std::vector<Draw>& draws, const std::vector<bool>& repeated)
        : m_words((int(draws.size()) + 63) / 64), m_rows(size_t(37 * m_words)), m_special(draws.size())
    {
        for (size_t d = 0; d < draws.size(); ++d) {
            if (repeated[d])
                continue;
            for (int k = 0; k < 6; ++k)
                m_rows[size_t(draws[d].numbers[k] * m_words) + d / 64] |= quint64(1) << (d % 64);
            m_special[d] = draws[d].numbers[6];
        }
    }

    // Calls found(draw, level) for every draw the line wins against.
    template <typename Found>
    void forEachWin(const LineNumbers& line, Found found) const
    {
        for (int w = 0; w < m_words; ++w) {
            quint64 ones = 0, twos = 0, fours = 0;
            for (NumberSet rest = line.regular; rest; rest &= rest - 1) {
                const int n = qCountTrailingZeroBits(rest);
                const quint64 has = m_rows[size_t(n * m_words + w)];
                const quint64 carry = ones & has;
                ones ^= has;
                fours |= twos & carry;
                twos ^= carry;
            }
            // Four or more matches: the only counts that can win.
            for (quint64 rest = fours; rest; rest &= rest - 1) {
                const int bit = qCountTrailingZeroBits(rest);
                const int matches = 4 + int((ones >> bit) & 1) + 2 * int((twos >> bit) & 1);
                const size_t d = size_t(w * 64 + bit);
                found(d, tickets::prizeLevel(matches, line.special != 0 && line.special == m_special[d]));
            }
        }
    }

private:
    int m_words;
    std::vector<quint64> m_rows;
    std::vector<int> m_special;
};

// Calls each(line) for every line of a text whose lines end in CR LF; a lone CR or LF
// stays inside its line, as the prize check reads it. Looks for LF only: a one-character
// search is the fastest way through a box of tens of thousands of lines.
template <typename Each>
void forEachCrLfLine(QStringView text, Each each)
{
    qsizetype start = 0;
    for (qsizetype lf = text.indexOf(QLatin1Char('\n')); lf >= 0;
         lf = text.indexOf(QLatin1Char('\n'), lf + 1)) {
        if (lf > start && text[lf - 1] == QLatin1Char('\r')) {
            each(text.mid(start, lf - 1 - start));
            start = lf + 1;
        }
    }
    each(text.mid(start));
}

// Per draw: whether an earlier draw of the list is the same draw.
std::vector<bool> repeatedDraws(const std::vector<Draw>& draws)
{
    std::vector<bool> repeated(draws.size());
    QSet<quint64> seen;
    for (size_t d = 0; d < draws.size(); ++d) {
        const quint64 key = draws[d].key();
        repeated[d] = seen.contains(key);
        seen.insert(key);
    }
    return repeated;
}

QString levelCounts(const std::array<int, 7>& perLevel)
{
    return QStringLiteral("一等奖%1个，二等奖%2个，三等奖%3个，四等奖%4个，五等奖%5个，六等奖%6个")
        .arg(perLevel[1]).arg(perLevel[2]).arg(perLevel[3])
        .arg(perLevel[4]).arg(perLevel[5]).arg(perLevel[6]);
}

int wins(const std::array<int, 7>& perLevel)
{
    int sum = 0;
    for (int level = 1; level <= 6; ++level)
        sum += perLevel[level];
    return sum;
}

}  // namespace

MultiDrawResult checkAgainstDraws(const QString& ticketBox, const std::vector<Draw>& draws)
{
    MultiDrawResult out;
    out.perDraw.assign(draws.size(), {});
    out.repeated = repeatedDraws(draws);
    const DrawIndex index(draws, out.repeated);
    out.text = tickets::cleanTicketText(ticketBox);
    if (out.text.isEmpty())
        return out;
    const QStringView text(out.text);
    int row = 0;
    forEachCrLfLine(text, [&](QStringView line) {
        ++row;
        const tickets::LineFields fields(line);
        if (line.isEmpty() || !fields.complete()) {
            ++out.faulty;
            return;
        }
        ++out.errorFree;
        const int firstWin = int(out.wins.size());
        index.forEachWin(lineNumbers(fields), [&](size_t d, int level) {
            out.wins.push_back({int(d), level});
            ++out.perDraw[d][level];
        });
        if (int(out.wins.size()) > firstWin)
            out.rows.push_back({row, line.data() - text.data(), line.size(), firstWin,
                                int(out.wins.size()) - firstWin});
    });
    return out;
}

int MultiDrawResult::level(size_t row, int draw) const
{
    const Row& r = rows[row];
    for (int i = r.firstWin; i < r.firstWin + r.winCount; ++i)
        if (wins[size_t(i)].draw == draw)
            return wins[size_t(i)].level;
    return 0;
}

QString multiDrawSummary(const MultiDrawResult& result, const QStringList& drawLabels,
                         const std::vector<tickets::FloatingAmounts>& announced)
{
    QStringList parts;
    std::array<int, 7> total{};
    int counted = 0;
    const qint64 cost = tickets::linesCost(result.errorFree);
    qint64 wonKnown = 0;
    qint64 wonEstimate = 0;
    for (size_t d = 0; d < result.perDraw.size(); ++d) {
        if (result.repeated[d]) {
            parts << QStringLiteral("%1：与前面的一期相同，不重复计算。").arg(drawLabels.value(int(d)));
            continue;
        }
        ++counted;
        const std::array<int, 7>& perLevel = result.perDraw[d];
        for (int level = 1; level <= 6; ++level)
            total[level] += perLevel[level];
        const tickets::PrizeMoney money =
            tickets::prizeMoney(perLevel, d < announced.size() ? announced[d] : tickets::FloatingAmounts{});
        wonKnown += money.known;
        wonEstimate += money.estimate;
        parts << QStringLiteral("%1：中奖%2组，其中%3。投注%4元，%5。")
                     .arg(drawLabels.value(int(d)))
                     .arg(wins(perLevel))
                     .arg(levelCounts(perLevel))
                     .arg(cost)
                     .arg(tickets::prizeMoneyText(money));
    }
    parts << QStringLiteral("合计：%1期共中奖%2次（%3组号码中过奖），其中%4。共搜索了%5个无错组，%6个有错组(含空值组)。")
                 .arg(counted)
                 .arg(wins(total))
                 .arg(result.rows.size())
                 .arg(levelCounts(total))
                 .arg(result.errorFree)
                 .arg(result.faulty);
    QString money = QStringLiteral("合计投注%1元，中奖%2元").arg(cost * counted).arg(wonKnown);
    if (wonEstimate > 0)
        money += QStringLiteral("，另有未公布的浮动奖金约%1万元").arg(wonEstimate / 10000);
    parts << money + QStringLiteral("。");
    return parts.join(QLatin1Char('\n'));
}

}  // namespace history
