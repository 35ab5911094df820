#include "editing/reformat.h"

#include "tickets/ticket_line.h"
#include "tickets/ticket_text.h"

#include <algorithm>

namespace editing {

namespace {

using tickets::kNumbersPerLine;
const QString kRepairedNumber = QStringLiteral("18 ");

QString deletedLineEntry(qint64 row, const QString& line)
{
    return QStringLiteral("BRBR") + QString::number(row)
           + QStringLiteral("行有错误，每行应该7个数字，每个数字两位，该行已被自动删除。BR") + line;
}

QString rangeErrorEntry(qint64 row, int position, const QString& line)
{
    return QStringLiteral("BRBR") + QString::number(row) + QStringLiteral("行的第")
           + QString::number(position)
           + QStringLiteral("位有错，须在 1-36 的范围，重置为18。BR ") + line;
}

QString formatErrorEntry(qint64 row, int position, const QString& line)
{
    return QStringLiteral("BRBR") + QString::number(row) + QStringLiteral("行的第")
           + QString::number(position)
           + QStringLiteral("位有错，格式是1个两位数字，然后空一格，这个数字自动重置为 18 。BR ")
           + line;
}

bool inNumberRange(const QString& field)
{
    qint16 value = 0;
    return tickets::toInt16Rounded(field, &value) && value >= 1 && value <= tickets::kHighestNumber;
}

// Spaces, tabs, the full-width space and the commas of chats and web pages.
bool isSeparator(QChar c)
{
    switch (c.unicode()) {
    case ' ':
    case '\t':
    case 0x3000:  // full-width space
    case ',':
    case 0xFF0C:  // "，"
    case 0x3001:  // "、"
        return true;
    default:
        return false;
    }
}

// The numbers of a line: a run of separators stands between two numbers, separators at
// either end count for nothing, and a single digit 1..9 is written with its leading zero.
QStringList lineNumbers(QStringView line)
{
    QStringList numbers;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n) {
        while (i < n && isSeparator(line[i]))
            ++i;
        const qsizetype start = i;
        while (i < n && !isSeparator(line[i]))
            ++i;
        if (i == start)
            break;
        QString number = line.mid(start, i - start).toString();
        if (number.size() == 1 && number[0] >= QLatin1Char('1') && number[0] <= QLatin1Char('9'))
            number.prepend(QLatin1Char('0'));
        numbers += number;
    }
    return numbers;
}

// A number the reformat keeps as it stands.
bool isGoodNumber(const QString& field)
{
    return tickets::isNumberField(field) && inNumberRange(field);
}

// Rebuilds one line from its first seven numbers, or returns false when it has fewer.
bool rebuildLine(qint64 row, const QString& line, QString& out, QString& report)
{
    const QStringList fields = lineNumbers(line);
    if (fields.size() < kNumbersPerLine) {
        report += deletedLineEntry(row, line);
        return false;
    }
    for (int i = 0; i < kNumbersPerLine; ++i) {
        const QString& field = fields[i];
        if (!tickets::isNumberField(field)) {
            report += formatErrorEntry(row, i + 1, line);
            out += kRepairedNumber;
        } else if (!inNumberRange(field)) {
            report += rangeErrorEntry(row, i + 1, line);
            out += kRepairedNumber;
        } else {
            out += field;
            out += QLatin1Char(' ');
        }
    }
    out += tickets::kCrLf;
    return true;
}

// A text without a line break is not validated: nothing is repaired or deleted, since
// it may be a line still being keyed. A line of good numbers only is written canonically,
// and the last number always gets its space, so that the next keyed number cannot join it.
QString tidySingleLine(const QString& text)
{
    const QStringList numbers = lineNumbers(text);
    if (!numbers.isEmpty() && std::all_of(numbers.cbegin(), numbers.cend(), isGoodNumber))
        return numbers.join(QLatin1Char(' ')) + QLatin1Char(' ');
    if (!text.isEmpty() && !text.endsWith(QLatin1Char(' ')))
        return text + QLatin1Char(' ');
    return text;
}

}  // namespace

ReformatResult reformat(const QString& boxText)
{
    ReformatResult result;
    const QString text = tickets::removeMarkers(boxText);
    if (!text.contains(tickets::kCrLf)) {
        result.text = tidySingleLine(text);
        return result;
    }
    result.validated = true;
    result.text.reserve(text.size() + text.size() / 8);

    const QStringList elements = tickets::splitLines(text);
    qint64 kept = 0;
    for (qsizetype i = 0; i < elements.size(); ++i) {
        QString line = elements[i];
        // One space just before a line break belongs to the break, as in a canonical line.
        const bool endedByBreak = i + 1 < elements.size();
        if (endedByBreak && line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        // Empty and blank lines carry no numbers: they go without a word.
        if (lineNumbers(line).isEmpty())
            continue;
        if (rebuildLine(i + 1, line, result.text, result.report))
            ++kept;
    }
    result.keptLines = tickets::clampToInt16(kept);
    return result;
}

QString reformatReportMessage(const QString& report)
{
    return QStringLiteral("错误报告：BR    在对数据进行格式化时找到有错误。BR    ") + report;
}

}  // namespace editing
