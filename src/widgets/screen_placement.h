// Windows open inside the available area of their screen: the scale chosen from the
// screen at start-up, and a placement step for every window and dialog as it is shown.
#pragma once

#include <QSize>

class QScreen;
class QWidget;

namespace screens {

// Chooses the scale of fonts and pixel sizes from the primary screen's available area
// and places every window, the standard dialogs included, inside its screen when it is
// shown. Called once at start-up, before any window exists.
void fitWindowsToScreen();

// Shrinks the window, if it must, and moves it so that it lies inside the available
// area of its screen, its caption included. A dialog that has not been moved is left
// where it opens: centred on its parent and kept on the screen by the toolkit.
void placeInside(QWidget* window);

// The main window's first size: `natural` wide and as tall as the screen allows, so the
// extra height goes to the ticket box; maximised when the screen is smaller than that.
void sizeMainWindow(QWidget* window, const QSize& natural);

}  // namespace screens
