// The order-sheet layout on any ticket text.
#include "fuzz_input.h"
#include "printing/order_sheet.h"
#include "tickets/ticket_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString box = fuzz::texts(data, size, 1)[0];
    const printing::OrderSheet sheet = printing::layOutSheet(box);
    fuzz::require(sheet.acceptedLines >= 0
                      && sheet.acceptedLines <= tickets::countLineBreaks(box) + 1,
                  "no more lines accepted than the text holds");
    if (sheet.printable())
        fuzz::require(printing::documentText(sheet, QStringLiteral("2026/1/1 8:00:00"))
                          .contains(sheet.printText),
                      "the document holds the sheet");
    return 0;
}
