// The number pad's rules on a sequence of presses, deletes and prize checks, in the ticket
// box and in the draw line. The input: a mode byte, three 16-bit counters (numbers in the
// last line, lines, numbers in the draw line: anything the counter dialog takes), the steps
// up to the first NUL, then the box text and the draw line.
// Mode 0 starts from any text with those counters and checks what holds whatever the
// start; mode 1 starts empty and checks after every step that the counters and the text
// agree with a model of the lines and that every line is whole, with at most seven numbers.
#include "fuzz_input.h"
#include "tickets/prize_check.h"
#include "tickets/ticket_entry.h"
#include "tickets/ticket_line.h"
#include "tickets/ticket_text.h"

#include <cstring>
#include <limits>
#include <optional>
#include <vector>

namespace {

using tickets::kMarker;
using tickets::kNumbersPerLine;

// One step: the draw line or the ticket box; a delete or the press of number 1..36; or
// a prize check of the box against the draw line.
struct Step {
    bool draw;
    int number;  // 0: delete
    bool check;
};

Step stepOf(uint8_t byte)
{
    const int v = byte & 0x7f;
    return {(byte & 0x80) != 0, v % 37, v >= 120};
}

// A prize check as the main window applies it: the box it leaves, and a draw line it
// refused is cleared.
void applyCheck(QString& box, QString& draw, qint16& drawn)
{
    const tickets::PrizeCheck check = tickets::checkPrizes(box, draw);
    box = check.drawCleared ? check.boxBeforeCheck : check.boxText;
    if (check.drawCleared) {
        const tickets::DrawEntry cleared = tickets::clearedDraw();
        draw = cleared.text;
        drawn = cleared.numbers;
    }
}

qint16 counterAt(const uint8_t* data)
{
    qint16 v;
    std::memcpy(&v, data, sizeof v);
    return v;
}

bool endsWithPressed(const QString& text, int number)
{
    const QString nn = tickets::numberText(number);
    return text.size() >= 4 && text.at(text.size() - 4) == nn.at(0) && text.at(text.size() - 3) == nn.at(1)
           && text.at(text.size() - 2) == QLatin1Char(' ') && text.at(text.size() - 1) == kMarker;
}

// Any start: the steps never crash, a press never puts more than seven numbers on a line
// it started, never counts beyond seven numbers or takes a line away, and a delete never
// adds text.
void fuzzAnyStart(const QList<QString>& texts, qint16 inLine, qint16 lines, qint16 drawn,
                  const uint8_t* steps, size_t count)
{
    QString box = texts[1];
    QString draw = texts[2];
    int run = -1;  // numbers a press put on a line it started; -1 for any other line
    for (size_t i = 0; i < count; ++i) {
        const Step step = stepOf(steps[i]);
        if (step.check) {
            applyCheck(box, draw, drawn);
            run = -1;
        } else if (step.draw && step.number) {
            const tickets::DrawEntry e = tickets::pressIntoDraw(draw, drawn, step.number);
            fuzz::require(e.numbers <= kNumbersPerLine, "a draw press never counts an eighth number");
            fuzz::require(e.text.endsWith(tickets::numberText(step.number) + QLatin1Char(' ')),
                          "a draw press appends its number");
            draw = e.text;
            drawn = e.numbers;
        } else if (step.draw) {
            const tickets::DrawEntry e = tickets::deleteFromDraw(draw, drawn);
            fuzz::require(draw.startsWith(e.text), "a draw delete only cuts the end");
            fuzz::require(e.numbers <= std::max<qint16>(drawn, 0), "a draw delete never adds a number");
            draw = e.text;
            drawn = e.numbers;
        } else if (step.number) {
            const tickets::TicketEntry e =
                tickets::pressIntoTickets(tickets::removeMarkers(box), inLine, lines, step.number);
            fuzz::require(e.numbersInLine <= kNumbersPerLine || e.numbersInLine == inLine,
                          "a press never counts an eighth number (a refused one keeps the counter)");
            fuzz::require(e.lines >= lines, "a press never takes a line away");
            fuzz::require(!e.text.isEmpty() && e.text.back() == kMarker, "a press leaves the marker at the end");
            if (e.lines != lines) {
                run = 1;
            } else if (run > 0 && e.numbersInLine != inLine) {
                fuzz::require(endsWithPressed(e.text, step.number), "a press appends its number");
                ++run;
            }
            fuzz::require(run <= kNumbersPerLine, "a press never puts an eighth number on its line");
            box = e.text;
            inLine = e.numbersInLine;
            lines = e.lines;
        } else {
            const tickets::TicketEntry e = tickets::deleteFromTickets(box, inLine, lines);
            fuzz::require(e.text.size() <= box.size(), "a delete never adds text");
            fuzz::require(e.text.isEmpty() || e.text.back() == kMarker, "a delete leaves the marker at the end");
            run = -1;
            box = e.text;
            inLine = e.numbersInLine;
            lines = e.lines;
        }
    }
}

// "NN NN … " with `numbers` numbers, each 01..36 followed by one space.
bool isWholeLine(const QString& line, int numbers)
{
    if (line.size() != numbers * 3)
        return false;
    for (int i = 0; i < numbers; ++i) {
        const int n = line.mid(i * 3, 2).toInt();
        if (n < 1 || n > 36 || line.at(i * 3 + 2) != QLatin1Char(' '))
            return false;
    }
    return true;
}

// The numbers of each line of a ticket text, the markers and what a check leaves after a
// line (spaces, a closing line break) aside; none when a line is empty or holds anything
// but numbers 01..36, each followed by a space.
std::optional<std::vector<int>> numbersPerLine(const QString& text)
{
    QStringList lines = tickets::splitLines(tickets::removeMarkers(text));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    std::vector<int> counts;
    for (QString line : lines) {
        while (line.endsWith(QLatin1String("  ")))
            line.chop(1);
        if (line.isEmpty() || line.size() % 3 != 0 || !isWholeLine(line, int(line.size() / 3)))
            return std::nullopt;
        counts.push_back(int(line.size() / 3));
    }
    return counts;
}

// A consistent start: the lines the steps make are modelled as a line count and the count
// of the last line (every earlier line holds seven numbers); after every step the counters
// follow the model and every line of the text holds the numbers the model gives it.
// Until the first check the text also has the pad's own shape, its length given by the model.
void fuzzConsistentStart(const uint8_t* steps, size_t count)
{
    QString box;
    QString draw;
    qint16 inLine = 0, lines = 0, drawn = 0;
    int modelLines = 0, modelLast = 0, modelDrawn = 0;
    bool checked = false;
    for (size_t i = 0; i < count; ++i) {
        const Step step = stepOf(steps[i]);
        if (step.check) {
            // An empty box is reported before the draw line is looked at.
            const bool refused = modelLines > 0 && modelDrawn > 0 && modelDrawn < kNumbersPerLine;
            applyCheck(box, draw, drawn);
            if (refused)
                modelDrawn = 0;
            fuzz::require(drawn == modelDrawn && draw.size() == 3 * modelDrawn,
                          "a check clears a draw line it refuses, and only that");
            checked = true;
        } else if (step.draw) {
            const tickets::DrawEntry e = step.number ? tickets::pressIntoDraw(draw, drawn, step.number)
                                                     : tickets::deleteFromDraw(draw, drawn);
            modelDrawn = step.number ? modelDrawn % kNumbersPerLine + 1 : std::max(modelDrawn - 1, 0);
            draw = e.text;
            drawn = e.numbers;
            fuzz::require(drawn == modelDrawn && draw.size() == 3 * modelDrawn,
                          "the draw counter matches the draw line");
            continue;
        } else {
            const tickets::TicketEntry e =
                step.number ? tickets::pressIntoTickets(tickets::removeMarkers(box), inLine, lines, step.number)
                            : tickets::deleteFromTickets(box, inLine, lines);
            if (step.number && (modelLines == 0 || modelLast == kNumbersPerLine)) {
                ++modelLines;
                modelLast = 1;
            } else if (step.number) {
                ++modelLast;
            } else if (modelLast > 1) {
                --modelLast;
            } else {
                modelLines = std::max(modelLines - 1, 0);
                modelLast = modelLines ? kNumbersPerLine : 0;
            }
            box = e.text;
            inLine = e.numbersInLine;
            lines = e.lines;
        }
        fuzz::require(lines == modelLines && inLine == modelLast, "the ticket counters match the model");
        std::vector<int> expected(size_t(modelLines), kNumbersPerLine);
        if (modelLines)
            expected.back() = modelLast;
        fuzz::require(numbersPerLine(box) == expected,
                      "every ticket line is whole and holds the numbers the counters say");
        const int numbers = modelLines ? (modelLines - 1) * kNumbersPerLine + modelLast : 0;
        const int length = modelLines ? numbers * 3 + (modelLines - 1) * 2 + 1 : 0;
        fuzz::require(checked || box.size() == length, "the box has the pad's shape");
    }
    fuzz::require(isWholeLine(draw, modelDrawn), "the draw line is whole");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    constexpr size_t kHeader = 7;
    if (size < kHeader)
        return 0;
    const uint8_t* steps = data + kHeader;
    const size_t rest = size - kHeader;
    const auto* end = static_cast<const uint8_t*>(std::memchr(steps, 0, rest));
    const size_t count = end ? size_t(end - steps) : rest;
    if (data[0] & 1) {
        fuzzConsistentStart(steps, count);
        return 0;
    }
    // The box text and the draw line follow the steps' NUL (texts()[0] is the empty part before it).
    const QList<QString> texts = end ? fuzz::texts(end, size_t(data + size - end), 3) : QList<QString>(3);
    fuzzAnyStart(texts, counterAt(data + 1), counterAt(data + 3), counterAt(data + 5), steps, count);
    return 0;
}
