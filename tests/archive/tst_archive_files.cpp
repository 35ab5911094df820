// The slot files: what a save writes, what a load gives back, and failed writes.
#include "archive/archive_files.h"
#include "support/test_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace archive;

using testfiles::readBytes;
using testfiles::writeBytes;

class ArchiveFilesTest : public QObject {
    Q_OBJECT
private slots:
    void namesOfASlot();
    void saveThenLoadGivesTheSameText();
    void saveCleansTheContent_data();
    void saveCleansTheContent();
    void loadedFiles_data();
    void loadedFiles();
    void missingFilesReadAsEmpty();
    void onlyTheProgramsOwnCopiesAreRemoved_data();
    void onlyTheProgramsOwnCopiesAreRemoved();
    void malformedFiles_data();
    void malformedFiles();
    void timeFileLinesAreJoined();
    void chineseWindowsFilesAreReadAsGb18030();
    void failedWriteKeepsTheOldFile();
    void unsavedTestIgnoresMarkers();
};

void ArchiveFilesTest::namesOfASlot()
{
    QCOMPARE(dataFileName(5), QStringLiteral("Save05.txt"));
    QCOMPARE(timeFileNameFor(QStringLiteral("Save05.txt")), QStringLiteral("t5.txt"));
    QCOMPARE(savedStatusText(slotNumberText(QStringLiteral("Save05.txt"))),
             QStringLiteral("彩票数据已保存 (05存档)"));
}

void ArchiveFilesTest::saveThenLoadGivesTheSameText()
{
    QTemporaryDir dir;
    const QString text = QStringLiteral("01 02 03 04 05 06 07 \r\n08 09 ");
    const SaveResult saved = saveSlot(dir.path(), QStringLiteral("Save00.txt"), text,
                                      QStringLiteral("2026/12/8 9:05:01"));
    QVERIFY(saved.ok());
    QCOMPARE(readBytes(dir.filePath("Save00.txt")), (text + "\r\n").toUtf8());
    QCOMPARE(readBytes(dir.filePath("t0.txt")), QByteArray("2026/12/8 9:05:01\r\n"));
    const SlotText loaded = loadSlotData(dir.path(), QStringLiteral("Save00.txt")).slot;
    QCOMPARE(loaded.text, text);
    QCOMPARE(int(loaded.lineCount), 2);
    QCOMPARE(loaded.lastLineCount, std::optional<qint16>(2));
}

void ArchiveFilesTest::saveCleansTheContent_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("written");
    QTest::newRow("double space") << "01 02  03" << "01 02 03";
    QTest::newRow("marker") << "01 02 ←" << "01 02 ";
    QTest::newRow("prize mark") << "01 02 03 04 05 06 07  已中奖←" << "01 02 03 04 05 06 07 ";
    QTest::newRow("empty content is one empty line") << "" << "";
}

void ArchiveFilesTest::saveCleansTheContent()
{
    QFETCH(QString, content);
    QFETCH(QString, written);
    QTemporaryDir dir;
    const SaveResult saved = saveSlot(dir.path(), QStringLiteral("Save03.txt"), content, "now");
    QCOMPARE(saved.content, written);
    QCOMPARE(QString::fromUtf8(readBytes(dir.filePath("Save03.txt"))), written + "\r\n");
    QVERIFY(QFile::exists(dir.filePath("t3.txt")));
}

void ArchiveFilesTest::loadedFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("lastCount");  // -1: the counter is left as it was
    QTest::newRow("empty lines between are dropped")
        << QByteArray("01 02 03 04 05 06 07 \r\n\r\n\r\n11 12 13 \r\n") << "01 02 03 04 05 06 07 \r\n11 12 13 " << 2 << 3;
    QTest::newRow("leading empty lines skipped")
        << QByteArray("\r\n\r\n01 02 \r\n") << "01 02 " << 1 << 2;
    QTest::newRow("lines without trailing space get one")
        << QByteArray("01 02 03 04 05 06 07\r\n08 09\r\n") << "01 02 03 04 05 06 07 \r\n08 09" << 2 << 2;
    QTest::newRow("empty last line leaves the counter")
        << QByteArray("01 02 \r\n\r\n") << "01 02 " << 1 << -1;
    QTest::newRow("only empty lines") << QByteArray("\r\n\r\n") << "" << 0 << -1;
    QTest::newRow("marker in a file is removed") << QByteArray("01 \xe2\x86\x90\r\n") << "01 " << 1 << 1;
    QTest::newRow("LF line ends") << QByteArray("01 02 \n03 \n") << "01 02 \r\n03 " << 2 << 1;
}

void ArchiveFilesTest::loadedFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, text);
    QFETCH(int, lines);
    QFETCH(int, lastCount);
    QTemporaryDir dir;
    writeBytes(dir.filePath("Save01.txt"), file);
    const SlotText loaded = loadSlotData(dir.path(), QStringLiteral("Save01.txt")).slot;
    QCOMPARE(loaded.text, text);
    QCOMPARE(int(loaded.lineCount), lines);
    QCOMPARE(loaded.lastLineCount ? int(*loaded.lastLineCount) : -1, lastCount);
}

void ArchiveFilesTest::missingFilesReadAsEmpty()
{
    QTemporaryDir dir;
    const SlotText loaded = loadSlotData(dir.path(), QStringLiteral("Save00.txt")).slot;
    QVERIFY(loaded.text.isEmpty());
    QCOMPARE(int(loaded.lineCount), 0);
    QVERIFY(!loaded.lastLineCount);
    QVERIFY(!readTimeText(dir.path(), QStringLiteral("t0.txt")).text);
    QVERIFY(!readLowText(dir.path()).text);
}

void ArchiveFilesTest::onlyTheProgramsOwnCopiesAreRemoved_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removed");
    QTest::newRow("a cut-off write's copy") << ".Save00.txt.lotto36x7-4711-new" << true;
    QTest::newRow("a cut-off write's old name") << ".draws.txt.lotto36x7-12-old" << true;
    QTest::newRow("the slot itself") << "Save00.txt" << false;
    // Names the user gave copies of the files: never removed, whatever they look like.
    for (const char* name : {"Save00.txt.backup", "Save01.txt.myCopy", "t0.txt.before",
                             "draws.txt.backup", "Save00.txt.oyEtft", "Save00.txt.bak"})
        QTest::newRow(name) << name << false;
    QTest::newRow("no process number") << ".Save00.txt.lotto36x7--new" << false;
    QTest::newRow("another ending") << ".Save00.txt.lotto36x7-4711-mine" << false;
    QTest::newRow("line end after the name") << ".Save00.txt.lotto36x7-4711-new\n" << false;
}

void ArchiveFilesTest::onlyTheProgramsOwnCopiesAreRemoved()
{
    QFETCH(QString, name);
    QFETCH(bool, removed);
    QTemporaryDir dir;
    writeBytes(dir.filePath(name), "01 \r\n");
    writeBytes(dir.filePath("Save01.txt"), "01 \r\n");
    QCOMPARE(removeUnfinishedWrites(dir.path()), removed ? QStringList{name} : QStringList());
    QCOMPARE(QFile::exists(dir.filePath(name)), !removed);
    QVERIFY(QFile::exists(dir.filePath("Save01.txt")));
}

// A ticket line repeated until the file has `bytes` bytes, with or without line ends.
QByteArray repeatedLines(qint64 bytes, bool lineEnds)
{
    const QByteArray line = lineEnds ? QByteArray("01 02 03 04 05 06 07 \r\n") : QByteArray("01 02 ");
    QByteArray out;
    out.reserve(bytes);
    while (out.size() + line.size() <= bytes)
        out += line;
    return out;
}

void ArchiveFilesTest::malformedFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("refusal");  // the start of the reason; empty: loaded
    QTest::addColumn<int>("lines");
    QTest::newRow("binary") << QByteArray("\x7f" "ELF\x02\x01\x01\x00\x00\x00\xff\xfe", 12)
                            << "文件里有不是文字的字节" << 0;
    QTest::newRow("NUL bytes") << QByteArray("01 02 \x00\x00 03 \r\n", 14) << "文件里有不是文字的字节" << 0;
    QTest::newRow("invalid UTF-8 nor GB18030") << QByteArray("01 02 \xff\xff\xc3\r\n") << "文件的文字编码无法识别" << 0;
    QTest::newRow("GB18030 text") << QByteArray(QStringEncoder("GB18030").encode(QStringLiteral("01 02 彩票\r\n")))
                                  << "" << 1;
    QTest::newRow("a line of 4,097 characters") << QByteArray(4097, '1') << "文件里有一行长达 4097 个字符" << 0;
    QTest::newRow("20 MB line without line end") << repeatedLines(20 << 20, false) << "文件太大（20971518 字节，" << 0;
    QTest::newRow("100 MB file") << repeatedLines(100 << 20, true) << "文件太大（104857598 字节，" << 0;
    QTest::newRow("100,000 lines: the counter stops at 32,767")
        << repeatedLines(100000 * 23, true) << "" << 32767;
}

void ArchiveFilesTest::malformedFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, refusal);
    QFETCH(int, lines);
    QTemporaryDir dir;
    writeBytes(dir.filePath("Save04.txt"), file);
    QElapsedTimer timer;
    timer.start();
    const SlotLoad load = loadSlotData(dir.path(), QStringLiteral("Save04.txt"));
    qInfo("%s: %lld ms, %s", QTest::currentDataTag(), timer.elapsed(),
          load.refused() ? qPrintable(QStringLiteral("refused: ") + load.refusal) : "loaded");
    QVERIFY2(refusal.isEmpty() ? !load.refused() : load.refusal.startsWith(refusal),
             qPrintable(load.refusal));
    QCOMPARE(int(load.slot.lineCount), lines);
    if (load.refused())
        QVERIFY(load.slot.text.isEmpty());
    QVERIFY(readBytes(dir.filePath("Save04.txt")) == file);  // loading never changes the file
}

void ArchiveFilesTest::timeFileLinesAreJoined()
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("t2.txt"), "2026/1/2\r\n3:04:05\r\n");
    QCOMPARE(readTimeText(dir.path(), "t2.txt").text.value_or(QString()), QStringLiteral("2026/1/23:04:05"));
    QCOMPARE(readTimeFirstLine(dir.path(), "t2.txt").text.value_or(QString()), QStringLiteral("2026/1/2"));
}

void ArchiveFilesTest::chineseWindowsFilesAreReadAsGb18030()
{
    QTemporaryDir dir;
    QStringEncoder gb("GB18030");
    if (!gb.isValid())
        QSKIP("no GB18030 codec in this Qt build");
    writeBytes(dir.filePath("low.txt"), gb.encode(QStringLiteral("36选7玩法：\r\n中奖规则\r\n")));
    QCOMPARE(readLowText(dir.path()).text.value_or(QString()), QStringLiteral("36选7玩法：\r\n中奖规则\r\n"));
}

void ArchiveFilesTest::failedWriteKeepsTheOldFile()
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("Save00.txt"), "01 02 \r\n");
    // A folder standing where the time file should be: the data goes, the time fails.
    QVERIFY(QDir(dir.path()).mkdir("t0.txt"));
    const SaveResult timeFails = saveSlot(dir.path(), "Save00.txt", "03 04 ", "now");
    QVERIFY(timeFails.dataSaved);
    QVERIFY(!timeFails.time.ok);
    QVERIFY(timeFails.time.error.contains("t0.txt"));
    // A folder standing where the data file should be: nothing is written.
    QVERIFY(QDir(dir.path()).mkdir("Save01.txt"));
    const SaveResult dataFails = saveSlot(dir.path(), "Save01.txt", "05 06 ", "now");
    QVERIFY(!dataFails.dataSaved);
    QVERIFY(dataFails.data.error.contains("Save01.txt"));
    QVERIFY(!QFile::exists(dir.filePath("t1.txt")));
}

void ArchiveFilesTest::unsavedTestIgnoresMarkers()
{
    QVERIFY(!isUnsaved(QStringLiteral("01 02 ←"), QStringLiteral("01 02 ")));
    QVERIFY(isUnsaved(QStringLiteral("01 02 03 ←"), QStringLiteral("01 02 ")));
}

QTEST_APPLESS_MAIN(ArchiveFilesTest)
#include "tst_archive_files.moc"
