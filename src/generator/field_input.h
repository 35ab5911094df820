// Which digits of the generator's digit pad may be keyed next: a field click enables
// the digits its first character may be, and each digit key narrows the set so that a
// bound stays within 1..36 and the limits stay one digit.
#pragma once

#include "tickets/digit_set.h"

#include <QString>

namespace generator {

// The digits enabled by a click on the field; for a high bound box, `lowText` is the
// text of the low bound box of its position (already refilled with "1" when empty).
tickets::DigitSet digitsOnClick(qint16 code, const QString& lowText = QString());

// The digits enabled after a digit was appended; `text` is the field's text now.
tickets::DigitSet digitsAfterKey(qint16 code, const QString& text);

// The order check after a high bound's second digit: the low bound is not below it.
bool boundsOutOfOrder(const QString& lowText, const QString& highText);

}  // namespace generator
