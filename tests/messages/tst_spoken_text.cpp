// What read aloud says for a check, a message and a pad number.
#include "messages/spoken_text.h"

#include <QTest>

using tickets::CheckOutcome;
using tickets::LineMark;
using Marks = std::vector<LineMark>;

Q_DECLARE_METATYPE(CheckOutcome)
Q_DECLARE_METATYPE(Marks)

class SpokenTextTest : public QObject {
    Q_OBJECT
private slots:
    void checkResult_data();
    void checkResult();
    void message_data();
    void message();
    void lineDescription_data();
    void lineDescription();
};

namespace {

LineMark mark(int row, int level, int firstRow = -1)
{
    LineMark m;
    m.row = row;
    m.level = level;
    m.firstRow = firstRow;
    return m;
}

}  // namespace

void SpokenTextTest::checkResult_data()
{
    QTest::addColumn<CheckOutcome>("outcome");
    QTest::addColumn<Marks>("marks");
    QTest::addColumn<QString>("money");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("two winning lines") << CheckOutcome::Prize << Marks{mark(2, 5), mark(4, 1)}
                                       << QString() << "共2行中奖。第3行，五等奖。第5行，一等奖。";
    QTest::newRow("a repeat that won nothing is not counted")
        << CheckOutcome::Prize << Marks{mark(0, 6), mark(1, 0, 0)} << QString()
        << "共1行中奖。第1行，六等奖。";
    QTest::newRow("money after the lines") << CheckOutcome::Prize << Marks{mark(0, 2)}
                                           << "本期中奖：30元" << "共1行中奖。第1行，二等奖。本期中奖：30元。";
    QTest::newRow("nothing won") << CheckOutcome::NoPrize << Marks{mark(1, 0, 0)} << QString()
                                 << "这次没有中奖。";
    QTest::newRow("not checked") << CheckOutcome::NotChecked << Marks{} << QString() << QString();
}

void SpokenTextTest::checkResult()
{
    QFETCH(CheckOutcome, outcome);
    QFETCH(Marks, marks);
    QFETCH(QString, money);
    QFETCH(QString, spoken);
    QCOMPARE(speech::checkResultText(outcome, marks, money), spoken);
}

void SpokenTextTest::message_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("title then body") << "中奖提示：BR   共检查2行BR" << "中奖提示：\n共检查2行。";
    QTest::newRow("box drawing and empty lines dropped")
        << "标题：BR┌──┐BR│ 01 02 │BRBR结束。" << "标题：\n01 02。\n结束。";
    QTest::newRow("lone line feeds") << "说明\n第一\n" << "说明。\n第一。";
    QTest::newRow("fenced quote") << QStringLiteral("错误：BR\uE000B\uE000R.txt\uE000") << "错误：\nBR.txt。";
}

void SpokenTextTest::message()
{
    QFETCH(QString, message);
    QFETCH(QString, spoken);
    QCOMPARE(speech::messageText(message), spoken);
}

void SpokenTextTest::lineDescription_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("level");  // -1: no mark
    QTest::addColumn<int>("firstRow");
    QTest::addColumn<QString>("described");
    QTest::newRow("won") << "01 02 03 04 05 06 08 " << 2 << -1 << "第2行，01 02 03 04 05 06 08，二等奖";
    QTest::newRow("no mark, input marker") << QStringLiteral("20 21 \u2190") << -1 << -1 << "第2行，20 21";
    QTest::newRow("a repeat that won") << "01 02 03 04 05 06 08 " << 5 << 0 << "第2行，01 02 03 04 05 06 08，五等奖，同第1行";
    QTest::newRow("empty") << "" << -1 << -1 << "第2行，空行";
}

void SpokenTextTest::lineDescription()
{
    QFETCH(QString, line);
    QFETCH(int, level);
    QFETCH(int, firstRow);
    QFETCH(QString, described);
    const LineMark m = mark(1, level, firstRow);
    QCOMPARE(speech::lineDescription(1, line, level < 0 ? nullptr : &m), described);
}

QTEST_GUILESS_MAIN(SpokenTextTest)
#include "tst_spoken_text.moc"
