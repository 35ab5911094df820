// The program's command line, decided before any window system starts: "--help",
// "--version" and every refusal are answered on the terminal, so they need no display, and
// a missing display is told in Chinese instead of the toolkit's abort.
#pragma once

#include <QString>
#include <QStringList>

namespace commandLine {

enum class Action {
    OpenWindow,   // start the window system and show the main window
    ShowFolders,  // print the folder choice ("--folders"); an application object, no display
    Answer,       // print `text` and end with `exitCode`; nothing is started
};

struct Request {
    Action action = Action::OpenWindow;
    int exitCode = 0;
    QString text;  // Answer: on standard output when exitCode is 0, on standard error otherwise
};

// What decides whether a window can be shown: on Linux and the other X11/Wayland systems a
// display named in the environment, or a platform chosen for the toolkit.
struct DisplayEnvironment {
    bool needsDisplay = false;  // false where the system always has its own (Windows, macOS)
    QString x11;                // DISPLAY
    QString wayland;            // WAYLAND_DISPLAY
    QString platform;           // QT_QPA_PLATFORM
};

DisplayEnvironment displayEnvironment();

// The arguments after the program's name, as the system passed them.
QStringList arguments(int argc, char* argv[]);

// Own options first (-h/--help, -v/--version, --folders); the toolkit's own (-platform X,
// -display X, -style X, -session X, …, also with two dashes) pass through to it; any
// other argument is refused with exit code 2.
Request parse(const QStringList& arguments, const DisplayEnvironment& display);

QString helpText();
QString versionText();
QString noDisplayText();

// Prints an Answer's text where it belongs and gives its exit code.
int answer(const Request& request);

// Between these two calls (around the application object's construction), a window system
// that cannot start, such as a display that is named but cannot be reached, ends the
// program with noDisplayText() and exit code 1 instead of the toolkit's abort.
void endCleanlyIfWindowSystemFails();
void windowSystemStarted();

}  // namespace commandLine
