// Conversions between the logic's CR LF text and a text widget's "\n" text, used at the
// widget boundary only.
#pragma once

#include <QString>

// A lone CR or LF is a line break too; wasCrLf tells whether the text had CR LF breaks only.
QString toWidgetText(const QString& crlf, bool* wasCrLf = nullptr);
QString fromWidgetText(const QString& widget);
