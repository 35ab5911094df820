#include "tickets/ticket_entry.h"

#include "tickets/ticket_line.h"
#include "tickets/ticket_text.h"

#include <algorithm>
#include <limits>

namespace tickets {

namespace {

constexpr qint16 kMaxCounter = std::numeric_limits<qint16>::max();

// Counter arithmetic that stays inside the 16-bit range.
qint16 plusOne(qint16 v) { return v == kMaxCounter ? v : qint16(v + 1); }
qint16 minusOne(qint16 v) { return v == std::numeric_limits<qint16>::min() ? v : qint16(v - 1); }

QString n(int v) { return QString::number(v); }

// "NN (第i/共7个  第j行)"; the line started by a count above seven has no space before "(".
QString ticketStatus(const QString& nn, qint16 numbersInLine, qint16 lines, bool spaced = true)
{
    return nn + (spaced ? QStringLiteral(" (第") : QStringLiteral("(第")) + n(numbersInLine)
           + QStringLiteral("/共7个  第") + n(lines) + QStringLiteral("行)");
}

TicketEntry clearedTickets()
{
    return {QString(), 0, 0, QStringLiteral("彩票数据已清除")};
}

// The text with its last line open for the next step: the prize mark and the marker
// removed, and whatever follows the last number (the two spaces and the line break a
// check leaves after each line, the closing line break of a generation or a reformat)
// replaced by the one space after a number. A last number without its space (a slot
// file written by hand) gets it, so that the next number cannot join it.
QString withOpenLastLine(const QString& text)
{
    QString body = removeMarkers(text);
    qsizetype end = body.size();
    while (end > 0 && (body[end - 1] == QLatin1Char(' ') || body[end - 1] == QLatin1Char('\r')
                       || body[end - 1] == QLatin1Char('\n')))
        --end;
    body.truncate(end);
    if (!body.isEmpty())
        body += QLatin1Char(' ');
    return body;
}

}  // namespace

TicketEntry pressIntoTickets(const QString& text, qint16 numbersInLine, qint16 lines, int number)
{
    const QString nn = numberText(number);
    TicketEntry out{text, numbersInLine, lines, nn};
    if (out.numbersInLine == kNumbersPerLine)
        out.numbersInLine = 0;
    out.numbersInLine = plusOne(out.numbersInLine);
    const bool newLine = out.numbersInLine == 1 || out.numbersInLine > kNumbersPerLine;
    if (newLine && lines == kMaxCounter) {
        // The line counter is full: no further line can be counted, so none is started.
        out.numbersInLine = numbersInLine;
        out.status = QStringLiteral("彩票数据已达%1行，不能再增加新的一行").arg(kMaxCounter);
    } else if (out.numbersInLine == 1) {
        out.lines = plusOne(out.lines);
        if (!out.text.isEmpty())
            out.text += kCrLf;
        out.status = ticketStatus(nn, out.numbersInLine, out.lines);
        out.text += nn + QLatin1Char(' ');
    } else if (out.numbersInLine >= 2 && out.numbersInLine <= kNumbersPerLine) {
        out.status = ticketStatus(nn, out.numbersInLine, out.lines);
        // The number continues the last line, whatever a check or a load left after it.
        out.text = withOpenLastLine(out.text) + nn + QLatin1Char(' ');
    } else if (out.numbersInLine > kNumbersPerLine) {
        out.lines = plusOne(out.lines);
        out.numbersInLine = 1;
        out.text += kCrLf;
        out.status = ticketStatus(nn, out.numbersInLine, out.lines, false);
        out.text += nn + QLatin1Char(' ');
    }
    static const QString doubleBreak = kCrLf + kCrLf;
    if (out.text.contains(doubleBreak))
        out.text.replace(doubleBreak, kCrLf);
    out.text += kMarker;
    return out;
}

TicketEntry deleteFromTickets(const QString& text, qint16 numbersInLine, qint16 lines)
{
    if (text.size() < 3)
        return clearedTickets();
    // The four characters a delete cuts are the last number, its space and the marker.
    TicketEntry out{withOpenLastLine(text) + kMarker, minusOne(numbersInLine), lines, QString()};
    out.status = QStringLiteral("删除") + n(out.lines) + QStringLiteral("行第") + n(out.numbersInLine + 1)
                 + QStringLiteral("个号码 ..");
    // A text shorter than four characters loses all of it.
    out.text = out.text.left(std::max(0, int(out.text.size()) - 4)) + kMarker;
    if (out.numbersInLine <= 0) {
        // The first number of a line went: the marker ends the previous line.
        out.numbersInLine = kNumbersPerLine;
        out.lines = minusOne(out.lines);
        for (int v = 1; v <= 9; ++v) {
            if (out.text.right(v).contains(QLatin1Char(' '))) {
                out.text = out.text.left(out.text.size() - v) + QLatin1Char(' ') + kMarker;
                break;
            }
        }
    }
    if (out.text.size() == 1)
        return clearedTickets();
    return out;
}

TicketEntry appendCompleteLines(const QString& text, qint16 numbersInLine, qint16 lines,
                                const QString& completeLines, int added)
{
    QString body = withOpenLastLine(text);
    qint16 kept = lines;
    if (numbersInLine >= 1 && numbersInLine < kNumbersPerLine) {
        const qsizetype lastBreak = body.lastIndexOf(kCrLf);
        body.truncate(lastBreak < 0 ? 0 : lastBreak);
        kept = minusOne(kept);
    }
    body = withOpenLastLine(body);
    if (!body.isEmpty())
        body += kCrLf;
    const qint16 total = clampToInt16(qint64(std::max<qint16>(kept, 0)) + added);
    return {body + completeLines, qint16(added > 0 || total > 0 ? kNumbersPerLine : 0), total,
            QStringLiteral("已展开%1注到彩票栏，共%2行 ..").arg(added).arg(total)};
}

DrawEntry pressIntoDraw(const QString& text, qint16 numbers, int number)
{
    const QString nn = numberText(number);
    DrawEntry out{text + nn + QLatin1Char(' '), plusOne(numbers), QString()};
    if (out.numbers > kNumbersPerLine) {
        out.text = nn + QLatin1Char(' ');
        out.numbers = 1;
    }
    out.status = nn + QStringLiteral(" (开奖号码第") + n(out.numbers) + QStringLiteral("/共7个)");
    return out;
}

DrawEntry deleteFromDraw(const QString& text, qint16 numbers)
{
    const qint16 left = numbers > 0 ? minusOne(numbers) : numbers;
    if (left > 0)
        return {text.left(std::max(0, int(text.size()) - 3)), left,
                QStringLiteral("删除第") + n(left + 1) + QStringLiteral("个开奖号码 ..")};
    DrawEntry cleared = clearedDraw();
    cleared.numbers = left;
    return cleared;
}

DrawEntry clearedDraw()
{
    return {QString(), 0, QStringLiteral("开奖号码已全删除 ..")};
}

}  // namespace tickets
