// The six sound cues, as the literals the program names them by: "\sound\" + phrase + ".mp3".
#pragma once

#include <QString>

namespace cues {

inline const QString kWelcome = QStringLiteral("\\sound\\欢迎使用彩票对奖器.mp3");
inline const QString kPrize = QStringLiteral("\\sound\\恭喜您中奖了.mp3");
inline const QString kNoPrize = QStringLiteral("\\sound\\您这次没中奖.mp3");
inline const QString kUnsaved = QStringLiteral("\\sound\\彩票号未保存.mp3");
inline const QString kUseButtons = QStringLiteral("\\sound\\请用底下数字按钮输入.mp3");
inline const QString kGenerated = QStringLiteral("\\sound\\随机号码生成成功.mp3");

}  // namespace cues
