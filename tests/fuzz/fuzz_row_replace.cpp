// The row replace on any box text and any three editor fields.
#include "editing/row_replace.h"
#include "fuzz_input.h"
#include "tickets/ticket_text.h"

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
    return 0;
}
