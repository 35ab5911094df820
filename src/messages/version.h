// The program's name and version as its captions, links and order sheet show them.
#pragma once

#include "messages/version_number.h"

#include <QString>

namespace version {

inline QString text() { return QString::number(kMajor) + QLatin1Char('.') + QString::number(kMinor); }
inline QString programName() { return QStringLiteral("Orvane彩票36选7对奖器"); }

// "Orvane彩票36选7对奖器 vM.N": the caption at start-up.
inline QString startCaption() { return programName() + QStringLiteral(" v") + text(); }
// "Orvane彩票36选7对奖器vM.N": after clearing the tickets or generating.
inline QString clearedCaption() { return programName() + QStringLiteral("v") + text(); }
// "Orvane彩票36选7对奖器M.N": after clearing the draw, a prize check, an update check.
inline QString plainCaption() { return programName() + text(); }

}  // namespace version
