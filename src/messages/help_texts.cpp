#include "messages/help_texts.h"

#include "messages/links.h"

namespace help {

QString prizeExplanationText()
{
    return QStringLiteral(
        "如何算中奖：BR    从南粤风采福利彩票官方查到本期的中奖号码后，前六个号码，顺序不分先后，"
        "只要前6组中了4组，就是六等奖；其中最后一组是特殊号，如果中了特殊号同时，前面6组又中了4个号码"
        "就是五等奖，四等奖是前六组中五组，如同时再中特殊号就是三等奖，依此类推... "
        "BR    另外，买彩票时一般倍数都是1倍，如果累积了一千万，你中了，也只能得到500万，"
        "抽税后是400万左右。");
}

QString aboutText(const QString& versionText)
{
    return QStringLiteral("关于本软件：BROrvane彩票36选7对奖器 v") + versionText
           + QStringLiteral("BR    本软件由Orvane软件制作，免费使用，欢迎转给亲朋好友一起用，作者主页：")
           + links::makerSiteAddress()
           + QStringLiteral("。对奖结果仅供参考，请以彩票中心公布的开奖号码为准，中奖后务必拿出彩票人工"
                            "再核对一次；因使用本软件造成的任何损失由使用者自己承担。有意见或者建议，"
                            "请点“功能及说明”菜单里的“意见建议”告诉我们，谢谢使用！");
}

}  // namespace help
