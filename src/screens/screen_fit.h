// Fitting the windows to the screen they open on: the one scale factor for fonts and pixel
// sizes, chosen at start-up, and the place of a window inside the available area.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

namespace screens {

// The room the largest window, the main window, needs at the design's sizes: its
// minimum of about 870×690, a caption and border, and the margins that do not shrink
// with the scale. Every secondary window needs less.
inline constexpr QSize kDesignNeed{900, 760};
// The smallest factor, set by the largest texts, the ones a user must read: the ticket
// lines (21.75 points) stay at 13 points and the pad's numbers (26.25) at almost 16.
inline constexpr double kLegibleScale = 0.6;
// Room kept for a caption and border while the window manager has not said how much
// it takes.
inline constexpr QMargins kFrameAllowance{4, 32, 4, 4};

// 1 when `need` fits into `available` (or nothing is known of the screen); smaller, as
// much as the tighter side asks, but never below `floor`.
double scaleFor(const QSize& available, const QSize& need = kDesignNeed,
                double floor = kLegibleScale);

// The frame rectangle (window plus caption and border) moved and, if it must, shrunk
// to lie inside `available`; a frame that fits keeps its place as far as it can.
QRect fitInside(const QRect& frame, const QRect& available);

}  // namespace screens
