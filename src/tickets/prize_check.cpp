#include "tickets/prize_check.h"

#include "tickets/ticket_text.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <unordered_map>

namespace tickets {

namespace {

const QString kIncompleteDraw =
    QStringLiteral("BR    ▲开奖号码填写不完整，7个号码，每个号码2位数，用空格分隔；");

// The notices of a draw line that cannot be used; empty when it is fine.
QString drawNotices(const QString& draw)
{
    if (!draw.contains(QLatin1Char(' ')))
        return kIncompleteDraw;
    const LineFields fields(draw);
    if (fields.count < 7)
        return kIncompleteDraw;
    QString notices;
    for (int k = 0; k < 7; ++k) {
        if (!isNumeric(fields.field[k]))
            notices += QStringLiteral("BR    ▲开奖号码第%1个号码没填或非数字。").arg(k + 1);
        else if (fields.field[k].size() != 2)
            notices += QStringLiteral("BR    ▲开奖号码第%1个号码不是2位；").arg(k + 1);
    }
    return notices;
}

QString rowTag(int level)
{
    static const std::array<const char*, 7> tags = {
        "", "(1奖 500万) BR", "(2奖 70万) BR", "(3奖 35万) BR",
        "(4奖 500元) BR", "(5奖 100元) BR", "(6奖 10元) BR"};
    return QString::fromUtf8(tags[level]);
}

QString noPrizeMessage(int errorFree, int faulty)
{
    return QStringLiteral("对奖提示：BR   非常抱歉，您的彩票没有中奖，共搜索了%1个无错组，%2个有错组(含空值组)。")
        .arg(errorFree)
        .arg(faulty);
}

// Position of the next CR LF at or after `from`, or the text's length when there is none.
qsizetype nextLineBreak(QStringView text, qsizetype from)
{
    for (qsizetype cr = text.indexOf(QLatin1Char('\r'), from); cr >= 0;
         cr = text.indexOf(QLatin1Char('\r'), cr + 1))
        if (cr + 1 < text.size() && text[cr + 1] == QLatin1Char('\n'))
            return cr;
    return text.size();
}

// A two-character field as one number, so that fields compare as integers.
quint32 fieldKey(QStringView f)
{
    return (quint32(f[0].unicode()) << 16) | f[1].unicode();
}

// The draw as the check uses it: regular numbers 0..5 as keys, the special number as text.
struct Draw {
    bool present = false;
    std::array<quint32, 6> regular{};
    QString special;

    Draw() = default;
    explicit Draw(const LineFields& fields)
    {
        if (fields.count < 7)
            return;
        present = true;
        for (int d = 0; d < 6; ++d)
            regular[d] = fieldKey(fields.field[d]);
        special = fields.field[6].toString();
    }
    bool hasRegular(quint32 key) const
    {
        return std::find(regular.begin(), regular.end(), key) != regular.end();
    }
};

// How many distinct values among the line's fields 0..5 occur among draw fields 0..5;
// counting stops at the first field that is not a two-character number. A number
// repeated in a line counts once: no shop sells such a line. Each counted field is
// marked in `match`.
int regularMatches(const LineFields& line, const Draw& draw, std::array<quint8, 7>& match)
{
    int matches = 0;
    std::array<quint32, 6> seen{};
    for (int k = 0; k < 6 && k < line.count; ++k) {
        const QStringView f = line.field[k];
        if (!isNumberField(f))
            break;
        const quint32 key = fieldKey(f);
        seen[k] = key;
        if (std::find(seen.begin(), seen.begin() + k, key) != seen.begin() + k)
            continue;
        if (draw.hasRegular(key)) {
            ++matches;
            match[k] = kRegularMatch;
        }
    }
    return matches;
}

// The level of a complete line against a usable draw (0 for none); `match` tells which
// fields won it, and stays empty for a line that wins nothing.
int lineLevel(const LineFields& line, const Draw& draw, std::array<quint8, 7>& match)
{
    match.fill(kNoMatch);
    const bool specialEqual = line.field[6] == draw.special;
    const int level = prizeLevel(regularMatches(line, draw, match), specialEqual);
    if (level == 0)
        match.fill(kNoMatch);
    else if (specialEqual)
        match[6] = kSpecialMatch;
    return level;
}

// Finds the first row of each complete line's numbers: the six regular numbers in any
// order and the special number. Lines of two-digit numbers (nearly all) are packed
// into one integer; any other line is keyed by its text.
class RepeatFinder {
public:
    explicit RepeatFinder(qsizetype expectedLines) { m_packed.reserve(size_t(expectedLines)); }

    // The row of the first earlier line with the same numbers, or -1 (then `row` is
    // remembered as the first).
    int firstRow(const LineFields& line, int row)
    {
        quint64 packed = 0;
        if (packLine(line, &packed)) {
            const auto [at, isFirst] = m_packed.emplace(packed, row);
            return isFirst ? -1 : at->second;
        }
        const QString key = textKey(line);
        const auto at = m_other.constFind(key);
        if (at != m_other.cend())
            return *at;
        m_other.insert(key, row);
        return -1;
    }

private:
    static int decimalPair(QStringView f)
    {
        const auto digit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
        if (f.size() != 2 || !digit(f[0]) || !digit(f[1]))
            return -1;
        return (f[0].unicode() - '0') * 10 + (f[1].unicode() - '0');
    }
    static bool packLine(const LineFields& line, quint64* packed)
    {
        std::array<int, 6> regular{};
        for (int k = 0; k < 6; ++k)
            if ((regular[k] = decimalPair(line.field[k])) < 0)
                return false;
        const int special = decimalPair(line.field[6]);
        if (special < 0)
            return false;
        std::sort(regular.begin(), regular.end());
        quint64 key = 0;
        for (int v : regular)
            key = key * 100 + quint64(v);
        *packed = key * 100 + quint64(special);
        return true;
    }
    static QString textKey(const LineFields& line)
    {
        std::array<QStringView, 6> regular;
        std::copy(line.field.begin(), line.field.begin() + 6, regular.begin());
        std::sort(regular.begin(), regular.end());
        QString key;
        for (QStringView f : regular) {
            key += f;
            key += QLatin1Char(' ');
        }
        key += QLatin1Char('|');
        key += line.field[6];
        return key;
    }

    std::unordered_map<quint64, int> m_packed;
    QHash<QString, int> m_other;
};

void checkSeveralLines(const QString& ticketText, const Draw& draw, PrizeCheck& out)
{
    const bool hasDraw = draw.present;
    std::array<int, 7> perLevel{};
    QString box;
    QString rows;
    box.reserve(ticketText.size() + ticketText.size() / 8);
    RepeatFinder repeats(ticketText.size() / 21);  // a line and its break take 23 characters
    const QStringView text(ticketText);
    qsizetype start = 0;
    int boxRow = 0;  // empty lines are dropped from the box, so its rows differ from r
    for (int r = 0; start <= text.size(); ++r) {
        const qsizetype end = nextLineBreak(text, start);
        const QStringView line = text.mid(start, end - start);
        start = end + 2;
        if (line.isEmpty()) {
            ++out.faulty;
            continue;
        }
        box += line;
        box += QLatin1Char(' ');
        box += kCrLf;
        const int row = boxRow++;
        const LineFields fields(line);
        if (!fields.complete()) {
            ++out.faulty;
            continue;
        }
        ++out.errorFree;
        LineMark mark;
        mark.row = row;
        mark.firstRow = repeats.firstRow(fields, row);
        if (hasDraw)
            mark.level = lineLevel(fields, draw, mark.match);
        if (mark.level > 0 || mark.firstRow >= 0)
            out.marks.push_back(mark);
        if (mark.level == 0)
            continue;
        ++out.winning;
        ++perLevel[mark.level];
        rows += QStringLiteral("BRBR行") + QString::number(r + 1) + rowTag(mark.level) + line.toString();
    }
    out.boxText = box;
    if (!hasDraw)
        return;
    out.compared = out.errorFree > 0;
    if (rows.isEmpty()) {
        out.outcome = CheckOutcome::NoPrize;
        out.message = noPrizeMessage(out.errorFree, out.faulty);
        return;
    }
    out.outcome = CheckOutcome::Prize;
    out.message = QStringLiteral("中奖提示：BR   恭喜，您有%1组号码中奖哟，行数分别为 ").arg(out.winning)
                  + rows
                  + QStringLiteral("BR    其中一等奖%1个，二等奖%2个，三等奖%3个，四等奖%4个，五等奖%5个，六等奖%6个，")
                        .arg(perLevel[1]).arg(perLevel[2]).arg(perLevel[3])
                        .arg(perLevel[4]).arg(perLevel[5]).arg(perLevel[6])
                  + QStringLiteral("共搜索了%1个无错组，%2个有错组(含空值组)。").arg(out.errorFree).arg(out.faulty);
}

void checkOneLine(const QString& ticketText, const Draw& draw, PrizeCheck& out)
{
    out.boxText = ticketText;
    if (!ticketText.contains(QLatin1Char(' '))) {
        out.message = QStringLiteral("错误提示：BR    ▲您的彩票数据有问题，必须用空格把每一组两位数字分隔开。");
        return;
    }
    const LineFields fields(ticketText);
    if (!fields.complete()) {
        out.message = QStringLiteral("错误提示：BR    ▲请填写完整2元买到的那7个号码在一行里。");
        return;
    }
    out.errorFree = 1;
    if (!draw.present)
        return;
    out.compared = true;
    LineMark mark;
    const int level = lineLevel(fields, draw, mark.match);
    if (level == 0) {
        out.message = noPrizeMessage(1, 0);
        return;
    }
    mark.level = level;
    out.marks.push_back(mark);
    out.winning = 1;
    out.boxText += kPrizeMark;
    out.message = QStringLiteral("中奖提示：BR   您的彩票中了%1等奖，请自已到官方再校对一下，如算错了造成您的损失，本软件不承担任何责任。")
                      .arg(level);
}

}  // namespace

int prizeLevel(int regularMatches, bool specialEqual)
{
    switch (regularMatches) {
    case 6: return specialEqual ? 1 : 2;
    case 5: return specialEqual ? 3 : 4;
    case 4: return specialEqual ? 5 : 6;
    default: return 0;
    }
}

PrizeCheck checkPrizes(const QString& ticketBox, const QString& drawLine)
{
    PrizeCheck out;
    out.boxBeforeCheck = removeMarkers(ticketBox);
    out.boxText = out.boxBeforeCheck;
    if (out.boxBeforeCheck.isEmpty()) {
        out.message = QStringLiteral("错误提示：BR   请填写至少一组中奖彩票号码。");
        return out;
    }
    Draw draw;
    if (!drawLine.isEmpty()) {
        const QString notices = drawNotices(drawLine);
        if (!notices.isEmpty()) {
            out.drawCleared = true;
            out.message = QStringLiteral("错误提示：BR   开奖号码有错被清空，需重新输入。") + notices;
            return out;
        }
        draw = Draw(LineFields(drawLine));
    }
    const QString ticketText = collapseSpaces(out.boxBeforeCheck, 5);
    if (ticketText.contains(kCrLf))
        checkSeveralLines(ticketText, draw, out);
    else
        checkOneLine(ticketText, draw, out);
    out.save = !ticketText.isEmpty();
    out.saveText = ticketText;
    return out;
}

LevelCounts wonLevels(const PrizeCheck& check)
{
    LevelCounts won{};
    for (const LineMark& mark : check.marks)
        if (mark.level >= 1 && mark.level <= 6)
            ++won[mark.level];
    return won;
}

}  // namespace tickets
