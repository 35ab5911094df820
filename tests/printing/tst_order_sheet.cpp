// The order sheet layout: rows, labels, footers, the checks that exclude a line, and the
// document text around the sheet.
#include "messages/links.h"
#include "messages/version.h"
#include "printing/order_sheet.h"

#include <QStringList>
#include <QTest>

using namespace printing;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The twelve lines of the sheet example, each number followed by its space.
const QStringList kTwelve = {
    "05 08 09 15 17 25 32 ", "01 07 14 25 29 31 32 ", "01 18 24 25 26 28 29 ",
    "01 02 07 15 21 33 34 ", "01 14 24 25 28 35 36 ", "08 12 15 29 32 34 35 ",
    "02 15 19 27 30 32 35 ", "07 08 11 12 19 24 36 ", "10 13 19 20 28 33 36 ",
    "03 08 24 26 31 32 33 ", "03 12 15 24 26 27 33 ", "07 11 16 24 26 32 33 ",
};

QString joined(const QStringList& lines) { return lines.join(kCrLf); }

// A good line whose numbers tell its position: 01..06 and then the position's last two digits.
QString goodLine(int n)
{
    return QStringLiteral("01 02 03 04 05 06 %1 ").arg(n % 36 + 1, 2, 10, QLatin1Char('0'));
}

QString goodLines(int count)
{
    QStringList lines;
    for (int n = 1; n <= count; ++n)
        lines << goodLine(n);
    return joined(lines);
}

// Rows as the sheet writes them, for the expectations.
QString row(const QString& left, const QString& right)
{
    return QStringLiteral("┃") + left + QStringLiteral("┃") + right + QStringLiteral("┃") + kCrLf;
}
QString cell(const QString& label, const QString& line)
{
    return "(" + label + ") " + line + (label.size() < 3 ? "  " : " ");
}
QString empty(const QString& label)
{
    const QString text = "(" + label + ")";
    return text + QString(28 - text.size(), ' ');
}
QString footer(const QString& k, const QString& k1)
{
    return "┗━━━━━━ " + k + ".━━━━━━┻━━━━━━ " + k1 + ".━━━━━━┛" + kCrLf;
}

// Columns on paper: box-drawing characters and full-width text take two, the rest one.
int columns(const QString& line)
{
    int width = 0;
    for (QChar c : line)
        width += c.unicode() >= 0x2500 ? 2 : 1;
    return width;
}

}  // namespace

class OrderSheetTest : public QObject {
    Q_OBJECT
private slots:
    void twelveLinesGiveTheExampleSheet();
    void blocks_data();
    void blocks();
    void lineChecks_data();
    void lineChecks();
    void missingTenthLineLeavesItsBlockOpen();
    void threeDigitLabelsKeepTheColumns();
    void columnsHoldForLinesWithExtraTrailingSpaces();
    void notPrintable_data();
    void notPrintable();
    void textWithoutLineBreaksIsOneGroup();
    void documentTextOfSeveralGroups();
    void documentTextOfOneGroup();
};

void OrderSheetTest::twelveLinesGiveTheExampleSheet()
{
    const OrderSheet sheet = layOutSheet(joined(kTwelve));
    const QString expected = QStringLiteral(
        "┃(01) 05 08 09 15 17 25 32   ┃(06) 08 12 15 29 32 34 35   ┃\r\n"
        "┃(02) 01 07 14 25 29 31 32   ┃(07) 02 15 19 27 30 32 35   ┃\r\n"
        "┃(03) 01 18 24 25 26 28 29   ┃(08) 07 08 11 12 19 24 36   ┃\r\n"
        "┃(04) 01 02 07 15 21 33 34   ┃(09) 10 13 19 20 28 33 36   ┃\r\n"
        "┃(05) 01 14 24 25 28 35 36   ┃(10) 03 08 24 26 31 32 33   ┃\r\n"
        "┣━━━━━━ 01.━━━━━━╋━━━━━━ 02.━━━━━━┫\r\n"
        "┃(11) 03 12 15 24 26 27 33   ┃(16)                        ┃\r\n"
        "┃(12) 07 11 16 24 26 32 33   ┃(17)                        ┃\r\n"
        "┗━━━━━━ 03.━━━━━━┻━━━━━━ 04.━━━━━━┛\r\n");
    QCOMPARE(sheet.printText, expected);
    QCOMPARE(sheet.acceptedLines, qint16(12));
    QCOMPARE(sheet.errorReport, QString());
    QVERIFY(sheet.printable());
}

void OrderSheetTest::blocks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("body");
    QTest::addColumn<int>("accepted");

    const QString l1 = goodLine(1), l2 = goodLine(2), l3 = goodLine(3), l4 = goodLine(4),
                  l5 = goodLine(5), l6 = goodLine(6), l7 = goodLine(7);
    QTest::newRow("seven lines: one block, 08 to 10 empty")
        << goodLines(7)
        << row(cell("01", l1), cell("06", l6)) + row(cell("02", l2), cell("07", l7))
               + row(cell("03", l3), empty("08")) + row(cell("04", l4), empty("09"))
               + row(cell("05", l5), empty("10")) + footer("01", "02")
        << 7;
    QTest::newRow("five lines: right cells 06 to 10 empty")
        << goodLines(5)
        << row(cell("01", l1), empty("06")) + row(cell("02", l2), empty("07"))
               + row(cell("03", l3), empty("08")) + row(cell("04", l4), empty("09"))
               + row(cell("05", l5), empty("10")) + footer("01", "02")
        << 5;
    // A right-column line whose partner five up was excluded gets a row of its own,
    // in its place, with the partner's numbered cell empty.
    QTest::newRow("right line without its row")
        << joined({"01 02 03 04 05 06 37 ", l2, l3, l4, l5, l6, l7})
        << row(empty("01"), cell("06", l6)) + row(cell("02", l2), cell("07", l7))
               + row(cell("03", l3), empty("08")) + row(cell("04", l4), empty("09"))
               + row(cell("05", l5), empty("10")) + footer("01", "02")
        << 6;
    QTest::newRow("two right lines without rows")
        << joined({"", l2, "x", l4, l5, l6, l7, goodLine(8)})
        << row(empty("01"), cell("06", l6)) + row(cell("02", l2), cell("07", l7))
               + row(empty("03"), cell("08", goodLine(8))) + row(cell("04", l4), empty("09"))
               + row(cell("05", l5), empty("10")) + footer("01", "02")
        << 6;
    // Fields after the seventh are neither checked nor dropped.
    const QString eight = QStringLiteral("01 02 03 04 05 06 07 08 ");
    QTest::newRow("eight numbers printed whole")
        << joined({eight, l2})
        << row(cell("01", eight), empty("06")) + row(cell("02", l2), empty("07")) + footer("01", "02")
        << 2;
    // The marker stands where the next number goes: it never makes a line of its own.
    QTest::newRow("marker on a line of its own")
        << goodLines(2) + kCrLf + QStringLiteral("←")
        << row(cell("01", l1), empty("06")) + row(cell("02", l2), empty("07")) + footer("01", "02")
        << 2;
    QTest::newRow("final line break and empty lines count as positions")
        << joined({l1, "", l3}) + kCrLf
        << row(cell("01", l1), empty("06")) + row(cell("03", l3), empty("08")) + footer("01", "02")
        << 2;
}

void OrderSheetTest::blocks()
{
    QFETCH(QString, text);
    QFETCH(QString, body);
    QFETCH(int, accepted);
    const OrderSheet sheet = layOutSheet(text);
    QCOMPARE(sheet.printText, body);
    QCOMPARE(int(sheet.acceptedLines), accepted);
}

void OrderSheetTest::lineChecks_data()
{
    QTest::addColumn<QString>("piece");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("report");

    // The piece stands at position 2, after a good line.
    QTest::newRow("00 is accepted") << "00 02 03 04 05 06 07 " << true << "";
    QTest::newRow("37 is excluded")
        << "01 02 03 37 05 06 07 " << false
        << "BRBR2行的第4位有错误，不能大于36 BR01 02 03 37 05 06 07 ";
    QTest::newRow("one-digit number")
        << "01 02 03 04 05 06 7 " << false
        << "BRBR2行的第7位有错误，格式是1个两位数字，然后空一格BR 01 02 03 04 05 06 7 ";
    QTest::newRow("letters and too big, one entry each")
        << "ab 02 03 04 05 06 99 " << false
        << "BRBR2行的第1位有错误，格式是1个两位数字，然后空一格BR ab 02 03 04 05 06 99 "
           "BRBR2行的第7位有错误，不能大于36 BR" "ab 02 03 04 05 06 99 ";
    QTest::newRow("double space makes an empty field")
        << "01 02  03 04 05 06 07 " << false
        << "BRBR2行的第3位有错误，格式是1个两位数字，然后空一格BR 01 02  03 04 05 06 07 ";
    QTest::newRow("fields after the seventh are not checked")
        << "01 02 03 04 05 06 07 99 xyz" << true << "";
    // A short line is reported on its own; it never takes a good neighbour with it.
    QTest::newRow("short line")
        << "01 02 03 " << false << "BRBR2行错误，应该有7个两位的数字。 BR01 02 03 ";
    QTest::newRow("empty piece skipped silently") << "" << false << "";
}

void OrderSheetTest::lineChecks()
{
    QFETCH(QString, piece);
    QFETCH(bool, accepted);
    QFETCH(QString, report);
    const QString third = goodLine(3);
    const OrderSheet sheet = layOutSheet(joined({goodLine(1), piece, third}));
    QCOMPARE(sheet.errorReport, report);
    QCOMPARE(int(sheet.acceptedLines), accepted ? 3 : 2);
    QCOMPARE(sheet.printText.contains(QStringLiteral("(02) ") + piece), accepted);
    // The line after it is judged on its own.
    QVERIFY(sheet.printText.contains(QStringLiteral("(03) ") + third));
}

void OrderSheetTest::missingTenthLineLeavesItsBlockOpen()
{
    QStringList lines = goodLines(22).split(kCrLf);
    lines[9] = QStringLiteral("01 02 03 04 05 06 37 ");  // position 10
    const OrderSheet sheet = layOutSheet(joined(lines));
    const QStringList out = sheet.printText.split(kCrLf);
    // Rows 1|6 .. 5|10, then 11|16 .. 15|20 with no separator, then the footer that
    // position 10 would have written, a separator now, and the last block.
    QCOMPARE(out.at(4), row(cell("05", lines[4]), empty("10")).chopped(2));
    QCOMPARE(out.at(5), row(cell("11", lines[10]), cell("16", lines[15])).chopped(2));
    QCOMPARE(out.at(10), QStringLiteral("┣━━━━━━ 01.━━━━━━╋━━━━━━ 02.━━━━━━┫"));
    QCOMPARE(out.at(11), row(cell("21", lines[20]), empty("26")).chopped(2));
    QCOMPARE(out.at(13), footer("03", "04").chopped(2));
    QCOMPARE(sheet.acceptedLines, qint16(21));
}

void OrderSheetTest::threeDigitLabelsKeepTheColumns()
{
    const QString text = goodLines(105);
    const OrderSheet sheet = layOutSheet(text);
    QStringList out = sheet.printText.split(kCrLf);
    QCOMPARE(out.takeLast(), QString());
    const QStringList lines = text.split(kCrLf);
    QVERIFY(out.contains(QStringLiteral("┃(95) ") + lines[94] + QStringLiteral("  ┃(100) ")
                         + lines[99] + QStringLiteral(" ┃")));
    QVERIFY(out.contains(QStringLiteral("┃(101) ") + lines[100] + QStringLiteral(" ┃(106)")
                         + QString(23, ' ') + QStringLiteral("┃")));
    QCOMPARE(out.last(), QStringLiteral("┗━━━━━━ 21.━━━━━━┻━━━━━━ 22.━━━━━━┛"));
    for (const QString& line : out)
        QCOMPARE(columns(line), 62);
    QCOMPARE(sheet.acceptedLines, qint16(105));
}

void OrderSheetTest::columnsHoldForLinesWithExtraTrailingSpaces()
{
    // After a prize check every line ends in two spaces; a line may also lose its last one.
    QStringList lines = goodLines(12).split(kCrLf);
    for (QString& line : lines)
        line += QLatin1Char(' ');
    lines[3].chop(2);
    const OrderSheet sheet = layOutSheet(joined(lines));
    QStringList out = sheet.printText.split(kCrLf);
    out.removeLast();
    QCOMPARE(out.first(), row(cell("01", goodLine(1)), cell("06", goodLine(6))).chopped(2));
    for (const QString& line : out)
        QCOMPARE(columns(line), 62);
}

void OrderSheetTest::notPrintable_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty box") << "";
    QTest::newRow("marker only") << "←";
    QTest::newRow("one line shorter than a ticket") << "01 02 03 04 05 06 0←";
    QTest::newRow("only bad lines") << "01 02 03 \r\n01 02 03 04 05 06 37 ";
    QTest::newRow("only line breaks") << "\r\n\r\n";
}

void OrderSheetTest::notPrintable()
{
    QFETCH(QString, text);
    QVERIFY(!layOutSheet(text).printable());
}

void OrderSheetTest::textWithoutLineBreaksIsOneGroup()
{
    // Printed as it stands: not checked, not boxed; only the marks go.
    const OrderSheet sheet = layOutSheet(QStringLiteral("01 02 03 04 05 06 99  已中奖←"));
    QCOMPARE(sheet.printText, QStringLiteral("01 02 03 04 05 06 99 "));
    QCOMPARE(sheet.acceptedLines, qint16(1));
    QCOMPARE(sheet.errorReport, QString());
    QVERIFY(sheet.printable());
    QCOMPARE(documentText(sheet, QStringLiteral("2026/12/7 20:15:03")),
             QStringLiteral("■买1组36选7 彩票，共2元 (2026/12/7 20:15:03)\r\n■我的联系方式：\r\n"
                            "01 02 03 04 05 06 99 "));
}

void OrderSheetTest::documentTextOfSeveralGroups()
{
    const OrderSheet sheet = layOutSheet(joined(kTwelve));
    const QString text = documentText(sheet, QStringLiteral("2026/12/7 20:15:03"));
    const QString head = QStringLiteral(
        "■买12组36选7 彩票，共24元 (2026/12/7 20:15:03)\r\n"
        "■我的联系方式：\r\n"
        "■店主注意：当眼花错按了其它号码，请用笔标出，便于软件对奖。\r\n"
        "┏━━━━━━━━━━━━━━┳━━━━━━━━━━━━━━┓\r\n");
    QVERIFY(text.startsWith(head + sheet.printText + QStringLiteral("  (由 Orvane彩票36选7对奖器v") + version::text() + QStringLiteral(" 生成  ")));
    QVERIFY(text.endsWith(links::makerSiteAddress() + QLatin1Char(')')));
    QCOMPARE(text.count(kCrLf), 4 + sheet.printText.count(kCrLf));
    QCOMPARE(columns(head.split(kCrLf).at(3)), 62);
}

void OrderSheetTest::documentTextOfOneGroup()
{
    // One good line in a box of several: the short header, then the box without its top.
    const OrderSheet sheet = layOutSheet(joined({goodLine(1), "01 02 "}));
    QCOMPARE(sheet.acceptedLines, qint16(1));
    QCOMPARE(documentText(sheet, QStringLiteral("2026/1/2 3:04:05")),
             QStringLiteral("■买1组36选7 彩票，共2元 (2026/1/2 3:04:05)\r\n■我的联系方式：\r\n")
                 + row(cell("01", goodLine(1)), empty("06")) + footer("01", "02"));
}

QTEST_APPLESS_MAIN(OrderSheetTest)
#include "tst_order_sheet.moc"
