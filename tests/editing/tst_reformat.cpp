// The free-edit reformat: canonical lines out, every repair reported, nothing else lost.
#include "editing/reformat.h"

#include <QTest>

using editing::reformat;

namespace {
const QString A = QStringLiteral("01 05 12 18 23 30 07 ");
const QString B = QStringLiteral("02 09 14 20 26 31 36 ");
const QString CR = QStringLiteral("\r\n");

QString deleted(int row, const QString& line)
{
    return QStringLiteral("BRBR%1行有错误，每行应该7个数字，每个数字两位，该行已被自动删除。BR").arg(row)
           + line;
}
QString rangeError(int row, int position, const QString& line)
{
    return QStringLiteral("BRBR%1行的第%2位有错，须在 1-36 的范围，重置为18。BR ").arg(row).arg(position)
           + line;
}
QString formatError(int row, int position, const QString& line)
{
    return QStringLiteral("BRBR%1行的第%2位有错，格式是1个两位数字，然后空一格，这个数字自动重置为 18 。BR ")
               .arg(row)
               .arg(position)
           + line;
}
}  // namespace

class ReformatTest : public QObject {
    Q_OBJECT
private slots:
    void freeEditEnd_data();
    void freeEditEnd();
    void lines_data();
    void lines();
    void textWithoutLineBreakIsOnlyTidied_data();
    void textWithoutLineBreakIsOnlyTidied();
    void reformattingTwiceChangesNothing_data();
    void reformattingTwiceChangesNothing();
};

void ReformatTest::lines_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("kept");
    QTest::addColumn<QString>("report");

    QTest::newRow("canonical lines stay") << A + CR + B + CR << A + CR + B + CR << 2 << "";
    QTest::newRow("last line without a break") << A + CR + B << A + CR + B + CR << 2 << "";
    QTest::newRow("line without its trailing space")
        << "01 05 12 18 23 30 07" + CR + B << A + CR + B + CR << 2 << "";
    QTest::newRow("two spaces before the break") << "01 05 12 18 23 30 07  " + CR + B + CR
                                                 << A + CR + B + CR << 2 << "";
    QTest::newRow("markers anywhere") << "01 05 ←12 18 23 30 07 " + CR + B + "←"
                                      << A + CR + B + CR << 2 << "";
    QTest::newRow("empty and blank lines go silently")
        << CR + A + CR + CR + "   " + CR + B + CR + CR << A + CR + B + CR << 2 << "";
    QTest::newRow("eighth number dropped silently")
        << "01 05 12 18 23 30 07 09 " + CR << A + CR << 1 << "";
    QTest::newRow("edges of the range are kept")
        << "01 36 12 18 23 30 07 " + CR << "01 36 12 18 23 30 07 " + CR << 1 << "";
    QTest::newRow("out of range 00 and 37")
        << "00 05 12 18 23 30 37 " + CR << "18 05 12 18 23 30 18 " + CR << 1
        << rangeError(1, 1, "00 05 12 18 23 30 37") + rangeError(1, 7, "00 05 12 18 23 30 37");
    QTest::newRow("one digit is a number, a letter is not")
        << A + CR + "01 7 12 x5 23 30 07 " + CR << A + CR + "01 07 12 18 23 30 07 " + CR << 2
        << formatError(2, 4, "01 7 12 x5 23 30 07");
    QTest::newRow("zero alone and three digits")
        << "0 05 12 18 23 30 007 " + CR << "18 05 12 18 23 30 18 " + CR << 1
        << formatError(1, 1, "0 05 12 18 23 30 007") + formatError(1, 7, "0 05 12 18 23 30 007");
    QTest::newRow("runs of spaces") << "01  05 12   18 23 30 07 " + CR << A + CR << 1 << "";
    QTest::newRow("tabs and full-width spaces")
        << QStringLiteral("\t01\t05\u300012 18 \t23 30 07") + CR << A + CR << 1 << "";
    QTest::newRow("commas") << QStringLiteral("01,05，12、18, 23 ,30,07,") + CR << A + CR << 1 << "";
    QTest::newRow("one digit each") << "1 5 12 18 23 30 7" + CR << A + CR << 1 << "";
    QTest::newRow("numeric two-character forms pass") << "+5 5. 12 18 23 30 07 " + CR
                                                      << "+5 5. 12 18 23 30 07 " + CR << 1 << "";
    QTest::newRow("six numbers are deleted")
        << A + CR + "01 02 03 04 05 06" + CR + B << A + CR + B + CR << 2
        << deleted(2, "01 02 03 04 05 06");
    QTest::newRow("half-entered last line is deleted")
        << A + CR + "01 02 " << A + CR << 1 << deleted(2, "01 02 ");
    // A line of one number has no space left once the break takes its own: it is still a
    // line the user typed, so its deletion is reported.
    QTest::newRow("one number on a line is reported")
        << A + CR + "07 " + CR << A + CR << 1 << deleted(2, "07");
    QTest::newRow("row numbers count the removed lines")
        << CR + "01 02 " + CR + "01 05 12 18 23 30 99" + CR
        << "01 05 12 18 23 30 18 " + CR << 1
        << deleted(2, "01 02") + rangeError(3, 7, "01 05 12 18 23 30 99");
    QTest::newRow("nothing left") << "01 02" + CR << "" << 0 << deleted(1, "01 02");
}

void ReformatTest::lines()
{
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(int, kept);
    QFETCH(QString, report);
    const editing::ReformatResult r = reformat(input);
    QVERIFY(r.validated);
    QCOMPARE(r.text, output);
    QCOMPARE(int(r.keptLines), kept);
    QCOMPARE(r.report, report);
}

void ReformatTest::textWithoutLineBreakIsOnlyTidied_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::newRow("empty box") << "" << "";
    QTest::newRow("only a marker") << "←" << "";
    QTest::newRow("one bad line") << "01 x5 ←" << "01 x5 ";
    QTest::newRow("bad line gets its last space") << "01 x5" << "01 x5 ";
    QTest::newRow("short line is kept") << "01 02 03" << "01 02 03 ";
    QTest::newRow("pasted line") << "01 02 03 04 05 06 07" << "01 02 03 04 05 06 07 ";
    QTest::newRow("two spaces") << "01  05 12 18 23 30 07" << A;
    QTest::newRow("one digit each") << "1 5 12 18 23 30 7" << A;
    QTest::newRow("commas") << "01,05,12,18,23,30,07" << A;
}

void ReformatTest::textWithoutLineBreakIsOnlyTidied()
{
    QFETCH(QString, input);
    QFETCH(QString, output);
    const editing::ReformatResult r = reformat(input);
    QVERIFY(!r.validated);
    QCOMPARE(r.text, output);
    QVERIFY(r.report.isEmpty());
}

void ReformatTest::reformattingTwiceChangesNothing_data()
{
    QTest::addColumn<QString>("input");
    QTest::newRow("canonical") << A + CR + B + CR;
    QTest::newRow("as loaded") << A + CR + B + "←";
    QTest::newRow("as the prize check writes") << A + " " + CR + B + " " + CR;
    QTest::newRow("deleted line first") << "01 02 " + CR + A + CR + B;
    QTest::newRow("deleted line between") << A + CR + "01 02 03" + CR + B + CR;
    QTest::newRow("blank lines") << CR + CR + A + CR + CR + CR + B + CR + CR;
    QTest::newRow("repaired numbers") << "37 x5 7 00 -1 +5 36 " + CR + A;
    QTest::newRow("no trailing spaces") << "01 05 12 18 23 30 07" + CR + "02 09 14 20 26 31 36";
    QTest::newRow("separators") << "1,5，12、18\t23\u300030 7" + CR + B;
    QTest::newRow("everything deleted") << "01" + CR + "02 03" + CR;
    QTest::newRow("one line") << QStringLiteral("1 5 12 18 23 30 7");
}

void ReformatTest::reformattingTwiceChangesNothing()
{
    QFETCH(QString, input);
    const editing::ReformatResult once = reformat(input);
    // The box gets the marker back when it is the active box: that must not matter.
    const editing::ReformatResult twice = reformat(once.text + QStringLiteral("←"));
    QCOMPARE(twice.text, once.text);
    QCOMPARE(twice.keptLines, once.keptLines);
    QVERIFY2(twice.report.isEmpty(), qPrintable(twice.report));
    QVERIFY(!once.text.contains(CR + CR));
    QVERIFY(!once.text.startsWith(CR));
}

// Ending free editing: the marker only on a rebuilt text in the active ticket box, and
// the counters of the text as it is left.
void ReformatTest::freeEditEnd_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("ticketBoxActive");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("numbersInLine");
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("reported");
    const QString M = QStringLiteral("←");
    QTest::newRow("ticket box") << A + CR + B + CR << true << A + CR + B + CR + M << 7 << 2 << false;
    QTest::newRow("draw line active") << A + CR + B + CR << false << A + CR + B + CR << 7 << 2 << false;
    QTest::newRow("short line dropped") << A + CR + "01 02" + CR << true << A + CR + M << 7 << 1 << true;
    QTest::newRow("no line break") << QStringLiteral("01 05") << true << QStringLiteral("01 05 ") << 2 << 1
                                   << false;
    QTest::newRow("empty") << QString() << true << QString() << 0 << 0 << false;
}

void ReformatTest::freeEditEnd()
{
    QFETCH(QString, input);
    QFETCH(bool, ticketBoxActive);
    const editing::FreeEditEnd end = editing::endFreeEdit(input, ticketBoxActive);
    QTEST(end.text, "text");
    QTEST(int(end.numbersInLine), "numbersInLine");
    QTEST(int(end.lines), "lines");
    QCOMPARE(end.marker, end.text.endsWith(QStringLiteral("←")));
    QTEST(!end.report.isEmpty(), "reported");
}

QTEST_APPLESS_MAIN(ReformatTest)
#include "tst_reformat.moc"
