// The prize check on any ticket text and draw line.
#include "fuzz_input.h"
#include "tickets/prize_check.h"
#include "tickets/ticket_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QString> in = fuzz::texts(data, size, 2);
    const tickets::PrizeCheck check = tickets::checkPrizes(in[0], in[1]);
    fuzz::require(check.winning >= 0 && check.winning <= check.errorFree, "winning lines are error-free");
    fuzz::require(check.faulty >= 0, "faulty count is not negative");
    fuzz::require(!(check.drawCleared && check.save), "a cleared draw line saves nothing");
    fuzz::require(!check.saveText.contains(tickets::kMarker), "the saved text holds no marker");
    return 0;
}
