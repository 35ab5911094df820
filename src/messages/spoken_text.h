// What read aloud says: a check's result, a message's text and a number keyed on the pad,
// as plain sentences a speech engine reads well.
#pragma once

#include "tickets/prize_check.h"

#include <QString>
#include <vector>

namespace speech {

// "共2行中奖。第3行，五等奖。" for each winning line, then `money` when given; "这次没有中奖。"
// when nothing won; "" when nothing was checked.
QString checkResultText(tickets::CheckOutcome outcome, const std::vector<tickets::LineMark>& marks,
                        const QString& money = QString());

// A message ("BR" between lines, the first line its title): its lines in order, each
// ending in a pause, without the box-drawing characters and the fences of quoted text.
QString messageText(const QString& message);

// A line of the ticket box for a screen reader: its row, its numbers and what the last
// check found on it, "第2行，01 02 03 04 05 06 08，二等奖" or "第4行，01 02 …，五等奖，同第1行";
// `mark` is null for a line without a mark.
QString lineDescription(int row, const QString& line, const tickets::LineMark* mark);

// A number of the pad, read as a number ("5" for 05).
QString numberText(int number);

}  // namespace speech
