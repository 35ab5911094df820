// How the program draws what a user reads, chosen in "功能及说明": high contrast (dark
// text on white, light text on black, at 7:1 or more) and the size of the reading type
// (the ticket box, the draw line and the message window). One state for the program; the
// windows ask it when they are built and the main window again when it changes.
#pragma once

#include <QColor>
#include <QFont>

namespace look {

// Switches the application's palette between the system's and the high-contrast one.
void setHighContrast(bool on);
bool highContrast();
// A text colour: `normal`, or black in high contrast.
QColor textColour(const QColor& normal);
// A background behind text: `normal`, or white in high contrast.
QColor backgroundColour(const QColor& normal);

// The reading type's size in percent of the design (100, 125 or 150).
void setReadingPercent(int percent);
int readingPercent();
// `font` enlarged to the reading size.
QFont readingFont(QFont font);
// A design width enlarged to the reading size.
int readingWidth(int width);

}  // namespace look
