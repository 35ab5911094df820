// Reading past draws from pasted text: every form people copy, what is refused and why,
// what is skipped, line numbers, and the export that reads back to the same draws.
#include "history/draw_import.h"
#include "messages/message_text.h"

#include <QTest>

using namespace history;

namespace {
// A line's outcome: its draw in the export form, "refused: " + the reason, or "skipped".
QString outcome(const QString& line)
{
    const DrawImport r = importDraws(line);
    if (!r.draws.empty())
        return exportLine(r.draws[0].issue, r.draws[0].date, r.draws[0].draw);
    if (!r.refused.empty())
        return QStringLiteral("refused: ") + r.refused[0].reason;
    return r.skipped == 1 ? QStringLiteral("skipped") : QStringLiteral("<no line>");
}
}  // namespace

class DrawImportTest : public QObject {
    Q_OBJECT
private slots:
    void oneLine_data();
    void oneLine();
    void wholeText_data();
    void wholeText();
    void refusedLineIsQuotedShort();
};

void DrawImportTest::oneLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("outcome");
    const QString full = QStringLiteral("2026140 2026-12-01 01 02 03 04 05 06 07");
    const QString dated = QStringLiteral("2026-12-01 01 02 03 04 05 06 07");
    const QString numbers = QStringLiteral("01 02 03 04 05 06 07");
    const QString issued = QStringLiteral("2026140 01 02 03 04 05 06 07");

    // The forms people copy.
    QTest::newRow("export form") << full << full;
    QTest::newRow("期 mark, commas, plus") << "2026140期 01,02,03,04,05,06+07" << issued;
    QTest::newRow("labelled") << "第2026140期 开奖日期：2026-12-01 开奖号码：01 02 03 04 05 06 特别号：07" << full;
    QTest::newRow("numbers alone") << numbers << numbers;
    QTest::newRow("web row: time, weekday, sales, prize counts")
        << "2026140\t2026-12-01 21:30\t星期一\t01 02 03 04 05 06\t07\t12,345,678\t0\t3\t25" << full;
    QTest::newRow("web row: a cell per number, weekday in brackets, amount")
        << "2026140\t2026-12-01(一)\t01\t02\t03\t04\t05\t06\t07\t5,000,000.00" << full;
    QTest::newRow("web row: date first") << "2026-12-01\t2026140\t01 02 03 04 05 06 07" << full;
    QTest::newRow("CSV, quoted")
        << "\"2026140\",\"2026-12-01\",\"01\",\"02\",\"03\",\"04\",\"05\",\"06\",\"07\"" << full;
    QTest::newRow("serial column before the 期号") << "9\t2026140\t2026-12-01\t01\t02\t03\t04\t05\t06\t07" << full;
    QTest::newRow("words after the draw") << "01 02 03 04 05 06 07 销售额12,345,678元" << numbers;
    QTest::newRow("deadline after the draw") << full + " 兑奖截止 2027-01-30" << full;
    QTest::newRow("time before the numbers") << "21:30 01 02 03 04 05 06 07" << numbers;

    // Separators, number forms.
    QTest::newRow("、 ， | # tab") << "01、02，03|04#05\t06 07" << numbers;
    QTest::newRow("full-width blank") << "01　02　03　04　05　06　07" << numbers;
    QTest::newRow("one-digit numbers") << "1 2 3 4 5 6 7" << numbers;
    QTest::newRow("order kept, the seventh special") << "36 35 34 33 32 31 1" << "36 35 34 33 32 31 01";
    QTest::newRow("full-width digits") << "２０２６１４０ ０１ ０２ ０３ ０４ ０５ ０６ ０７" << issued;

    // Dates.
    QTest::newRow("2026/12/1") << "2026/12/1 01 02 03 04 05 06 07" << dated;
    QTest::newRow("2026.12.1") << "2026.12.1 01 02 03 04 05 06 07" << dated;
    QTest::newRow("2026年12月1日") << "2026年12月1日 01 02 03 04 05 06 07" << dated;
    QTest::newRow("20261201") << "20261201 01 02 03 04 05 06 07" << dated;
    QTest::newRow("the same date twice") << "2026-12-01 20261201 01 02 03 04 05 06 07" << dated;

    // 期号 lengths.
    QTest::newRow("5-digit 期号") << "26140 01 02 03 04 05 06 07" << "26140 01 02 03 04 05 06 07";
    QTest::newRow("6 digits: a 期号, not a date") << "261201 01 02 03 04 05 06 07" << "261201 01 02 03 04 05 06 07";
    QTest::newRow("3 or 4 digits: passed over") << "140 2026 01 02 03 04 05 06 07" << numbers;

    // Refused.
    QTest::newRow("six numbers") << "2026140 01 02 03 04 05 06" << "refused: 号码有6个，应为7个";
    QTest::newRow("eight numbers") << "01 02 03 04 05 06 07 08" << "refused: 号码有8个，应为7个";
    QTest::newRow("prize counts right after the draw")
        << "2026140\t01 02 03 04 05 06 07\t0\t3" << "refused: 号码有9个，应为7个";
    QTest::newRow("serial column, no 期号") << "9\t01\t02\t03\t04\t05\t06\t07" << "refused: 号码有8个，应为7个";
    QTest::newRow("label glued to a number") << "开奖号码01 02 03 04 05 06 07" << "refused: 号码有6个，应为7个";
    QTest::newRow("37") << "01 02 03 04 05 06 37" << "refused: 号码37不在01到36之间";
    QTest::newRow("00") << "00 02 03 04 05 06 07" << "refused: 号码00不在01到36之间";
    QTest::newRow("three digits among the numbers") << "01 02 100 04 05 06 07" << "refused: 号码100不在01到36之间";
    QTest::newRow("a regular twice") << "1 02 03 04 05 06 01" << "refused: 号码01重复";
    QTest::newRow("special among the regulars") << "01 02 03 04 05 06 03" << "refused: 号码03重复";
    QTest::newRow("no such day") << "2026-02-30 01 02 03 04 05 06 07" << "refused: 开奖日期不对";
    QTest::newRow("no such month, compact") << "20261301 01 02 03 04 05 06 07" << "refused: 开奖日期不对";
    QTest::newRow("year out of range") << "1899-12-01 01 02 03 04 05 06 07" << "refused: 开奖日期不对";
    QTest::newRow("第…期 of 3 digits") << "第140期 01 02 03 04 05 06 07" << "refused: 期号应为5到7位数字";
    QTest::newRow("two 期号") << "2026140 2026141 01 02 03 04 05 06 07" << "refused: 期号不止一个";
    QTest::newRow("two dates") << "2026-12-01 2026-12-03 01 02 03 04 05 06 07" << "refused: 开奖日期不止一个";
    QTest::newRow("期号 and date, no numbers") << "2026140 2026-12-01" << "refused: 没有开奖号码";

    // Skipped.
    QTest::newRow("empty") << "" << "<no line>";
    QTest::newRow("blanks") << " \t　" << "skipped";
    QTest::newRow("header") << "期号\t开奖日期\t开奖号码\t特别号" << "skipped";
    QTest::newRow("CSV header") << "期号,日期,号码1,号码2,号码3,号码4,号码5,号码6,号码7" << "skipped";
    QTest::newRow("title") << "南粤风采36选7开奖结果（近30期）" << "skipped";
}

void DrawImportTest::oneLine()
{
    QFETCH(QString, line);
    QFETCH(QString, outcome);
    QCOMPARE(::outcome(line), outcome);
}

void DrawImportTest::wholeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("draws");    // "line: export form"
    QTest::addColumn<QStringList>("refused");  // "line: reason"
    QTest::addColumn<int>("skipped");
    QTest::addColumn<int>("lines");
    QTest::newRow("CR LF, LF, CR, final line end")
        << "期号 号码\r\n2026140 01 02 03 04 05 06 07\r\n\r\n01 02\n20261201 08 09 10 11 12 13 14\r"
           "15 16 17 18 19 20 21\r\n"
        << QStringList{"2: 2026140 01 02 03 04 05 06 07", "5: 2026-12-01 08 09 10 11 12 13 14",
                       "6: 15 16 17 18 19 20 21"}
        << QStringList{"4: 号码有2个，应为7个"} << 2 << 6;
    QTest::newRow("no final line end, empty last line counts")
        << "01 02 03 04 05 06 07\n\n01 02 03 04 05 06 07"
        << QStringList{"1: 01 02 03 04 05 06 07", "3: 01 02 03 04 05 06 07"} << QStringList{} << 1 << 3;
    QTest::newRow("empty text") << "" << QStringList{} << QStringList{} << 0 << 0;
}

void DrawImportTest::wholeText()
{
    QFETCH(QString, text);
    QFETCH(QStringList, draws);
    QFETCH(QStringList, refused);
    QFETCH(int, skipped);
    QFETCH(int, lines);
    const DrawImport r = importDraws(text);
    QStringList gotDraws;
    for (const ImportedDraw& d : r.draws)
        gotDraws << QStringLiteral("%1: ").arg(d.line) + exportLine(d.issue, d.date, d.draw);
    QStringList gotRefused;
    for (const RefusedLine& l : r.refused)
        gotRefused << QStringLiteral("%1: ").arg(l.line) + l.reason;
    QCOMPARE(gotDraws, draws);
    QCOMPARE(gotRefused, refused);
    QCOMPARE(r.skipped, skipped);
    QCOMPARE(r.lines, lines);

    // The export reads back to the same draws, one a line.
    const DrawImport again = importDraws(exportText(r.draws));
    QCOMPARE(int(again.draws.size()), int(r.draws.size()));
    QCOMPARE(again.lines, int(r.draws.size()));
    for (size_t i = 0; i < r.draws.size(); ++i) {
        QCOMPARE(again.draws[i].draw.numbers, r.draws[i].draw.numbers);
        QCOMPARE(again.draws[i].issue, r.draws[i].issue);
        QCOMPARE(again.draws[i].date, r.draws[i].date);
    }
}

void DrawImportTest::refusedLineIsQuotedShort()
{
    const QString line = QStringLiteral("01 02 03 ") + QString(100000, QLatin1Char('x'));
    const DrawImport r = importDraws(line);
    QCOMPARE(int(r.refused.size()), 1);
    QCOMPARE(messages::brToLineBreaks(r.refused[0].text), line.left(200) + QStringLiteral("…"));
}

QTEST_APPLESS_MAIN(DrawImportTest)
#include "tst_draw_import.moc"
