// The windows name their faces as the design does (黑体, 宋体, 隶书); these are mapped
// once to installed faces, before any widget exists.
#pragma once

#include <QFont>
#include <QString>

namespace fonts {

inline const QString kHei = QStringLiteral("黑体");
inline const QString kSong = QStringLiteral("宋体");
inline const QString kLi = QStringLiteral("隶书");

// Maps the design faces to installed CJK faces (idempotent).
void installSubstitutions();

// A design face at a size in points, times the windows' scale.
QFont font(const QString& face, double points, bool bold = false);

// The one factor for every font and every pixel size of the windows (1 = the design's
// sizes). Set once at start-up, before any window exists.
void setScale(double factor);
double scale();
// A design size in pixels, times the scale.
int px(int designPixels);

}  // namespace fonts
