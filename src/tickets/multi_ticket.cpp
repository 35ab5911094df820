#include "tickets/multi_ticket.h"

#include "tickets/prize_money.h"
#include "tickets/ticket_line.h"
#include "tickets/ticket_text.h"

#include <QStringList>
#include <QtAlgorithms>

namespace tickets {

namespace {

constexpr int kRegular = 6;
constexpr NumberSet kAllNumbers = ((NumberSet(1) << (kHighestNumber + 1)) - 1) & ~NumberSet(1);

NumberSet bit(int number)
{
    return NumberSet(1) << number;
}

int sizeOf(NumberSet set)
{
    return qPopulationCount(set & kAllNumbers);
}

// The picks as they count: numbers 1..36 only, a number in both sets a banker.
Picks normalized(const Picks& p)
{
    Picks n;
    n.bankers = p.bankers & kAllNumbers;
    n.pool = p.pool & kAllNumbers & ~n.bankers;
    n.specials = p.specials & kAllNumbers;
    return n;
}

std::vector<int> numbersOf(NumberSet set)
{
    std::vector<int> out;
    for (NumberSet m = set & kAllNumbers; m; m &= m - 1)
        out.push_back(qCountTrailingZeroBits(m));
    return out;
}

// C(n, k), 0 when k < 0 or k > n; exact in 64 bits for n ≤ 36.
qint64 choose(int n, int k)
{
    if (k < 0 || k > n)
        return 0;
    qint64 c = 1;
    for (int i = 0; i < k; ++i)
        c = c * (n - i) / (i + 1);
    return c;
}

// "NN " for one number, as the ticket text writes it.
void appendNumber(QString& out, int n)
{
    out += QLatin1Char(char('0' + n / 10));
    out += QLatin1Char(char('0' + n % 10));
    out += QLatin1Char(' ');
}

QString noLineReason(const Picks& p)
{
    if (sizeOf(p.bankers) + sizeOf(p.pool) < kRegular)
        return QStringLiteral("错误提示：BR   胆码和拖码合计至少要选6个。");
    if (sizeOf(p.specials) == 0)
        return QStringLiteral("错误提示：BR   请至少选1个特别号。");
    return QStringLiteral("错误提示：BR   所选的特别号每注都已是基本号码，展不出一注，请另选特别号。");
}

}  // namespace

PickToggle togglePick(const Picks& picks, PickSet set, int number)
{
    PickToggle out{picks, QString()};
    if (number < 1 || number > kHighestNumber)
        return out;
    const NumberSet b = bit(number);
    Picks& p = out.picks;
    switch (set) {
    case PickSet::Bankers:
        if (!(p.bankers & b) && sizeOf(p.bankers) >= kMaxBankers) {
            out.refusal = QStringLiteral("提示：BR   胆码最多选5个。");
            return out;
        }
        p.bankers ^= b;
        p.pool &= ~b;
        break;
    case PickSet::Pool:
        p.pool ^= b;
        p.bankers &= ~b;
        break;
    case PickSet::Specials:
        p.specials ^= b;
        break;
    }
    return out;
}

qint64 lineCount(const Picks& picks)
{
    const Picks p = normalized(picks);
    const int d = sizeOf(p.bankers);
    const int t = sizeOf(p.pool);
    if (d > kMaxBankers || d + t < kRegular)
        return 0;
    const int k = kRegular - d;
    const int inPool = sizeOf(p.specials & p.pool);
    const int outside = sizeOf(p.specials & ~p.pool & ~p.bankers);
    return outside * choose(t, k) + inPool * choose(t - 1, k);
}

QString countText(qint64 lines)
{
    return QStringLiteral("共%1注，%2元").arg(lines).arg(linesCost(lines));
}

QString setText(NumberSet set)
{
    QStringList numbers;
    for (const int n : numbersOf(set))
        numbers << numberText(n);
    return numbers.join(QLatin1Char(' '));
}

LineExpander::LineExpander(const Picks& picks)
{
    const Picks p = normalized(picks);
    bankers_ = numbersOf(p.bankers);
    pool_ = numbersOf(p.pool);
    specials_ = numbersOf(p.specials);
    const int k = kRegular - int(bankers_.size());
    done_ = int(bankers_.size()) > kMaxBankers || int(pool_.size()) < k || specials_.empty();
    if (done_)
        return;
    for (int i = 0; i < k; ++i)
        chosen_.push_back(i);
    takeCombination();
}

// The next k-subset of the pool in lexicographic order. Since the bankers are outside the
// pool, that is also the order of the lines' sorted regular numbers.
bool LineExpander::nextCombination()
{
    const int k = int(chosen_.size());
    const int t = int(pool_.size());
    int i = k - 1;
    while (i >= 0 && chosen_[size_t(i)] == t - k + i)
        --i;
    if (i < 0)
        return false;
    ++chosen_[size_t(i)];
    for (int j = i + 1; j < k; ++j)
        chosen_[size_t(j)] = chosen_[size_t(j - 1)] + 1;
    return true;
}

// The regular numbers of the current subset with the bankers, merged in ascending order.
void LineExpander::takeCombination()
{
    size_t b = 0;
    size_t c = 0;
    regularSet_ = 0;
    for (int& n : regular_) {
        const bool banker = c == chosen_.size()
                            || (b < bankers_.size() && bankers_[b] < pool_[size_t(chosen_[c])]);
        n = banker ? bankers_[b++] : pool_[size_t(chosen_[c++])];
        regularSet_ |= bit(n);
    }
    special_ = 0;
}

bool LineExpander::next(std::array<int, 7>& line)
{
    while (!done_) {
        while (special_ < specials_.size()) {
            const int s = specials_[special_++];
            if (regularSet_ & bit(s))
                continue;
            std::copy(regular_.begin(), regular_.end(), line.begin());
            line[6] = s;
            return true;
        }
        done_ = !nextCombination();
        if (!done_)
            takeCombination();
    }
    return false;
}

Expansion expandForBox(const Picks& picks, int linesInBox)
{
    Expansion out;
    out.lines = lineCount(picks);
    const qint64 total = qMax(linesInBox, 0) + out.lines;
    if (out.lines == 0) {
        out.refusal = noLineReason(normalized(picks));
        return out;
    }
    if (total > kMaxBoxLines) {
        out.refusal = QStringLiteral("错误提示：BR   展开后共%1注，彩票栏将有%2行，超过最多的%3行，请少选几个号码。")
                          .arg(out.lines)
                          .arg(total)
                          .arg(kMaxBoxLines);
        return out;
    }
    out.text.reserve(qsizetype(out.lines) * (kLineLength + 2));
    LineExpander expander(picks);
    std::array<int, 7> line;
    while (expander.next(line)) {
        if (!out.text.isEmpty())
            out.text += kCrLf;
        for (const int n : line)
            appendNumber(out.text, n);
    }
    return out;
}

}  // namespace tickets
