// Large type and large targets for every window, the toolkit's own dialogs included: the
// menus, questions and message boxes, the file and print dialogs and the tool tips are
// set in large type, and every control a finger taps is at least 44×44 design pixels.
#pragma once

#include <QtGlobal>

namespace largeType {

// The smallest text a user reads and the smallest control a user taps, at the design's
// sizes (times the windows' scale on a screen that shrinks them).
inline constexpr double kSmallestPoints = 14;
inline constexpr double kQuestionPoints = 18;  // the message window's text
inline constexpr double kMenuPoints = 16;
inline constexpr int kSmallestTap = 44;
inline constexpr int kCheckMark = 32;

// Sets the application's fonts and its touch style (idempotent). Called before the first
// window is built, once the scale is chosen.
void install();

}  // namespace largeType
