#include "generator/field_input.h"

#include "generator/settings.h"

namespace generator {

using tickets::DigitSet;
using tickets::digitRange;

namespace {

DigitSet limitDigits() { return digitRange(0, 0) | digitRange(2, 4); }

int firstDigit(const QString& text)
{
    return text.isEmpty() ? 0 : text.at(0).digitValue();
}

}  // namespace

DigitSet digitsOnClick(qint16 code, const QString& lowText)
{
    if (code == kLineCountField || code == kBudgetField)
        return digitRange(0, 9);
    if (code == kConsecutiveField || code == kEqualField)
        return limitDigits();
    if (isLowField(code))
        return digitRange(1, 9);
    if (isHighField(code)) {
        // The high bound's first digit cannot lie below the low bound's (up to 3);
        // after a one-digit low bound any first digit 1..9 may follow.
        DigitSet d = digitRange(firstDigit(lowText), 3);
        d.set(3);
        if (lowText.size() == 1)
            d |= digitRange(1, 9);
        return d;
    }
    return {};
}

DigitSet digitsAfterKey(qint16 code, const QString& text)
{
    if (code == kLineCountField || code == kBudgetField)
        return digitRange(0, 9);
    if (code == kConsecutiveField || code == kEqualField)
        return {};
    if ((isLowField(code) || isHighField(code)) && text.size() == 1) {
        const int first = firstDigit(text);
        if (isLowField(code) ? first < 3 : (first == 1 || first == 2))
            return digitRange(0, 9);
        if (first == 3)
            return isLowField(code) ? digitRange(0, 5) : digitRange(0, 6);
    }
    return {};
}

bool boundsOutOfOrder(const QString& lowText, const QString& highText)
{
    return readSetting(lowText) >= readSetting(highText);
}

}  // namespace generator
