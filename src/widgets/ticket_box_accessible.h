// What a screen reader finds in the ticket box: a list whose items are its lines, each
// named with its row, its numbers and the mark of the last check, as
// "第2行，01 02 03 04 05 06 08，二等奖" (the margin shows the same beside the line).
#pragma once

namespace ticketAccess {

// Puts the ticket box's accessible interface before Qt's own (idempotent).
void install();

}  // namespace ticketAccess
