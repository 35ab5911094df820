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

// The text a delete cuts: the four characters it takes are a number, its space and the
// marker. A text without the marker (a slot just opened, a single line just checked) gets
// it at its end first, and so does one with a closing line break after its last line (a
// generation, a reformat), the marker taking the break's place; the prize mark is display
// only. Without this the delete takes the break or the mark instead of the number, or
// leaves the number before it without its space for the next one to fuse with. The two
// spaces and the break a check of several lines leaves after each line are cut as they stand.
QString deletableText(const QString& text)
{
    QString body = QString(text).remove(kPrizeMark);
    if (body.endsWith(kMarker))
        body.chop(1);
    static const QString checkedLineEnd = QStringLiteral("  ") + kCrLf;
    if (body.endsWith(checkedLineEnd))
        return text;
    if (body.endsWith(kCrLf))
        body.chop(kCrLf.size());
    // A last number without its space (a slot file written by hand) is cut like one with it.
    if (!body.isEmpty() && !body.endsWith(QLatin1Char(' ')))
        body += QLatin1Char(' ');
    return body + kMarker;
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
        // A last number without its space (a slot file written by hand) must not join the new one.
        if (!out.text.isEmpty() && !out.text.endsWith(QLatin1Char(' ')) && !out.text.endsWith(kCrLf))
            out.text += QLatin1Char(' ');
        out.text += nn + QLatin1Char(' ');
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
    TicketEntry out{deletableText(text), minusOne(numbersInLine), lines, QString()};
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
    return {QString(), left, QStringLiteral("开奖号码已全删除 ..")};
}

}  // namespace tickets
