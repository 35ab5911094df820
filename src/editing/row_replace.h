// The row replace editor's rules: which digits its pad offers, how the pad builds the
// fields, the field check, and the replacement of one ticket line in the ticket text.
#pragma once

#include "tickets/digit_set.h"
#include "tickets/ticket_line.h"

#include <QString>
#include <QtGlobal>

namespace editing {

// Shown in the row field while the old-line field names the line instead.
inline const QString kRowPlaceholder = QStringLiteral("  —  ");

// A complete line in a number field: seven numbers, each followed by one space.
inline constexpr int kFullLineLength = tickets::kLineLength;
// What is searched and written: the line without its last space.
inline constexpr int kLineKeyLength = 20;

// Digits for the row field. A non-empty field offers each digit that keeps the row
// within allList (never above 32,767). An empty field never offers 0; it offers 1..9
// when the field is clicked (offerAllFirstDigits), else those not above allList.
tickets::DigitSet rowDigits(const QString& row, qint16 allList, bool offerAllFirstDigits = false);

// Digits for a number field, so that the pad only builds the numbers 01..36.
tickets::DigitSet numberFieldDigits(const QString& field);

// A digit pressed into a number field: the second digit of a number brings its space.
QString appendNumberDigit(const QString& field, int digit);
// Backspace in a number field: the last three characters go (all of a shorter field).
QString removeLastNumber(const QString& field);

// The row field holds a row number: decimal digits only.
bool isRowNumber(const QString& row);

// The editor's three fields and whether the row field is in use.
struct RowEditorFields {
    QString row;      // Text1
    QString oldLine;  // Text2
    QString newLine;  // Text3
    bool rowEnabled = true;
};

// The field check run around every click and press: drops what is not numeric, puts the
// placeholder into the row field while the old-line field is in use. Returns whether
// "执行替换" may be pressed.
bool checkFields(RowEditorFields& fields);

enum class ReplacePath { None, ByRow, ByContent };
ReplacePath replacePath(const RowEditorFields& fields);

struct ReplaceOutcome {
    ReplacePath path = ReplacePath::None;
    bool replaced = false;  // true: success, the editor is reset
    QString text;           // the ticket text to write back (also after some failures)
    QString message;        // the message to show; empty for no path
};

// Replaces by row number (that row only) or by content (every occurrence).
ReplaceOutcome replaceLine(const QString& boxText, const RowEditorFields& fields);

}  // namespace editing
