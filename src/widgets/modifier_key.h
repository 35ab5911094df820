// Key presses the boxes that take no typing let pass without a word.
#pragma once

#include <Qt>

namespace keys {

// A modifier pressed alone types nothing (Shift also switches the input method).
inline bool isModifierAlone(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        return true;
    default:
        return false;
    }
}

}  // namespace keys
