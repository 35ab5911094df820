// Line-by-line edits of a large text: applied in order they give the new text, and they
// give up where a full replacement is cheaper.
#include "tickets/line_diff.h"

#include <QTest>

class LineEditsTest : public QObject {
    Q_OBJECT
private slots:
    void editsGiveTheNewText_data();
    void editsGiveTheNewText();
};

void LineEditsTest::editsGiveTheNewText_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("edits");  // -1: no edits, too much changed
    QTest::newRow("same") << "a\nb" << "a\nb" << 10 << 0;
    QTest::newRow("a space after every line, an empty line") << "01 \n02 \n03 " << "01  \n02  \n03  \n" << 10 << 3;
    QTest::newRow("one line in the middle") << "01 02\n03 04\n05 06" << "01 02\n03 09\n05 06" << 10 << 1;
    QTest::newRow("lines removed at the end") << "a\nb\nc\nd" << "a\nb" << 10 << 1;
    QTest::newRow("lines added at the end") << "a\nb" << "a\nb\nc\nd" << 10 << 1;
    QTest::newRow("empty before") << "" << "a\nb" << 10 << 1;
    QTest::newRow("empty after") << "a\nb" << "" << 10 << 1;
    QTest::newRow("repeated letters at the seam") << "aa\naa" << "aaa\na" << 10 << 2;
    QTest::newRow("too much changed") << "abc\ndef" << "xyz\nuvw" << 5 << -1;
}

void LineEditsTest::editsGiveTheNewText()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, limit);
    QFETCH(int, edits);
    const auto found = lines::lineDiff(before, after, limit);
    QCOMPARE(found ? int(found->size()) : -1, edits);
    if (!found)
        return;
    QString text = before;
    qsizetype lastPosition = text.size() + 1;
    for (const lines::TextEdit& e : *found) {
        QVERIFY(e.position + e.removed <= lastPosition);  // later edits never touch earlier ones
        lastPosition = e.position;
        text.replace(e.position, e.removed, e.inserted);
    }
    QCOMPARE(text, after);
}

QTEST_MAIN(LineEditsTest)
#include "tst_line_diff.moc"
