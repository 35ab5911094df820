// The free-edit reformat: turns whatever the user typed or pasted into the ticket box
// back into canonical ticket lines (seven two-digit numbers 01..36, each followed by one
// space, every line ended by CR LF), repairing bad numbers to 18 and deleting lines with
// fewer than seven numbers. Every repair is listed in one "BR" report. Numbers may be
// separated by any run of spaces, tabs, full-width spaces and commas (", ， 、"), and a
// single digit 1..9 is read as that number with its leading zero.
#pragma once

#include <QString>
#include <QtGlobal>

namespace editing {

struct ReformatResult {
    // False when the text holds no line break at all: it is then neither repaired nor
    // cut, only written canonically when it holds good numbers only, and given a space
    // after its last character.
    bool validated = false;
    // The rebuilt text (validated), or the tidied input without markers (not validated).
    QString text;
    // Report entries, each starting with "BRBR"; empty when nothing was repaired.
    QString report;
    // Lines written to the rebuilt text.
    qint16 keptLines = 0;
};

// Reformats a ticket box text (CR LF line breaks, markers allowed anywhere).
// Applying it to its own output changes nothing.
ReformatResult reformat(const QString& boxText);

// The message the report is shown in ("错误报告：…" followed by the entries).
QString reformatReportMessage(const QString& report);

// The ticket box as free editing ends: the reformatted text, ending in the marker when it
// was rebuilt and the pad writes into the ticket box (`ticketBoxActive`), with the
// counters a load of that text derives, so that the next number goes where the text says.
struct FreeEditEnd {
    QString text;
    qint16 numbersInLine = 0;
    qint16 lines = 0;
    bool marker = false;  // the text ends in the marker: the caret goes before it
    QString report;       // as ReformatResult::report
};
FreeEditEnd endFreeEdit(const QString& boxText, bool ticketBoxActive);

}  // namespace editing
