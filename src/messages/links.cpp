#include "messages/links.h"

namespace links {

QString makerSiteAddress()
{
    return kMakerHost;
}

QString drawHistoryAddress()
{
    return kOperatorHost + QStringLiteral("/Lottery/ComputerLottery/c736_history.html");
}

QString feedbackText(Feedback kind, const QString& versionText)
{
    const QString program = QStringLiteral("Orvane彩票36选7对奖器v") + versionText
                            + QStringLiteral("………………");
    switch (kind) {
    case Feedback::PrizeWon:
        return QStringLiteral("我彩票中奖了，用的程序名称为：") + program
               + QStringLiteral("（方便的话请告诉我您中了几等奖，哪一期，可以的话留下QQ号或者邮箱，"
                                "我中不了奖，听听中奖的人的高兴也好，呵呵呵）");
    case Feedback::Suggestion:
        return QStringLiteral("就插件程序ID为43的说两句，程序名称为：") + program
               + QStringLiteral("我有建议或者意见，先说我的联系方式：");
    case Feedback::CustomOrder:
        return QStringLiteral("我正在用") + program
               + QStringLiteral("我想订制一个自用小软件，先说我的联系方式是：");
    }
    return QString();
}

QString feedbackAddress(const QString& feedbackText)
{
    return kMakerHost + QStringLiteral("/first02.asp?content=") + feedbackText
           + QStringLiteral("&m=#3");
}

QString versionPageAddress(const QString& versionText)
{
    return kMakerHost + QStringLiteral("/showpluspic.asp?id=43&softver=") + versionText;
}

QUrl toUrl(const QString& address)
{
    return QUrl(address, QUrl::TolerantMode);
}

}  // namespace links
