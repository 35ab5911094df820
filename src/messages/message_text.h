// Message texts: one string in which every "BR" is a line break.
#pragma once

#include <QString>

namespace messages {

// Every "BR" (capital letters only) becomes CR LF.
QString brToLineBreaks(QString text);

// The usage text of the message window, naming the default data file in the
// application folder (given in native form).
QString usageText(const QString& nativeAppFolder);

}  // namespace messages
