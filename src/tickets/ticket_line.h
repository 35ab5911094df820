// The shape of a ticket line: how many numbers it holds, the highest number, and the
// length of a complete line as the ticket text writes it.
#pragma once

namespace tickets {

inline constexpr int kNumbersPerLine = 7;
inline constexpr int kHighestNumber = 36;
// Seven two-digit numbers, each followed by one space.
inline constexpr int kLineLength = kNumbersPerLine * 3;

}  // namespace tickets
