// The ticket box shows what it says it holds: after every edit, the widget's own document,
// read back with CR LF, equals crlfText(), and the caret sits where the edit put it.
#include "app/main_window.h"
#include "support/test_support.h"
#include "widgets/pad_line_edit.h"
#include "widgets/ticket_box.h"

#include <QAction>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTest>
#include <QTextCursor>

namespace {
const QString kLine = QStringLiteral("01 02 03 04 05 06 07 ");
const QString kDraw = QStringLiteral("01 02 03 04 05 06 07 ");

// The document as the user sees it, each line break written as CR LF.
QString shownText(const TicketBox& box)
{
    QString text = box.document()->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

// The caret as an offset into the CR LF text.
int shownCaret(const TicketBox& box)
{
    const int position = box.textCursor().position();
    return position + int(box.document()->toPlainText().left(position).count(QLatin1Char('\n')));
}

QString lines(int count, const QString& line)
{
    QStringList all;
    for (int i = 0; i < count; ++i)
        all << line;
    return all.join(QStringLiteral("\r\n"));
}

// Every other line of `count` replaced, enough of a large text to leave the tail edit.
QString everyOtherLine(int count)
{
    QStringList all;
    for (int i = 0; i < count; ++i)
        all << (i % 2 ? QStringLiteral("30 31 32 33 34 35 36 ") : kLine);
    return all.join(QStringLiteral("\r\n"));
}

// Line ends written out, so that a failure shows where a CR or LF went.
QString visible(QString text)
{
    return text.replace(QLatin1Char('\r'), QStringLiteral("\\r")).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
}

// Empty when the box shows the text it holds, else both.
QString mismatch(const TicketBox& box)
{
    const QString shown = shownText(box);
    if (shown == box.crlfText())
        return QString();
    return QStringLiteral("shows \"%1\", holds \"%2\"").arg(visible(shown), visible(box.crlfText()));
}
}  // namespace

#define VERIFY_SHOWS_WHAT_IT_HOLDS(box, step)                                        \
    do {                                                                             \
        const QString what = mismatch(box);                                          \
        QVERIFY2(what.isEmpty(), qPrintable(QString(step) + QStringLiteral(": ") + what)); \
    } while (false)

class TicketBoxTest : public QObject {
    Q_OBJECT
private slots:
    void editShowsTheText_data();
    void editShowsTheText();
    void scriptedSessionKeepsBoxAndTextAlike();
};

void TicketBoxTest::editShowsTheText_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("fromEnd");   // the caret asked for, counted from the end
    QTest::addColumn<QString>("held");  // the text the box then holds
    QTest::addColumn<int>("caret");     // where the caret is, in the CR LF text

    QTest::newRow("number typed") << "01 " << "01 02 " << 0 << "01 02 " << 6;
    QTest::newRow("last number deleted") << "01 02 " << "01 " << 0 << "01 " << 3;
    QTest::newRow("number before the marker deleted")
        << "01 02 ←" << "01 ←" << 1 << "01 ←" << 3;
    QTest::newRow("line break deleted") << kLine + "\r\n" << kLine << 0 << kLine << 21;
    QTest::newRow("line break and marker deleted")
        << kLine + "\r\n←" << kLine + "←" << 1 << kLine + "←" << 21;
    QTest::newRow("cleared") << "01 \r\n02 " << "" << 0 << "" << 0;
    QTest::newRow("caret before the marker on a new line")
        << kLine << kLine + "\r\n←" << 1 << kLine + "\r\n←" << 23;
    QTest::newRow("caret asked for before the start") << "01 \r\n02 " << "01 \r\n02 " << 99
                                                      << "01 \r\n02 " << 0;
    // Odd line ends are held as the box shows them: one CR LF each.
    QTest::newRow("cut after a CR") << "01 \r\n02 " << "01 \r" << 0 << "01 \r\n" << 5;
    QTest::newRow("lone CR after a CR") << "01 \r\n02 " << "01 \r\r\n02 " << 0
                                        << "01 \r\n\r\n02 " << 10;
    QTest::newRow("lone LF") << "01 " << "01 \n02 " << 0 << "01 \r\n02 " << 8;
    QTest::newRow("LF CR") << "01 " << "01 \n\r02 " << 3 << "01 \r\n\r\n02 " << 7;
    // Large texts mostly changed take the line by line path or a full replacement.
    QTest::newRow("large text, every other line")
        << lines(400, kLine) << everyOtherLine(400) << 0 << everyOtherLine(400) << 9198;
    QTest::newRow("large text, second half dropped")
        << lines(400, kLine) << lines(200, kLine) << 0 << lines(200, kLine) << 4598;
    QTest::newRow("large text, all new") << lines(400, kLine) << lines(400, "09 ") << 1
                                         << lines(400, "09 ") << 1997;
}

void TicketBoxTest::editShowsTheText()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, fromEnd);
    QFETCH(QString, held);
    QFETCH(int, caret);
    TicketBox box;
    box.setCrlfText(before);
    box.setCrlfText(after);
    box.setCaretFromEnd(fromEnd);
    VERIFY_SHOWS_WHAT_IT_HOLDS(box, QStringLiteral("edit"));
    QCOMPARE(box.crlfText(), held);
    QCOMPARE(shownCaret(box), caret);
}

// A seeded random run of what a user does to the box: number presses, deletes, checks,
// clicks that put the input marker back, and free edits typed from the keyboard.
void TicketBoxTest::scriptedSessionKeepsBoxAndTextAlike()
{
    StartedForm app;
    Form1& form = app.start();
    ModalWatcher modals;
    TicketBox& box = *form.Text88;
    QRandomGenerator random(2317);
    // After a press, a delete or a click, the next number goes before the marker at the end.
    auto caretBeforeMarker = [&box] {
        return shownCaret(box) == std::max(0, int(box.crlfText().size()) - 1);
    };
    auto releasePadLock = [&form] {
        if (form.Timer1->isActive())
            form.Timer1_Timer();
    };

    click(form.Text88);
    for (int i = 0; i < 300; ++i) {
        const int action = random.bounded(100);
        QString step = QStringLiteral("step %1").arg(i);
        if (action < 55) {
            const int number = 1 + random.bounded(36);
            step += QStringLiteral(" press %1").arg(number);
            pressNumber(form, number);
            VERIFY_SHOWS_WHAT_IT_HOLDS(box, step);
            QVERIFY2(caretBeforeMarker(), qPrintable(step));
        } else if (action < 75) {
            step += QStringLiteral(" delete");
            releasePadLock();
            click(child(&form, QStringLiteral("Command5")));
            VERIFY_SHOWS_WHAT_IT_HOLDS(box, step);
            QVERIFY2(caretBeforeMarker(), qPrintable(step));
        } else if (action < 82) {
            step += QStringLiteral(" check");
            form.Text0->setText(kDraw);
            click(child(&form, QStringLiteral("Command1")));
            VERIFY_SHOWS_WHAT_IT_HOLDS(box, step);
        } else if (action < 90) {
            step += QStringLiteral(" click");
            click(form.Text88);
            VERIFY_SHOWS_WHAT_IT_HOLDS(box, step);
            QVERIFY2(caretBeforeMarker(), qPrintable(step));
        } else {
            step += QStringLiteral(" free edit");
            trigger(&form, QStringLiteral("g34435"));
            VERIFY_SHOWS_WHAT_IT_HOLDS(box, step + QStringLiteral(" on"));
            for (int k = random.bounded(1, 4); k > 0; --k) {
                // Somewhere in the text, a number, a line break or a backspace typed.
                QTextCursor cursor = box.textCursor();
                cursor.setPosition(random.bounded(box.document()->characterCount()));
                box.setTextCursor(cursor);
                const int at = shownCaret(box);
                const int key = random.bounded(3);
                int moved = 0;
                if (key == 0) {
                    QTest::keyClicks(&box, QStringLiteral("12 "));
                    moved = 3;
                } else if (key == 1) {
                    QTest::keyClick(&box, Qt::Key_Return);
                    moved = 2;
                } else {
                    const QString before = box.crlfText().left(at);
                    QTest::keyClick(&box, Qt::Key_Backspace);
                    moved = before.isEmpty() ? 0 : before.endsWith(QStringLiteral("\r\n")) ? -2 : -1;
                }
                const QString typed = step + QStringLiteral(" key %1 at %2").arg(key).arg(at);
                VERIFY_SHOWS_WHAT_IT_HOLDS(box, typed);
                QVERIFY2(shownCaret(box) == at + moved, qPrintable(typed));
            }
            trigger(&form, QStringLiteral("g34435"));
            VERIFY_SHOWS_WHAT_IT_HOLDS(box, step + QStringLiteral(" off"));
        }
    }
}

QTEST_MAIN(TicketBoxTest)
#include "tst_ticket_box.moc"
