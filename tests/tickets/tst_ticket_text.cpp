// The text rules every reader of the ticket text shares.
#include "tickets/ticket_text.h"

#include <QTest>

using namespace tickets;

class TicketTextTest : public QObject {
    Q_OBJECT
private slots:
    void numericTest_data();
    void numericTest();
    void collapsing_data();
    void collapsing();
    void fieldsOfALine_data();
    void fieldsOfALine();
    void markersAreRemovedEverywhere();
    void sameTickets_data();
    void sameTickets();
    void linesKeepEmptyElements();
    void roundingHalfToEven_data();
    void roundingHalfToEven();
};

void TicketTextTest::numericTest_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("numeric");
    QTest::newRow("two digits") << "07" << true;
    QTest::newRow("sign and digit") << "+5" << true;
    QTest::newRow("minus and digit") << "-3" << true;
    QTest::newRow("digit and point") << "5." << true;
    QTest::newRow("point and digit") << ".5" << true;
    QTest::newRow("long digits") << "01020304050607" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("letter") << "x5" << false;
    QTest::newRow("dash placeholder") << "  —  " << false;
    QTest::newRow("em dash") << "—" << false;
    QTest::newRow("sign alone") << "-" << false;
    QTest::newRow("point alone") << "." << false;
    QTest::newRow("two points") << "1.2." << false;
    QTest::newRow("inner space") << "1 2" << false;
    QTest::newRow("exponent") << "1e5" << false;
}

void TicketTextTest::numericTest()
{
    QFETCH(QString, field);
    QFETCH(bool, numeric);
    QCOMPARE(isNumeric(field), numeric);
    QCOMPARE(isNumberField(field), numeric && field.size() == 2);
}

void TicketTextTest::collapsing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("passes");
    QTest::addColumn<QString>("collapsed");
    QTest::newRow("three spaces") << "01   02" << 5 << "01 02";
    QTest::newRow("32 spaces end as one") << "a" + QString(32, ' ') + "b" << 5 << "a b";
    QTest::newRow("33 spaces keep a pair") << "a" + QString(33, ' ') + "b" << 5 << "a  b";
    QTest::newRow("one pass halves") << "a    b" << 1 << "a  b";
}

void TicketTextTest::collapsing()
{
    QFETCH(QString, text);
    QFETCH(int, passes);
    QFETCH(QString, collapsed);
    QCOMPARE(collapseSpaces(text, passes), collapsed);
}

void TicketTextTest::fieldsOfALine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("fields");
    QTest::newRow("canonical line has an empty eighth") << "01 02 03 04 05 06 07 " << 8;
    QTest::newRow("without the trailing space") << "01 02 03 04 05 06 07" << 7;
    QTest::newRow("six numbers with the space") << "01 02 03 04 05 06 " << 7;
    QTest::newRow("short line") << "01 02 03 " << 4;
}

void TicketTextTest::fieldsOfALine()
{
    QFETCH(QString, line);
    QFETCH(int, fields);
    QCOMPARE(splitFields(line).size(), fields);
}

void TicketTextTest::markersAreRemovedEverywhere()
{
    const QString withMarkers = QStringLiteral("01 ←02 ←");
    QCOMPARE(removeMarkers(withMarkers), QStringLiteral("01 02 "));
    QCOMPARE(removeMarkers(withMarkers).size() / 3, 2);
    QCOMPARE(cleanTicketText(QStringLiteral("01  02   03 ←")), QStringLiteral("01 02 03 "));
}

void TicketTextTest::sameTickets_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<bool>("same");
    const QString a = QStringLiteral("01 02 03 04 05 06 07 ");
    const QString b = QStringLiteral("08 09 10 11 12 13 14 ");
    const QString cr = QStringLiteral("\r\n");
    QTest::newRow("as checked: two spaces per line, empty lines gone")
        << a + " " + cr + b + " " + cr << a + cr + cr + b << true;
    QTest::newRow("marker and prize mark") << a + " 已中奖←" << a << true;
    QTest::newRow("runs of spaces") << "01  02   03 " << "01 02 03 " << true;
    QTest::newRow("a number more") << a + cr + "01 ←" << a << false;
    QTest::newRow("a number changed") << "01 02 03 04 05 06 08 " << a << false;
    QTest::newRow("lines swapped") << b + cr + a << a + cr + b << false;
    QTest::newRow("a leading space changes the fields") << " " + a << a << false;
}

void TicketTextTest::sameTickets()
{
    QFETCH(QString, box);
    QFETCH(QString, saved);
    QFETCH(bool, same);
    QCOMPARE(tickets::sameTickets(box, saved), same);
    QCOMPARE(tickets::sameTickets(saved, box), same);
}

void TicketTextTest::linesKeepEmptyElements()
{
    QCOMPARE(splitLines(QStringLiteral("a\r\n\r\nb\r\n")), (QStringList{"a", "", "b", ""}));
    QCOMPARE(countLineBreaks(QStringLiteral("a\r\n\r\nb\r\n")), 3);
}

void TicketTextTest::roundingHalfToEven_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<int>("value");
    QTest::newRow("2.5 to 2") << "2.5" << true << 2;
    QTest::newRow("3.5 to 4") << "3.5" << true << 4;
    QTest::newRow("-2.5 to -2") << "-2.5" << true << -2;
    QTest::newRow("top of range") << "32767" << true << 32767;
    QTest::newRow("above the range") << "32768" << false << 0;
    QTest::newRow("below the range") << "-32769" << false << 0;
    QTest::newRow("letters") << "abc" << false << 0;
}

void TicketTextTest::roundingHalfToEven()
{
    QFETCH(QString, text);
    QFETCH(bool, stored);
    QFETCH(int, value);
    qint16 v = 0;
    QCOMPARE(toInt16Rounded(text, &v), stored);
    if (stored)
        QCOMPARE(int(v), value);
}

QTEST_APPLESS_MAIN(TicketTextTest)
#include "tst_ticket_text.moc"
