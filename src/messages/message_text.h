// Message texts: one string in which every "BR" is a line break.
#pragma once

#include <QString>

namespace messages {

// Every "BR" (capital letters only) becomes CR LF.
QString brToLineBreaks(QString text);

// The usage text of the message window, naming the default data file in the
// data folder (shown with the platform's separators).
QString usageText(const QString& dataFolder);

// A file of a folder as the user reads its path: native separators.
QString shownPath(const QString& folder, const QString& fileName);

// The advice after a failed save, naming the folder the slot files are written to.
QString writableFolderAdvice(const QString& dataFolder);

}  // namespace messages
