// The draw history file: reading and rewriting it, remembering checked draws, the cap.
#include "archive/archive_files.h"
#include "history/draw_history.h"
#include "messages/message_text.h"
#include "support/test_files.h"
#include "tickets/ticket_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace history;

namespace {
const QString kDate = QStringLiteral("2026/12/7 20:15:03");
QString fileLine(const QString& numbers, const QString& date = kDate)
{
    return numbers + QLatin1Char(' ') + date + QStringLiteral("\r\n");
}
QString readHistoryFile(const QTemporaryDir& dir)
{
    return archive::readTextFile(dir.filePath(kHistoryFileName), archive::kMaxHistoryBytes)
        .text.value_or(QStringLiteral("<none>"));
}
void writeHistoryFile(const QTemporaryDir& dir, const QString& text)
{
    QVERIFY(archive::writeTextFile(dir.filePath(kHistoryFileName), text).ok);
}
// Draw `i` of the row of different draws.
QString distinctDraw(int i)
{
    return testfiles::DrawRow(i).next();
}
}  // namespace

class DrawHistoryTest : public QObject {
    Q_OBJECT
private slots:
    void drawLine_data();
    void drawLine();
    void readAndRewrite_data();
    void readAndRewrite();
    void remember_data();
    void remember();
    void keepsTheNewestDraws_data();
    void keepsTheNewestDraws();
    void unreadableLinesAreQuotedShort();
    void historyKeepsItsEncoding_data();
    void historyKeepsItsEncoding();
    void unreadableFileIsNeverOverwritten_data();
    void unreadableFileIsNeverOverwritten();
};

void DrawHistoryTest::drawLine_data()
{
    QTest::addColumn<QString>("drawLine");
    QTest::addColumn<QString>("draw");  // "" for no complete draw
    QTest::newRow("as keyed") << "01 02 03 04 05 06 07 " << "01 02 03 04 05 06 07";
    QTest::newRow("no trailing space") << "36 02 13 04 25 06 07" << "36 02 13 04 25 06 07";
    QTest::newRow("with the marker") << "01 02 03 04 05 06 07 ←" << "01 02 03 04 05 06 07";
    QTest::newRow("six numbers") << "01 02 03 04 05 06 " << "";
    QTest::newRow("eight numbers") << "01 02 03 04 05 06 07 08 " << "";
    QTest::newRow("one digit") << "1 02 03 04 05 06 07 " << "";
    QTest::newRow("37") << "01 02 03 04 05 06 37 " << "";
    QTest::newRow("00") << "00 02 03 04 05 06 07 " << "";
    QTest::newRow("sign") << "+1 02 03 04 05 06 07 " << "";
    QTest::newRow("full-width digit") << "０1 02 03 04 05 06 07 " << "";
    QTest::newRow("double space") << "01  02 03 04 05 06 07 " << "";
    QTest::newRow("repeated regular") << "01 02 03 04 05 01 07 " << "";
    QTest::newRow("special among regulars") << "01 02 03 04 05 06 03 " << "";
    QTest::newRow("empty") << "" << "";
}

void DrawHistoryTest::drawLine()
{
    QFETCH(QString, drawLine);
    QFETCH(QString, draw);
    const std::optional<Draw> parsed = parseDraw(drawLine);
    QCOMPARE(parsed ? parsed->numbersText() : QString(), draw);
}

void DrawHistoryTest::readAndRewrite_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("rewritten");
    QTest::addColumn<QStringList>("newestFirst");
    QTest::addColumn<int>("unreadable");
    const QString a = fileLine(QStringLiteral("01 02 03 04 05 06 07"));
    const QString b = fileLine(QStringLiteral("08 09 10 11 12 13 14"), QStringLiteral("2026/12/8 6:05:09"));
    const QStringList both = {QStringLiteral("08 09 10 11 12 13 14"), QStringLiteral("01 02 03 04 05 06 07")};
    QTest::newRow("two draws") << a + b << a + b << both << 0;
    QTest::newRow("LF only") << QString(a + b).remove(QLatin1Char('\r')) << a + b << both << 0;
    QTest::newRow("empty lines dropped") << a + "\r\n" + b << a + b << both << 0;
    const QString junk = QStringLiteral("看不懂的一行\r\n");
    QTest::newRow("unreadable kept in place") << a + junk + b << a + junk + b << both << 1;
    // One entry per draw, the first check's time kept; the order the numbers were keyed
    // in does not make another draw.
    QTest::newRow("a draw twice shows once") << a + b + fileLine(QStringLiteral("01 02 03 04 05 06 07"), QStringLiteral("2026/12/9 1:00:00"))
                                             << a + b << both << 0;
    QTest::newRow("the same draw in another order")
        << a + b + fileLine(QStringLiteral("06 05 04 03 02 01 07")) << a + b << both << 0;
    // A draw's 期号 and draw date after the check's time, each when known.
    const QString c = QStringLiteral("08 09 10 11 12 13 14 2026/12/8 6:05:09 2026140 2026-12-01\r\n");
    QTest::newRow("期号 and date") << a + c << a + c << both << 0;
    const QString issueOnly = QStringLiteral("08 09 10 11 12 13 14 2026/12/8 6:05:09 0026140\r\n");
    QTest::newRow("期号 only") << a + issueOnly << a + issueOnly << both << 0;
    const QString dateOnly = QStringLiteral("08 09 10 11 12 13 14 2026/12/8 6:05:09 1999-02-28\r\n");
    QTest::newRow("date only") << a + dateOnly << a + dateOnly << both << 0;
    const QStringList justA = {QStringLiteral("01 02 03 04 05 06 07")};
    for (const QString& bad : {QStringLiteral("08 09 10 11 12 13 14 2026/12/8 6:05:09 2026-12-01 2026140\r\n"),
                               QStringLiteral("08 09 10 11 12 13 14 2026/12/8 6:05:09 1234\r\n"),
                               QStringLiteral("08 09 10 11 12 13 14 2026/12/8 6:05:09 2026-02-30\r\n"),
                               QStringLiteral("08 09 10 11 12 13 14 2026/12/8 6:05:09 2026140 \r\n"),
                               QStringLiteral("08 09 10 11 12 13 14 2026/12/8 6:05:09 2026140 2026-12-01 x\r\n"),
                               QStringLiteral("01 02 03 04 05 06 07\r\n"),
                               QStringLiteral("01 02 03 04 05 06 07 昨天\r\n"),
                               QStringLiteral("01 02 03 04 05 06 07  2026/12/7 20:15:03\r\n"),
                               QStringLiteral("01 02 03 04 05 06 06 2026/12/7 20:15:03\r\n"),
                               QStringLiteral("01 02 03 04 05 06 2026/12/7 20:15:03\r\n")})
        QTest::newRow(qPrintable(bad.trimmed())) << a + bad << a + bad << justA << 1;
}

void DrawHistoryTest::readAndRewrite()
{
    QFETCH(QString, file);
    QFETCH(QString, rewritten);
    QFETCH(QStringList, newestFirst);
    QFETCH(int, unreadable);
    const History h = parseHistory(archive::textLines(file));
    QStringList draws;
    for (int i : h.drawsNewestFirst())
        draws << h.entries[size_t(i)].draw->numbersText();
    QCOMPARE(draws, newestFirst);
    QCOMPARE(h.unreadableLines().size(), unreadable);
    QCOMPARE(historyText(h), rewritten);
}

void DrawHistoryTest::remember_data()
{
    QTest::addColumn<QString>("before");  // "<none>": no file
    QTest::addColumn<QString>("drawLine");
    QTest::addColumn<QString>("after");
    const QString newest = QStringLiteral("08 09 10 11 12 13 14");
    const QString older = QStringLiteral("01 02 03 04 05 06 07");
    const QString file = fileLine(older) + fileLine(newest);
    const QString now = QStringLiteral("2026/12/8 7:00:00");
    QTest::newRow("first draw") << "<none>" << older + " " << fileLine(older, now);
    QTest::newRow("new draw") << file << "20 21 22 23 24 25 26 "
                              << file + fileLine(QStringLiteral("20 21 22 23 24 25 26"), now);
    QTest::newRow("the newest again") << file << newest + " " << file;
    QTest::newRow("an older one again") << file << older + " " << file;
    QTest::newRow("an older one, other order") << file << "07 06 05 04 03 02 01 " << file + fileLine(QStringLiteral("07 06 05 04 03 02 01"), now);
    QTest::newRow("an older one, numbers reordered") << file << "02 01 03 04 05 06 07 " << file;
    QTest::newRow("incomplete") << file << "01 02 03 " << file;
    QTest::newRow("invalid") << file << "01 02 03 04 05 06 01 " << file;
    QTest::newRow("empty") << "<none>" << "" << "<none>";
    const QString junk = QStringLiteral("旧版本写的行\r\n");
    QTest::newRow("unreadable line kept") << junk + file << "20 21 22 23 24 25 26 "
                                          << junk + file + fileLine(QStringLiteral("20 21 22 23 24 25 26"), now);
}

void DrawHistoryTest::remember()
{
    QFETCH(QString, before);
    QFETCH(QString, drawLine);
    QFETCH(QString, after);
    QTemporaryDir dir;
    if (before != QStringLiteral("<none>"))
        writeHistoryFile(dir, before);
    const StoreResult result = rememberDrawLine(dir.path(), drawLine, QStringLiteral("2026/12/8 7:00:00"));
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(readHistoryFile(dir), after);
}

void DrawHistoryTest::keepsTheNewestDraws_data()
{
    QTest::addColumn<int>("inFile");
    QTest::newRow("a full history") << kMaxDraws;
    QTest::newRow("a history ten times too long") << 10 * kMaxDraws;
}

void DrawHistoryTest::keepsTheNewestDraws()
{
    QFETCH(int, inFile);
    QTemporaryDir dir;
    writeHistoryFile(dir, QStringLiteral("无法识别\r\n") + testfiles::DrawRow().historyLines(inFile));
    const StoreResult result = rememberDrawLine(dir.path(), QStringLiteral("20 21 22 23 24 25 26 "), kDate);
    QVERIFY(result.ok);
    QCOMPARE(result.dropped, inFile + 1 - kMaxDraws);
    QVERIFY(droppedDrawsMessage(result.dropped).contains(QString::number(result.dropped)));
    const QStringList lines = archive::textLines(readHistoryFile(dir));
    QCOMPARE(lines.size(), kMaxDraws + 1);
    QCOMPARE(lines.first(), QStringLiteral("无法识别"));
    QCOMPARE(lines[1], distinctDraw(inFile + 1 - kMaxDraws) + QStringLiteral(" 2026/1/1 0:00:00"));  // the oldest went
    QCOMPARE(lines.last(), QStringLiteral("20 21 22 23 24 25 26 ") + kDate);
}

void DrawHistoryTest::unreadableLinesAreQuotedShort()
{
    const QString longLine(5000000, QLatin1Char('x'));
    const History h = parseHistory({longLine, QStringLiteral("01 02 03 04 05 06 07 ") + kDate});
    const QString message = messages::brToLineBreaks(unreadableLinesMessage(QStringLiteral("/data"), h));
    QVERIFY2(message.size() < 600, qPrintable(message.left(600)));
    QVERIFY(message.contains(QString(200, QLatin1Char('x')) + QStringLiteral("…")));
    QVERIFY(historyText(h).startsWith(longLine + QStringLiteral("\r\n")));  // the file keeps it whole
}

void DrawHistoryTest::historyKeepsItsEncoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray line = "01 02 03 04 05 06 07 2026/12/7 20:15:03\r\n";
    QTest::newRow("UTF-8") << line + QStringLiteral("手写的一行\r\n").toUtf8();
    QTest::newRow("UTF-8 with a byte order mark") << "\xef\xbb\xbf" + line + QStringLiteral("手写\r\n").toUtf8();
    QTest::newRow("GB18030") << line + QStringEncoder("GB18030").encode(QStringLiteral("手写的一行\r\n"));
}

void DrawHistoryTest::historyKeepsItsEncoding()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    QFile file(dir.filePath(kHistoryFileName));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QVERIFY(rememberDrawLine(dir.path(), QStringLiteral("08 09 10 11 12 13 14 "), kDate).ok);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes + "08 09 10 11 12 13 14 2026/12/7 20:15:03\r\n");
}

void DrawHistoryTest::unreadableFileIsNeverOverwritten_data()
{
    QTest::addColumn<QByteArray>("bytes");  // empty: a folder stands where the file should be
    QTest::newRow("folder") << QByteArray();
    // Rewriting decoded text would turn these bytes into replacement characters.
    QTest::newRow("bytes in no known encoding")
        << QByteArray("01 02 03 04 05 06 07 2026/12/7 20:15:03\r\n\xff\xfe\r\n");
}

void DrawHistoryTest::unreadableFileIsNeverOverwritten()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(kHistoryFileName);
    if (bytes.isEmpty()) {
        QVERIFY(QDir(dir.path()).mkdir(kHistoryFileName));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    const StoreResult result = rememberDrawLine(dir.path(), QStringLiteral("08 09 10 11 12 13 14 "), kDate);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(kHistoryFileName), qPrintable(result.error));
    QFile file(path);
    QCOMPARE(QFileInfo(path).isDir(), bytes.isEmpty());
    if (!bytes.isEmpty()) {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
    }
}

QTEST_APPLESS_MAIN(DrawHistoryTest)
#include "tst_draw_history.moc"
