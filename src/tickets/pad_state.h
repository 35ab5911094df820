// The number pad's two pieces of state: which box it writes into, and which of its
// buttons wait for the lock timer after a press. Both are kept as the qint16 values the
// main window has always held.
#pragma once

#include <QtGlobal>

namespace tickets {

// The box the number pad writes into.
namespace activeBox {
constexpr qint16 kNone = 999;
constexpr qint16 kDraw = 0;
constexpr qint16 kTickets = 88;
}  // namespace activeBox

// The pad lock: kPadFree, a number button 1..36 (locked after its press), or kWholePad
// (locked after a delete).
constexpr qint16 kPadFree = 0;
constexpr qint16 kWholePad = -100;

// What the lock holds: the whole pad, one button (1..36), or nothing (button 0).
struct PadLock {
    bool wholePad = false;
    int button = 0;
};
PadLock padLockOf(qint16 justPress);

}  // namespace tickets
