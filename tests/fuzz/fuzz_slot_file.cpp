// The slot file reader on any bytes, as a load reads them from disk.
#include "archive/archive_files.h"
#include "fuzz_input.h"
#include "tickets/ticket_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const archive::SlotLoad load = archive::loadSlotBytes(bytes);
    if (load.refused()) {
        fuzz::require(load.slot.text.isEmpty() && load.slot.lineCount == 0,
                      "a refused file loads nothing");
        return 0;
    }
    fuzz::require(!load.slot.text.contains(tickets::kMarker), "a loaded text holds no marker");
    fuzz::require(load.slot.lineCount >= 0 && load.slot.lineCount <= bytes.count('\n') + bytes.count('\r') + 1,
                  "no more lines counted than the file holds");
    if (load.slot.lastLineCount)
        fuzz::require(*load.slot.lastLineCount >= 1, "the last line's count is a position");
    return 0;
}
