// The fixed help texts shown in the message window ("BR" marks a line break).
#pragma once

#include <QString>

namespace help {

// "如何算中奖：": how the prize levels are counted.
QString prizeExplanationText();

// "关于本软件：": the program with its version, the maker and the terms of use.
QString aboutText(const QString& versionText);

}  // namespace help
