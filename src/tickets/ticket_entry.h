// The number pad's rules for the two boxes it fills: a number press and a delete in the
// ticket box and in the draw line, each with the counters that go with the box and the
// status text it shows. Text and counters in; the new text, counters and status out.
#pragma once

#include <QString>
#include <QtGlobal>

namespace tickets {

// The ticket box after a pad step.
struct TicketEntry {
    QString text;               // the new box text, with the marker where the step puts one
    qint16 numbersInLine = 0;   // numbers in the last line
    qint16 lines = 0;           // ticket lines
    QString status;
};

// The draw line after a pad step.
struct DrawEntry {
    QString text;
    qint16 numbers = 0;  // numbers in the draw line
    QString status;
};

// Number `number` (1..36) pressed into the ticket box. `text` is the box's text without
// its markers. After the seventh number of a line the next press starts a new line; when
// the line counter is at its top no new line is started. A number that continues the last
// line joins it whatever a check or a load left after it (spaces, a line break).
TicketEntry pressIntoTickets(const QString& text, qint16 numbersInLine, qint16 lines, int number);

// The delete in the ticket box. `text` is the box's text as it stands: the delete cuts
// the last number, its space and the marker, whatever follows the last number (the
// line ends a check, a generation or a reformat leave, no marker at all).
TicketEntry deleteFromTickets(const QString& text, qint16 numbersInLine, qint16 lines);

// Complete lines (`added` of them, CR LF between them, none at the end) put after the
// box's complete lines: an incomplete last line (1 to 6 numbers) is dropped, markers and
// prize marks go, and the last line is complete afterwards.
TicketEntry appendCompleteLines(const QString& text, qint16 numbersInLine, qint16 lines,
                                const QString& completeLines, int added);

// Number `number` pressed into the draw line; the eighth number starts a new draw.
DrawEntry pressIntoDraw(const QString& text, qint16 numbers, int number);

// The delete in the draw line: its last number goes, or the whole line with the last.
DrawEntry deleteFromDraw(const QString& text, qint16 numbers);

// The empty draw line, as a delete of its last number or a check that refused it leaves it.
DrawEntry clearedDraw();

}  // namespace tickets
