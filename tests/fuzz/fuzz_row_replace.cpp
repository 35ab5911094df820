// The row replace on any box text and any three editor fields, and the editor's keys in
// any order: the offered keys only ever build numbers 01..36 and a row within the count
// (but its first digit).
#include "editing/row_replace.h"
#include "fuzz_input.h"
#include "tickets/ticket_text.h"

namespace {

// A line field keyed on the pad: whole numbers 01..36, each with its space, and at most
// one first digit waiting for its second.
bool isKeyedLine(const QString& field)
{
    for (qsizetype at = 0; at + 3 <= field.size(); at += 3) {
        const int number = field.mid(at, 2).toInt();
        if (number < 1 || number > 36 || field[at + 2] != QLatin1Char(' '))
            return false;
    }
    return field.size() <= editing::kFullLineLength && field.size() % 3 != 2;
}

void pressKeys(const QString& events, qint16 allList)
{
    editing::RowEditorState state = editing::resetEditor();
    for (const QChar event : events) {
        const int k = event.unicode() % 14;
        if (k < 10 && state.offered.test(size_t(k)))
            state = editing::pressDigit(state, k, allList);
        else if (k == 10 && state.eraseEnabled)
            state = editing::pressErase(state, allList);
        else if (k > 10 && (k != 11 || state.fields.rowEnabled) && (k != 12 || state.oldLineEnabled))
            state = editing::chooseField(state, editing::RowEditorField(k - 10), allList);
        fuzz::require(isKeyedLine(state.fields.oldLine) && isKeyedLine(state.fields.newLine),
                      "the pad builds numbers 01..36");
        // A click on the empty row field offers every first digit, whatever the count.
        fuzz::require(state.fields.row == editing::kRowPlaceholder || state.fields.row.size() <= 1
                          || state.fields.row.toInt() <= allList,
                      "the pad builds a row within the count");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QString> in = fuzz::texts(data, size, 5);
    editing::RowEditorFields fields;
    fields.row = in[1];
    fields.oldLine = in[2];
    fields.newLine = in[3];
    fields.rowEnabled = !in[4].isEmpty();
    // Both the raw fields and the fields after their check reach the replace.
    editing::replaceLine(in[0], fields);
    editing::checkFields(fields);
    const editing::ReplaceOutcome out = editing::replaceLine(in[0], fields);
    if (out.path == editing::ReplacePath::None)
        fuzz::require(!out.replaced && out.text == in[0], "no path changes nothing");
    if (out.replaced)
        fuzz::require(tickets::countLineBreaks(out.text) == tickets::countLineBreaks(in[0]),
                      "a replace keeps the number of lines");
    pressKeys(in[4], qint16(in[1].size() * 7));
    return 0;
}
