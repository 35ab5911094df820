#include "editing/row_fields.h"

#include "tickets/ticket_text.h"

#include <algorithm>

namespace editing {

using tickets::DigitSet;
using tickets::digitRange;

namespace {

QString withoutSpaces(QString text)
{
    text.remove(QLatin1Char(' '));
    return text;
}

// A number field's length when a first digit waits for its second: 1, 4, …, 19.
bool secondDigitDue(qsizetype length)
{
    return length % 3 == 1 && length < kFullLineLength;
}

const QString& activeText(const RowEditorState& state)
{
    static const QString none;
    switch (state.active) {
    case RowEditorField::Row:
        return state.fields.row;
    case RowEditorField::OldLine:
        return state.fields.oldLine;
    case RowEditorField::NewLine:
        return state.fields.newLine;
    case RowEditorField::None:
        break;
    }
    return none;
}

// The keys the pad offers for the active field; a click on the empty row field offers
// every first digit.
DigitSet offeredFor(const RowEditorState& state, qint16 allList, bool clicked)
{
    if (state.active == RowEditorField::Row)
        return rowDigits(state.fields.row, allList, clicked);
    if (state.active == RowEditorField::None)
        return {};
    return numberFieldDigits(activeText(state));
}

RowEditorState checked(RowEditorState state)
{
    state.canReplace = checkFields(state.fields);
    return state;
}

}  // namespace

DigitSet rowDigits(const QString& row, qint16 allList, bool offerAllFirstDigits)
{
    DigitSet set{};
    if (row.isEmpty()) {
        for (int k = 1; k <= 9; ++k)
            set[k] = offerAllFirstDigits || k <= allList;
        return set;
    }
    // A row of six or more digits is beyond any 16-bit count already.
    if (!isRowNumber(row) || row.size() > 5)
        return set;
    const qint64 base = row.toLongLong() * 10;
    for (int k = 0; k <= 9; ++k)
        set[k] = base + k <= allList;
    return set;
}

DigitSet numberFieldDigits(const QString& field)
{
    const qsizetype length = field.size();
    if (length >= kFullLineLength)
        return DigitSet{};
    if (secondDigitDue(length)) {
        const QChar first = field.back();
        if (first == QLatin1Char('3'))
            return digitRange(0, 6);
        if (first == QLatin1Char('0'))
            return digitRange(1, 9);
        return digitRange(0, 9);
    }
    return digitRange(0, 3);
}

QString appendNumberDigit(const QString& field, int digit)
{
    QString out = field + QString::number(digit);
    if (secondDigitDue(field.size()))
        out += QLatin1Char(' ');
    return out;
}

QString removeLastNumber(const QString& field)
{
    return field.left(std::max<qsizetype>(0, field.size() - 3));
}

bool isRowNumber(const QString& row)
{
    if (row.isEmpty())
        return false;
    for (const QChar c : row)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

bool checkFields(RowEditorFields& fields)
{
    if (!fields.row.isEmpty() && !tickets::isNumeric(fields.row))
        fields.row.clear();
    if (!fields.oldLine.isEmpty()) {
        if (tickets::isNumeric(withoutSpaces(fields.oldLine))) {
            fields.row = kRowPlaceholder;
            fields.rowEnabled = false;
        } else {
            fields.oldLine.clear();
        }
    }
    if (!fields.newLine.isEmpty() && !tickets::isNumeric(withoutSpaces(fields.newLine)))
        fields.newLine.clear();
    return fields.newLine.size() == kFullLineLength
           && (isRowNumber(fields.row) || fields.oldLine.size() == kFullLineLength);
}

RowEditorState resetEditor()
{
    return RowEditorState{};
}

RowEditorState chooseField(RowEditorState state, RowEditorField field, qint16 allList)
{
    state = checked(std::move(state));
    state.active = field;
    state.eraseEnabled = !activeText(state).isEmpty();
    state.offered = offeredFor(state, allList, true);
    return state;
}

RowEditorState pressDigit(RowEditorState state, int digit, qint16 allList)
{
    RowEditorFields& f = state.fields;
    switch (state.active) {
    case RowEditorField::Row:
        f.row += QString::number(digit);
        f.oldLine.clear();
        state.oldLineEnabled = false;
        break;
    case RowEditorField::OldLine:
        f.oldLine = appendNumberDigit(f.oldLine, digit);
        f.row = kRowPlaceholder;
        f.rowEnabled = false;
        break;
    case RowEditorField::NewLine:
        f.newLine = appendNumberDigit(f.newLine, digit);
        break;
    case RowEditorField::None:
        return checked(std::move(state));
    }
    state.eraseEnabled = true;
    state.offered = offeredFor(state, allList, false);
    return checked(std::move(state));
}

RowEditorState pressErase(RowEditorState state, qint16 allList)
{
    RowEditorFields& f = state.fields;
    switch (state.active) {
    case RowEditorField::Row:
        f.row.chop(1);
        state.oldLineEnabled = f.row.isEmpty();
        if (f.row.isEmpty()) {
            state.eraseEnabled = false;
            f.oldLine.clear();
        }
        break;
    case RowEditorField::OldLine:
        f.oldLine = removeLastNumber(f.oldLine);
        if (f.oldLine.isEmpty()) {
            state.eraseEnabled = false;
            f.row.clear();
            f.rowEnabled = true;
        }
        break;
    case RowEditorField::NewLine:
        f.newLine = removeLastNumber(f.newLine);
        break;
    case RowEditorField::None:
        return checked(std::move(state));
    }
    state.offered = offeredFor(state, allList, false);
    return checked(std::move(state));
}

}  // namespace editing
