#include "tickets/pad_state.h"

#include "tickets/ticket_line.h"

namespace tickets {

PadLock padLockOf(qint16 justPress)
{
    if (justPress == kWholePad)
        return {true, 0};
    if (justPress >= 1 && justPress <= kHighestNumber)
        return {false, justPress};
    return {};
}

}  // namespace tickets
