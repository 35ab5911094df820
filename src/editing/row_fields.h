// The row replace editor's field rules: which digits its pad offers, what a pad key and
// the delete key do to its three fields, and the field check that ends every event.
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

// The field the pad fills (the window's GoText1).
enum class RowEditorField : qint16 { None = 0, Row = 1, OldLine = 2, NewLine = 3 };

// What the editor shows besides its captions: the fields, which of them take clicks, the
// field the pad fills and the keys it offers.
struct RowEditorState {
    RowEditorFields fields;
    bool oldLineEnabled = true;
    RowEditorField active = RowEditorField::None;
    tickets::DigitSet offered;
    bool eraseEnabled = false;
    bool canReplace = false;  // "执行替换" may be pressed
};

// The editor's events. `allList` is the main window's line count, the highest row.
// "全部重置" and a fresh window: empty fields, nothing chosen, no key offered.
RowEditorState resetEditor();
// A click on a field: it becomes the one the pad fills.
RowEditorState chooseField(RowEditorState state, RowEditorField field, qint16 allList);
// A digit key. A row number and an old line exclude each other: keying one empties and
// locks the other.
RowEditorState pressDigit(RowEditorState state, int digit, qint16 allList);
// "←": the last digit of the row, or the last number of a line field.
RowEditorState pressErase(RowEditorState state, qint16 allList);

}  // namespace editing
