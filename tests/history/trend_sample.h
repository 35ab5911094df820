// The small history the chart's tests work out by hand, oldest first. The numbers
// followed: 01 (regular, then special), 02 (special once), 03, 04 (once), 07 (special
// once), 36 (never).
#pragma once

#include "history/draw_history.h"

#include <QStringList>
#include <vector>

namespace trendsample {

inline const QStringList kHistory = {
    QStringLiteral("01 02 03 04 05 06 07"), QStringLiteral("01 08 09 10 11 12 02"),
    QStringLiteral("13 14 15 16 17 18 01"), QStringLiteral("01 02 19 20 21 22 23"),
    QStringLiteral("24 25 26 27 28 29 03"), QStringLiteral("30 31 32 33 34 35 01")};

inline std::vector<history::Draw> draws()
{
    std::vector<history::Draw> out;
    for (const QString& line : kHistory)
        out.push_back(*history::parseDraw(line));
    return out;
}

}  // namespace trendsample
