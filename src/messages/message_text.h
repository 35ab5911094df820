// Message texts: one string in which every "BR" is a line break.
#pragma once

#include <QString>

namespace messages {

// Every "BR" (capital letters only) becomes CR LF, except inside text that was put in
// with asWritten().
QString brToLineBreaks(QString text);

// A piece of a message that is shown exactly as it stands (a path, a line read from a
// file): a "BR" in it stays two letters instead of becoming a line break.
QString asWritten(const QString& text);

// A line read from a file as a message quotes it: shown as written, and cut after its
// first kQuotedLineLength characters with "…", so that a line of megabytes stays a line.
inline constexpr int kQuotedLineLength = 200;
QString quotedLine(const QString& line);

// A path as the user reads it in a message: native separators, shown as written.
QString pathText(const QString& path);

// The usage text of the message window, naming the default data file in the
// data folder (shown with the platform's separators).
QString usageText(const QString& dataFolder);

// A file of a folder as the user reads its path: native separators.
QString shownPath(const QString& folder, const QString& fileName);

// The advice after a failed save, naming the folder the slot files are written to.
QString writableFolderAdvice(const QString& dataFolder);

}  // namespace messages
