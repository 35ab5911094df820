// The web addresses as they are built (fixed paths and queries, the version in every
// link, the feedback texts, "&m=#3" closing every feedback link) and the about text.
#include "messages/help_texts.h"
#include "messages/links.h"

#include <QTest>

using links::Feedback;
Q_DECLARE_METATYPE(links::Feedback)

class LinksTest : public QObject {
    Q_OBJECT
private slots:
    void feedbackLinks_data();
    void feedbackLinks();
    void fixedPages();
    void addressesOpenAsWritten();
    void aboutTextNamesTheVersion();
};

void LinksTest::feedbackLinks_data()
{
    QTest::addColumn<Feedback>("kind");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("text");
    QTest::newRow("prize won") << Feedback::PrizeWon << "9.87"
        << "我彩票中奖了，用的程序名称为：Orvane彩票36选7对奖器v9.87………………（方便的话请告诉我"
           "您中了几等奖，哪一期，可以的话留下QQ号或者邮箱，我中不了奖，听听中奖的人的高兴也好，呵呵呵）";
    QTest::newRow("custom order") << Feedback::CustomOrder << "9.87"
        << "我正在用Orvane彩票36选7对奖器v9.87………………我想订制一个自用小软件，先说我的联系方式是：";
    QTest::newRow("suggestion") << Feedback::Suggestion << "9.87"
        << "就插件程序ID为43的说两句，程序名称为：Orvane彩票36选7对奖器v9.87………………"
           "我有建议或者意见，先说我的联系方式：";
    QTest::newRow("other version") << Feedback::CustomOrder << "2.5"
        << "我正在用Orvane彩票36选7对奖器v2.5………………我想订制一个自用小软件，先说我的联系方式是：";
}

void LinksTest::feedbackLinks()
{
    QFETCH(Feedback, kind);
    QFETCH(QString, version);
    QFETCH(QString, text);
    QCOMPARE(links::feedbackText(kind, version), text);
    QCOMPARE(links::feedbackAddress(text),
             QStringLiteral("http://www.orvane.com/first02.asp?content=") + text + "&m=#3");
}

void LinksTest::fixedPages()
{
    QCOMPARE(links::drawHistoryAddress(),
             QStringLiteral("http://www.nanyue-lottery.cn/Lottery/ComputerLottery/c736_history.html"));
    QCOMPARE(links::versionPageAddress("9.87"),
             QStringLiteral("http://www.orvane.com/showpluspic.asp?id=43&softver=9.87"));
    QCOMPARE(links::makerSiteAddress(), QStringLiteral("http://www.orvane.com"));
}

void LinksTest::addressesOpenAsWritten()
{
    // The platform gets the text as built: the Chinese query stays as it is, and the
    // "#3" after "&m=" is the page anchor, as a browser reads the same text.
    const QString address =
        links::feedbackAddress(links::feedbackText(Feedback::PrizeWon, "9.87"));
    const QUrl url = links::toUrl(address);
    QVERIFY(url.isValid());
    QCOMPARE(url.toString(), address);
    QCOMPARE(url.fragment(), QStringLiteral("3"));
    QVERIFY(url.query().startsWith(QStringLiteral("content=我彩票中奖了")));
    QVERIFY(url.query().endsWith(QStringLiteral("&m=")));
}

void LinksTest::aboutTextNamesTheVersion()
{
    const QString about = help::aboutText("9.87");
    QVERIFY(about.startsWith(QStringLiteral("关于本软件：BROrvane彩票36选7对奖器 v9.87BR    ")));
    QVERIFY(about.contains(QStringLiteral("http://www.orvane.com")));
    QCOMPARE(about.count(QStringLiteral("BR")), 2);  // nothing else may read as a break
}

QTEST_GUILESS_MAIN(LinksTest)
#include "tst_links.moc"
