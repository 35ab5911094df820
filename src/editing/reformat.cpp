#include "editing/reformat.h"

#include "archive/archive_files.h"
#include "tickets/ticket_line.h"
#include "tickets/ticket_text.h"

#include <QVarLengthArray>

#include <algorithm>

namespace editing {

namespace {

using tickets::kNumbersPerLine;
const QString kRepairedNumber = QStringLiteral("18 ");

QString deletedLineEntry(qint64 row, QStringView line)
{
    QString entry = QStringLiteral("BRBR") + QString::number(row)
                    + QStringLiteral("行有错误，每行应该7个数字，每个数字两位，该行已被自动删除。BR");
    entry += line;
    return entry;
}

QString rangeErrorEntry(qint64 row, int position, QStringView line)
{
    QString entry = QStringLiteral("BRBR") + QString::number(row) + QStringLiteral("行的第")
                    + QString::number(position) + QStringLiteral("位有错，须在 1-36 的范围，重置为18。BR ");
    entry += line;
    return entry;
}

QString formatErrorEntry(qint64 row, int position, QStringView line)
{
    QString entry = QStringLiteral("BRBR") + QString::number(row) + QStringLiteral("行的第")
                    + QString::number(position)
                    + QStringLiteral("位有错，格式是1个两位数字，然后空一格，这个数字自动重置为 18 。BR ");
    entry += line;
    return entry;
}

bool inNumberRange(QStringView field)
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

// The numbers of a line, as views into it: a run of separators stands between two numbers,
// separators at either end count for nothing.
using LineNumbers = QVarLengthArray<QStringView, 16>;
LineNumbers lineNumbers(QStringView line)
{
    LineNumbers numbers;
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
        numbers.append(line.mid(start, i - start));
    }
    return numbers;
}

// A single digit 1..9 is written with its leading zero.
bool needsLeadingZero(QStringView number)
{
    return number.size() == 1 && number[0] >= QLatin1Char('1') && number[0] <= QLatin1Char('9');
}

void appendNumber(QString& out, QStringView number)
{
    if (needsLeadingZero(number))
        out += QLatin1Char('0');
    out += number;
}

// A number the reformat keeps as it stands (with its leading zero, "01" … "09" are good).
bool isGoodNumber(QStringView number)
{
    return needsLeadingZero(number) || (tickets::isNumberField(number) && inNumberRange(number));
}

// Rebuilds one line from its first seven numbers, or returns false when it has fewer.
bool rebuildLine(qint64 row, QStringView line, const LineNumbers& fields, QString& out,
                 QString& report)
{
    if (fields.size() < kNumbersPerLine) {
        report += deletedLineEntry(row, line);
        return false;
    }
    for (int i = 0; i < kNumbersPerLine; ++i) {
        const QStringView field = fields[i];
        if (isGoodNumber(field)) {
            appendNumber(out, field);
            out += QLatin1Char(' ');
        } else if (!tickets::isNumberField(field)) {
            report += formatErrorEntry(row, i + 1, line);
            out += kRepairedNumber;
        } else {
            report += rangeErrorEntry(row, i + 1, line);
            out += kRepairedNumber;
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
    const LineNumbers numbers = lineNumbers(text);
    if (!numbers.isEmpty() && std::all_of(numbers.cbegin(), numbers.cend(), isGoodNumber)) {
        QString out;
        out.reserve(numbers.size() * 3);
        for (const QStringView number : numbers) {
            appendNumber(out, number);
            out += QLatin1Char(' ');
        }
        return out;
    }
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

    const QList<QStringView> elements = QStringView(text).split(tickets::kCrLf);
    qint64 kept = 0;
    for (qsizetype i = 0; i < elements.size(); ++i) {
        QStringView line = elements[i];
        // One space just before a line break belongs to the break, as in a canonical line.
        const bool endedByBreak = i + 1 < elements.size();
        if (endedByBreak && line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        // Empty and blank lines carry no numbers: they go without a word.
        const LineNumbers numbers = lineNumbers(line);
        if (numbers.isEmpty())
            continue;
        if (rebuildLine(i + 1, line, numbers, result.text, result.report))
            ++kept;
    }
    result.keptLines = tickets::clampToInt16(kept);
    return result;
}

QString reformatReportMessage(const QString& report)
{
    return QStringLiteral("错误报告：BR    在对数据进行格式化时找到有错误。BR    ") + report;
}

FreeEditEnd endFreeEdit(const QString& boxText, bool ticketBoxActive)
{
    const ReformatResult result = reformat(boxText);
    const archive::SlotText counted = archive::parseDataFileLines(archive::textLines(result.text));
    FreeEditEnd end;
    end.marker = result.validated && ticketBoxActive;
    end.text = end.marker ? result.text + tickets::kMarker : result.text;
    end.numbersInLine = counted.lastLineCount.value_or(0);
    end.lines = counted.lineCount;
    end.report = result.report;
    return end;
}

}  // namespace editing
