// Prize amounts: fixed and floating levels, estimates until the amounts are announced,
// and what a check's wins come to.
#include "tickets/prize_money.h"

#include <QTest>

using namespace tickets;

namespace {
// "level:amount …" → the announced amounts.
FloatingAmounts announced(const QString& text)
{
    FloatingAmounts out;
    for (const QString& part : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        out[size_t(part.section(QLatin1Char(':'), 0, 0).toInt())] = part.section(QLatin1Char(':'), 1).toLongLong();
    return out;
}
// "n1 n2 n3 n4 n5 n6" → lines won per level.
LevelCounts won(const QString& text)
{
    LevelCounts out{};
    const QStringList counts = text.split(QLatin1Char(' '));
    for (int level = 1; level <= 6; ++level)
        out[size_t(level)] = counts[level - 1].toInt();
    return out;
}
}  // namespace

class PrizeMoneyTest : public QObject {
    Q_OBJECT
private slots:
    void amountText_data();
    void amountText();
    void money_data();
    void money();
};

void PrizeMoneyTest::amountText_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("announced");
    QTest::addColumn<QString>("text");
    QTest::newRow("1st estimated") << 1 << "" << "约500万";
    QTest::newRow("2nd estimated") << 2 << "" << "约70万";
    QTest::newRow("3rd estimated") << 3 << "" << "约35万";
    QTest::newRow("4th") << 4 << "" << "500元";
    QTest::newRow("5th") << 5 << "" << "100元";
    QTest::newRow("6th") << 6 << "" << "10元";
    QTest::newRow("1st announced") << 1 << "1:5123456" << "5123456元";
    QTest::newRow("3rd announced, 1st not") << 1 << "3:300000" << "约500万";
    QTest::newRow("a negative amount is none") << 2 << "2:-5" << "约70万";
    QTest::newRow("no level 0") << 0 << "" << "";
    QTest::newRow("no level 7") << 7 << "" << "";
}

void PrizeMoneyTest::amountText()
{
    QFETCH(int, level);
    QFETCH(QString, announced);
    QFETCH(QString, text);
    QCOMPARE(prizeAmountText(level, ::announced(announced)), text);
}

void PrizeMoneyTest::money_data()
{
    QTest::addColumn<QString>("won");
    QTest::addColumn<QString>("announced");
    QTest::addColumn<qint64>("known");
    QTest::addColumn<QString>("text");
    QTest::newRow("nothing won") << "0 0 0 0 0 0" << "" << qint64(0) << "本期中奖：0元";
    QTest::newRow("fixed levels: 500 + 2 × 100 + 3 × 10") << "0 0 0 1 2 3" << "" << qint64(730) << "本期中奖：730元";
    QTest::newRow("1st unknown") << "1 0 0 0 0 1" << "" << qint64(10)
        << "本期中奖：10元，另有浮动奖金：一等奖1注，约500万元";
    QTest::newRow("1st and 3rd unknown: 500万 + 2 × 35万") << "1 0 2 0 0 0" << "" << qint64(0)
        << "本期中奖：0元，另有浮动奖金：一等奖1注、三等奖2注，约570万元";
    QTest::newRow("2nd announced: 2 × 654321 + 500") << "0 2 0 1 0 0" << "2:654321" << qint64(1309142)
        << "本期中奖：1309142元";
    QTest::newRow("3rd announced, 1st not") << "1 0 1 0 0 0" << "3:300000" << qint64(300000)
        << "本期中奖：300000元，另有浮动奖金：一等奖1注，约500万元";
    QTest::newRow("announced but not won") << "0 0 0 0 0 1" << "1:5000000" << qint64(10) << "本期中奖：10元";
    QTest::newRow("a full box of 1st prizes") << "32767 0 0 0 0 0" << "1:9999999999" << qint64(327669999967233)
        << "本期中奖：327669999967233元";
}

void PrizeMoneyTest::money()
{
    QFETCH(QString, won);
    QFETCH(QString, announced);
    QFETCH(qint64, known);
    QFETCH(QString, text);
    const PrizeMoney m = prizeMoney(::won(won), ::announced(announced));
    QCOMPARE(m.known, known);
    QCOMPARE(prizeMoneyText(m), text);
}

QTEST_APPLESS_MAIN(PrizeMoneyTest)
#include "tst_prize_money.moc"
