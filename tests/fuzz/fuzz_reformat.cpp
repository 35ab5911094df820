// The free-edit reformat on any box text.
#include "editing/reformat.h"
#include "fuzz_input.h"
#include "tickets/ticket_text.h"

namespace {

// A rebuilt line: seven two-character numeric fields of value 1..36 (a sign and a digit
// such as "+4" is kept as it stands), each followed by one space.
bool isTicketLine(const QString& line)
{
    const QStringList fields = tickets::splitFields(line);
    if (fields.size() != 8 || !fields.last().isEmpty())
        return false;
    for (int i = 0; i < 7; ++i) {
        qint16 value = 0;
        if (!tickets::isNumberField(fields[i]) || !tickets::toInt16Rounded(fields[i], &value)
            || value < 1 || value > 36)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString box = fuzz::texts(data, size, 1)[0];
    const editing::ReformatResult once = editing::reformat(box);
    const editing::ReformatResult twice = editing::reformat(once.text);
    fuzz::require(twice.text == once.text, "a reformat of a reformat changes nothing");
    if (once.validated) {
        const QStringList lines = tickets::splitLines(once.text);
        int kept = 0;
        for (const QString& line : lines) {
            if (line.isEmpty())
                continue;
            fuzz::require(isTicketLine(line), "a rebuilt line is seven numbers 01..36");
            ++kept;
        }
        fuzz::require(kept == once.keptLines, "every kept line is counted");
    }
    return 0;
}
