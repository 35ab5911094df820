// The row replace editor's rules: digits its pad offers, the field check, what its keys
// do to the fields, the replacement paths.
#include "editing/row_replace.h"

#include <QTest>

using namespace editing;

namespace {
const QString A = QStringLiteral("01 05 12 18 23 30 07 ");
const QString B = QStringLiteral("02 09 14 20 26 31 36 ");
const QString C = QStringLiteral("03 08 15 21 27 33 11 ");
const QString N = QStringLiteral("04 10 16 22 28 34 35 ");
const QString CR = QStringLiteral("\r\n");

// The digits as a string, "0123" for 0 to 3.
QString digits(const tickets::DigitSet& set)
{
    QString out;
    for (int k = 0; k <= 9; ++k)
        if (set[k])
            out += QString::number(k);
    return out;
}

RowEditorFields byRow(const QString& row, const QString& newLine = N)
{
    return RowEditorFields{row, QString(), newLine, true};
}

RowEditorFields byContent(const QString& oldLine, const QString& newLine = N)
{
    return RowEditorFields{kRowPlaceholder, oldLine, newLine, false};
}
}  // namespace

Q_DECLARE_METATYPE(editing::RowEditorFields)

class RowReplaceTest : public QObject {
    Q_OBJECT
private slots:
    void rowDigitRule_data();
    void rowDigitRule();
    void numberFieldRule_data();
    void numberFieldRule();
    void fieldCheck_data();
    void fieldCheck();
    void editorEvents_data();
    void editorEvents();
    void replacement_data();
    void replacement();
    void noPathChangesNothing();
};

void RowReplaceTest::rowDigitRule_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("allList");
    QTest::addColumn<bool>("click");
    QTest::addColumn<QString>("enabled");
    QTest::newRow("click on the empty field") << "" << 0 << true << "123456789";
    QTest::newRow("backspace empties the field") << "" << 4 << false << "1234";
    QTest::newRow("many lines, empty field") << "" << 500 << false << "123456789";
    QTest::newRow("1 of 15") << "1" << 15 << false << "012345";
    QTest::newRow("2 of 15") << "2" << 15 << false << "";
    QTest::newRow("12 of 129") << "12" << 129 << false << "0123456789";
    QTest::newRow("at the 16-bit top") << "3276" << 32767 << false << "01234567";
    QTest::newRow("five digits never grow") << "32767" << 32767 << false << "";
    QTest::newRow("no lines counted") << "1" << 0 << false << "";
    QTest::newRow("negative count") << "1" << -5 << false << "";
    QTest::newRow("placeholder offers nothing") << kRowPlaceholder << 30 << false << "";
}

void RowReplaceTest::rowDigitRule()
{
    QFETCH(QString, row);
    QFETCH(int, allList);
    QFETCH(bool, click);
    QFETCH(QString, enabled);
    QCOMPARE(digits(rowDigits(row, qint16(allList), click)), enabled);
}

void RowReplaceTest::numberFieldRule_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("enabled");
    QTest::newRow("empty") << "" << "0123";
    QTest::newRow("after 3") << "3" << "0123456";
    QTest::newRow("after 0") << "0" << "123456789";
    QTest::newRow("after 2") << "2" << "0123456789";
    QTest::newRow("new number") << "01 " << "0123";
    QTest::newRow("last second digit") << "01 02 03 04 05 06 3" << "0123456";
    QTest::newRow("complete line") << A << "";
}

void RowReplaceTest::numberFieldRule()
{
    QFETCH(QString, field);
    QFETCH(QString, enabled);
    QCOMPARE(digits(numberFieldDigits(field)), enabled);
}

void RowReplaceTest::fieldCheck_data()
{
    QTest::addColumn<RowEditorFields>("before");
    QTest::addColumn<RowEditorFields>("after");
    QTest::addColumn<bool>("canReplace");
    QTest::newRow("row and a full line") << byRow("2") << byRow("2") << true;
    QTest::newRow("row and half a line") << byRow("2", "04 10 ") << byRow("2", "04 10 ") << false;
    QTest::newRow("no row, no old line") << byRow("") << byRow("") << false;
    QTest::newRow("old line puts the placeholder")
        << RowEditorFields{"", "01 05 ", N, true} << RowEditorFields{kRowPlaceholder, "01 05 ", N, false}
        << false;
    QTest::newRow("full old line") << byContent(A) << byContent(A) << true;
    QTest::newRow("junk is dropped")
        << RowEditorFields{"x", "ab", "—", true} << RowEditorFields{"", "", "", true} << false;
}

void RowReplaceTest::fieldCheck()
{
    QFETCH(RowEditorFields, before);
    QFETCH(RowEditorFields, after);
    QFETCH(bool, canReplace);
    QCOMPARE(checkFields(before), canReplace);
    QCOMPARE(before.row, after.row);
    QCOMPARE(before.oldLine, after.oldLine);
    QCOMPARE(before.newLine, after.newLine);
    QCOMPARE(before.rowEnabled, after.rowEnabled);
}

void RowReplaceTest::editorEvents_data()
{
    // Events: R, O, N click Text1, Text2, Text3; a digit is a pad key; < is "←"; ! resets.
    // Switches on: r row field, o old-line field, e "←", x "执行替换".
    QTest::addColumn<QString>("events");
    QTest::addColumn<RowEditorFields>("fields");
    QTest::addColumn<QString>("switches");
    QTest::addColumn<QString>("offered");
    const RowEditorFields none{"", "", "", true};
    QTest::newRow("row clicked") << "R" << none << "ro" << "123456789";
    QTest::newRow("row keyed locks the old line")
        << "R2" << RowEditorFields{"2", "", "", true} << "re" << "012345";
    QTest::newRow("row erased frees the old line") << "R2<" << none << "ro" << "123456789";
    QTest::newRow("old line keyed locks the row")
        << "O0105" << RowEditorFields{kRowPlaceholder, "01 05 ", "", false} << "oe" << "0123";
    QTest::newRow("old line erased frees the row") << "O01<" << none << "ro" << "0123";
    QTest::newRow("row and new line") << "R3N04101622283435" << byRow("3") << "rex" << "";
    QTest::newRow("old and new line")
        << "O01051218233007N04101622283435" << byContent(A) << "oex" << "";
    QTest::newRow("new line erased") << "N0410<" << RowEditorFields{"", "", "04 ", true} << "roe"
                                     << "0123";
    QTest::newRow("a key before a click") << "5<" << none << "ro" << "";
    QTest::newRow("reset") << "R3N0410!" << none << "ro" << "";
}

void RowReplaceTest::editorEvents()
{
    QFETCH(QString, events);
    QFETCH(RowEditorFields, fields);
    QFETCH(QString, switches);
    QFETCH(QString, offered);
    const qint16 allList = 25;
    RowEditorState state = resetEditor();
    for (const QChar event : events) {
        if (event.isDigit())
            state = pressDigit(state, event.digitValue(), allList);
        else if (event == '<')
            state = pressErase(state, allList);
        else if (event == '!')
            state = resetEditor();
        else
            state = chooseField(state,
                                event == 'R' ? RowEditorField::Row
                                : event == 'O' ? RowEditorField::OldLine : RowEditorField::NewLine,
                                allList);
    }
    QCOMPARE(state.fields.row, fields.row);
    QCOMPARE(state.fields.oldLine, fields.oldLine);
    QCOMPARE(state.fields.newLine, fields.newLine);
    QString on;
    for (auto [letter, set] : {std::pair{'r', state.fields.rowEnabled}, std::pair{'o', state.oldLineEnabled},
                               std::pair{'e', state.eraseEnabled}, std::pair{'x', state.canReplace}})
        if (set)
            on += QLatin1Char(letter);
    QCOMPARE(on, switches);
    QCOMPARE(digits(state.offered), offered);
}

void RowReplaceTest::replacement_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<RowEditorFields>("fields");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");  // the whole message, or what a failure says

    QTest::newRow("row 2 only, the equal row 3 stays")
        << A + CR + B + CR + B + CR + C + "←" << byRow("2") << true
        << A + CR + N + CR + B + CR + C + "←"
        << "替换执行成功：BR    OK，已把主界面彩票号码第2行的：BR    " + B.left(20)
               + "BR          成功替换为：BR    " + N;
    QTest::newRow("content replaces every copy")
        << A + CR + B + CR + B + CR + C + "←" << byContent(B) << true
        << A + CR + N + CR + N + CR + C + "←"
        << "替换执行成功：BR    OK，已把主界面彩票号码：BR    " + B + "BR          成功替换为：BR    " + N;
    QTest::newRow("row equal to the line breaks")
        << A + CR + B + CR + "←" << byRow("2") << true << A + CR + N + CR + "←" << "";
    QTest::newRow("short row gets the whole new line")
        << A + CR + "01 02 " + CR + B << byRow("2") << true << A + CR + N.left(20) + CR + B << "";
    QTest::newRow("complete last line after the last break")
        << A + CR + B + "←" << byRow("2") << true << A + CR + N + "←" << "";
    QTest::newRow("half-keyed last line is out of reach")
        << A + CR + "08 09 ←" << byRow("2") << false << A + CR + "08 09 ←" << "找不到这一行数据";
    QTest::newRow("row beyond the last line")
        << A + CR + B + "←" << byRow("3") << false << A + CR + B + "←" << "找不到这一行数据";
    QTest::newRow("row path collapses double spaces, even when it fails")
        << A + " " + CR + B + "  ←" << byRow("9") << false << A + CR + B + " ←" << "找不到这一行数据";
    QTest::newRow("no line break") << A + "←" << byRow("1") << false << A + "←" << "找不到换行符";
    QTest::newRow("empty row is no success")
        << A + CR + CR + B + CR << byRow("2") << false << A + CR + CR + B + CR << "第2行是空行";
    QTest::newRow("content not found")
        << A + CR + B << byContent(C) << false << A + CR + B << "找不到您需要替换的数据";
}

void RowReplaceTest::replacement()
{
    QFETCH(QString, box);
    QFETCH(RowEditorFields, fields);
    QFETCH(bool, replaced);
    QFETCH(QString, text);
    QFETCH(QString, message);
    const ReplaceOutcome out = replaceLine(box, fields);
    QCOMPARE(out.replaced, replaced);
    QCOMPARE(out.text, text);
    QVERIFY(out.message.startsWith(replaced ? QStringLiteral("替换执行成功：")
                                            : QStringLiteral("替换执行失败：BR    SORRY，")));
    if (replaced && !message.isEmpty())
        QCOMPARE(out.message, message);
    else
        QVERIFY2(out.message.contains(message), qPrintable(out.message));
}

void RowReplaceTest::noPathChangesNothing()
{
    const QString box = A + CR + B + "  ←";
    // A complete old line while the row field is still in use, and half a new line.
    for (const RowEditorFields& f : {RowEditorFields{"1", A, N, true}, byRow("1", "04 "),
                                     RowEditorFields{"", "", N, true}}) {
        const ReplaceOutcome out = replaceLine(box, f);
        QCOMPARE(out.path, ReplacePath::None);
        QCOMPARE(out.text, box);
        QVERIFY(out.message.isEmpty());
    }
}

QTEST_APPLESS_MAIN(RowReplaceTest)
#include "tst_row_replace.moc"
