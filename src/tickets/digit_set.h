// The digits a digit pad offers next: bit d enables the button of digit d. The pad rules
// of the row editor and of the generator both answer with one.
#pragma once

#include <algorithm>
#include <bitset>

namespace tickets {

using DigitSet = std::bitset<10>;

// The digits first..last, clamped to 0..9.
inline DigitSet digitRange(int first, int last)
{
    DigitSet set;
    for (int d = std::max(first, 0); d <= std::min(last, 9); ++d)
        set.set(d);
    return set;
}

}  // namespace tickets
