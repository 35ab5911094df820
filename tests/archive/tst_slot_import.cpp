// Bringing another folder's slots into the data folder: what is copied, what is asked,
// and that the other folder is never changed.
#include "archive/slot_import.h"
#include "history/draw_history.h"
#include "support/test_files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace archive;

using testfiles::readBytes;
using testfiles::writeBytes;

namespace {
// Every file of a folder with its bytes and modification time.
QStringList snapshot(const QString& folder)
{
    QStringList out;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden); it.hasNext();) {
        const QString path = it.next();
        out << it.fileName() + QLatin1Char(' ') + QString::fromLatin1(readBytes(path).toHex())
                   + QLatin1Char(' ') + QString::number(stampOf(path).modifiedNs);
    }
    out.sort();
    return out;
}
const QByteArray kDrawA = "01 02 03 04 05 06 07 2026/12/1 20:00:00\r\n";
const QByteArray kDrawB = "08 09 10 11 12 13 14 2026/12/3 20:00:00\r\n";
}  // namespace

class SlotImportTest : public QObject {
    Q_OBJECT
private slots:
    void importsAndAsksOnlyBeforeReplacingLines_data();
    void importsAndAsksOnlyBeforeReplacingLines();
    void historiesAreMerged();
};

void SlotImportTest::importsAndAsksOnlyBeforeReplacingLines_data()
{
    QTest::addColumn<QByteArray>("held");  // the data folder's Save00.txt; "<none>": none
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QByteArray>("after");
    const QByteArray source = "01 02 03 04 05 06 07 \r\n";
    QTest::newRow("empty data folder") << QByteArray("<none>") << false << false << source;
    QTest::newRow("an empty slot") << QByteArray("\r\n") << false << false << source;
    QTest::newRow("lines, replace") << QByteArray("20 21 \r\n") << true << true << source;
    QTest::newRow("lines, keep") << QByteArray("20 21 \r\n") << false << true << QByteArray("20 21 \r\n");
    QTest::newRow("a file that is no slot, keep") << QByteArray("\x01\x02") << false << true << QByteArray("\x01\x02");
    QTest::newRow("the same already") << source << false << false << source;
}

void SlotImportTest::importsAndAsksOnlyBeforeReplacingLines()
{
    QFETCH(QByteArray, held);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(QByteArray, after);
    QTemporaryDir from;
    QTemporaryDir to;
    writeBytes(from.filePath("Save00.txt"), "01 02 03 04 05 06 07 \r\n");
    writeBytes(from.filePath("t0.txt"), "2026/1/1 8:00:00\r\n");
    writeBytes(from.filePath("Save02.txt"), "15 \r\n");  // no time file
    if (held != "<none>") {
        writeBytes(to.filePath("Save00.txt"), held);
        if (held == after)
            writeBytes(to.filePath("t0.txt"), "2026/1/1 8:00:00\r\n");
    }
    writeBytes(to.filePath("t2.txt"), "2020/2/2 2:02:02\r\n");
    const QStringList source = snapshot(from.path());
    QList<int> questions;
    const ImportResult result = importSlots(from.path(), to.path(), [&](int slot) {
        questions << slot;
        return answer;
    });
    QCOMPARE(questions, asked ? QList<int>{0} : QList<int>());
    QCOMPARE(readBytes(to.filePath("Save00.txt")), after);
    QCOMPARE(result.copied.contains("Save00.txt"), after != held);
    QCOMPARE(result.kept, asked && !answer ? QStringList{"存档00"} : QStringList());
    // A slot comes with its time, or with none rather than the replaced slot's.
    QCOMPARE(readBytes(to.filePath("Save02.txt")), QByteArray("15 \r\n"));
    QCOMPARE(readBytes(to.filePath("t2.txt")), QByteArray("\r\n"));
    QVERIFY(result.failures.isEmpty());
    QCOMPARE(snapshot(from.path()), source);
    QVERIFY(!importWouldChange(from.path(), to.path()) || (asked && !answer));
}

void SlotImportTest::historiesAreMerged()
{
    QTemporaryDir from;
    QTemporaryDir to;
    writeBytes(from.filePath(history::kHistoryFileName), kDrawA + kDrawB);
    writeBytes(to.filePath(history::kHistoryFileName), kDrawB + "手写的一行\r\n");
    QVERIFY(importWouldChange(from.path(), to.path()));
    const ImportResult result = importSlots(from.path(), to.path(), [](int) { return false; });
    QCOMPARE(result.drawsAdded, 1);
    QCOMPARE(readBytes(to.filePath(history::kHistoryFileName)),
             kDrawB + QStringLiteral("手写的一行\r\n").toUtf8() + kDrawA);
    QVERIFY(importResultText(result, to.path()).contains("开奖记录增加了1期"));
    QVERIFY(!importWouldChange(from.path(), to.path()));
}

QTEST_APPLESS_MAIN(SlotImportTest)
#include "tst_slot_import.moc"
