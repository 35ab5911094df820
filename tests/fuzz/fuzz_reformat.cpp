// The free-edit reformat on any box text.
#include "editing/reformat.h"
#include "fuzz_input.h"
#include "tickets/ticket_text.h"

namespace {

// A rebuilt line: seven two-character numeric fields of value 1..36 (a sign and a digit
// such as "+4" is kept as it stands), each followed by one space.
bool isTicketLine(QStringView line)
{
    if (line.size() != 7 * 3)
        return false;
    for (int i = 0; i < 7; ++i) {
        const QStringView field = line.mid(i * 3, 2);
        qint16 value = 0;
        if (line[i * 3 + 2] != QLatin1Char(' ') || !tickets::isNumberField(field)
            || !tickets::toInt16Rounded(field, &value) || value < 1 || value > 36)
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
        int kept = 0;
        for (const QStringView line : QStringView(once.text).split(tickets::kCrLf)) {
            if (line.isEmpty())
                continue;
            fuzz::require(isTicketLine(line), "a rebuilt line is seven numbers 01..36");
            ++kept;
        }
        fuzz::require(kept == once.keptLines, "every kept line is counted");
    }
    return 0;
}
