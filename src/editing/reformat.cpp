#include "editing/reformat.h"

#include "tickets/ticket_line.h"
#include "tickets/ticket_text.h"

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

// Rebuilds one line from its first seven fields, or returns false when it has fewer.
bool rebuildLine(qint64 row, const QString& line, QString& out, QString& report)
{
    const QStringList fields = tickets::splitFields(line);
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

}  // namespace

ReformatResult reformat(const QString& boxText)
{
    ReformatResult result;
    const QString text = tickets::removeMarkers(boxText);
    if (!text.contains(tickets::kCrLf)) {
        result.text = text;
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
        if (line.trimmed().isEmpty())
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
