// The one reader and the one writer: what they refuse, what a failing step leaves behind,
// the modes of what they write, and the encodings written back.
#include "archive/archive_files.h"
#include "archive/durable_write.h"
#include "archive/file_reader.h"
#include "support/test_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <sys/stat.h>

using namespace archive;

Q_DECLARE_METATYPE(archive::WriteStep)

using testfiles::readBytes;
using testfiles::writeBytes;

namespace {
QStringList entries(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}
int modeOf(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}
// Clears the injected fault and the read-only switch whatever the test's outcome.
struct Restore {
    ~Restore()
    {
        setWriteFault({});
        setWritesAllowed(true);
    }
};
}  // namespace

class FileAccessTest : public QObject {
    Q_OBJECT
private slots:
    void readsRegularFilesOnly_data();
    void readsRegularFilesOnly();
    void failingStepKeepsTheOldFile_data();
    void failingStepKeepsTheOldFile();
    void writtenModes_data();
    void writtenModes();
    void linkedFileIsWrittenWhereItPoints();
    void readOnlyCopyWritesNothing();
    void encodingRoundTrip_data();
    void encodingRoundTrip();
};

void FileAccessTest::readsRegularFilesOnly_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<QString>("reason");  // "" read, "-" missing, else the start of the refusal
    QTest::newRow("regular") << "file" << qint64(100) << "";
    QTest::newRow("at the limit") << "file" << qint64(9) << "";
    QTest::newRow("over the limit") << "file" << qint64(8) << "文件太大（9 字节，最多 8 字节）";
    QTest::newRow("missing") << "missing" << qint64(100) << "-";
    QTest::newRow("folder") << "folder" << qint64(100) << "这是一个文件夹";
    QTest::newRow("pipe") << "fifo" << qint64(100) << "这是一个管道";
    QTest::newRow("link to /dev/zero") << "zero" << qint64(100) << "这是一个设备";
    QTest::newRow("link to a file") << "link" << qint64(100) << "";
    QTest::newRow("link to nothing") << "dangling" << qint64(100) << "这是一个链接，它指向的";
}

void FileAccessTest::readsRegularFilesOnly()
{
    QFETCH(QString, kind);
    QFETCH(qint64, limit);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath("t0.txt");
    const QString target = dir.filePath("elsewhere.txt");
    if (kind == "file")
        writeBytes(path, "2026/1/1\n");
    else if (kind == "folder")
        QVERIFY(QDir(dir.path()).mkdir("t0.txt"));
    else if (kind == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == "zero")
        QVERIFY(QFile::link("/dev/zero", path));
    else if (kind == "link" || kind == "dangling")
        QVERIFY(QFile::link(target, path));
    if (kind == "link")
        writeBytes(target, "2026/1/1\n");

    QElapsedTimer timer;
    timer.start();
    const FileRead read = readFile(path, limit);
    QVERIFY2(timer.elapsed() < 5000, "refused at once, never waited on");
    if (reason.isEmpty()) {
        QVERIFY2(read.read(), qPrintable(read.reason));
        QCOMPARE(read.bytes, QByteArray("2026/1/1\n"));
        QCOMPARE(read.stamp, stampOf(path));
    } else if (reason == "-") {
        QCOMPARE(read.status, FileRead::Status::Missing);
    } else {
        QVERIFY2(read.refused() && read.reason.startsWith(reason), qPrintable(read.reason));
        QVERIFY(read.bytes.isEmpty());
    }
    if (kind == "dangling")
        QVERIFY2(read.reason.contains(target), qPrintable(read.reason));
}

void FileAccessTest::failingStepKeepsTheOldFile_data()
{
    QTest::addColumn<WriteStep>("step");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no permission to create") << WriteStep::Create << EACCES << "没有权限";
    QTest::newRow("read-only disk") << WriteStep::Create << EROFS << "磁盘是只读的";
    QTest::newRow("full disk while writing") << WriteStep::Write << ENOSPC << "磁盘空间已满";
    QTest::newRow("sync fails") << WriteStep::Sync << EIO << "没能存到磁盘上：磁盘读写出错";
    QTest::newRow("close fails") << WriteStep::Close << EDQUOT << "没能存到磁盘上：超出了磁盘配额";
    QTest::newRow("rename fails") << WriteStep::Rename << EROFS << "磁盘是只读的";
    QTest::newRow("folder sync fails") << WriteStep::SyncFolder << EIO << "没能存到磁盘上：磁盘读写出错";
}

void FileAccessTest::failingStepKeepsTheOldFile()
{
    QFETCH(WriteStep, step);
    QFETCH(int, error);
    QFETCH(QString, reason);
    Restore restore;
    QTemporaryDir dir;
    const QString path = dir.filePath("Save00.txt");
    for (const bool existed : {true, false}) {
        if (existed)
            writeBytes(path, "01 02 \r\n");
        else
            QFile::remove(path);
        const QStringList before = entries(dir);
        setWriteFault([step, error](WriteStep at) { return at == step ? error : 0; });
        const WriteResult result = writeFileDurably(path, "03 04 \r\n");
        setWriteFault({});
        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains("Save00.txt") && result.error.endsWith(reason), qPrintable(result.error));
        QCOMPARE(readBytes(path), existed ? QByteArray("01 02 \r\n") : QByteArray("<none>"));
        QCOMPARE(entries(dir), before);  // nothing left beside it
    }
}

void FileAccessTest::writtenModes_data()
{
    QTest::addColumn<int>("before");  // -1: no file yet
    QTest::addColumn<int>("after");
    QTest::newRow("new file: the owner's alone") << -1 << 0600;
    QTest::newRow("existing file keeps its mode") << 0644 << 0644;
    QTest::newRow("existing private file") << 0600 << 0600;
}

void FileAccessTest::writtenModes()
{
    QFETCH(int, before);
    QFETCH(int, after);
    QTemporaryDir dir;
    const QString path = dir.filePath("draws.txt");
    if (before >= 0) {
        writeBytes(path, "old\r\n");
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(before)), 0);
    }
    const WriteResult result = writeFileDurably(path, "new\r\n");
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(modeOf(path), after);
    QCOMPARE(result.stamp, stampOf(path));
}

void FileAccessTest::linkedFileIsWrittenWhereItPoints()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("kept"));
    const QString target = dir.filePath("kept/Save00.txt");
    writeBytes(target, "01 \r\n");
    QVERIFY(QFile::link(target, dir.filePath("Save00.txt")));
    QVERIFY(writeFileDurably(dir.filePath("Save00.txt"), "02 \r\n").ok);
    QVERIFY(QFileInfo(dir.filePath("Save00.txt")).isSymLink());
    QCOMPARE(readBytes(target), QByteArray("02 \r\n"));
}

void FileAccessTest::readOnlyCopyWritesNothing()
{
    Restore restore;
    QTemporaryDir dir;
    writeBytes(dir.filePath("Save00.txt"), "01 \r\n");
    writeBytes(dir.filePath(".Save00.txt.lotto36x7-1-new"), "02 \r\n");
    setWritesAllowed(false);
    const WriteResult result = writeFileDurably(dir.filePath("Save00.txt"), "03 \r\n");
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains("只读"), qPrintable(result.error));
    QVERIFY(removeUnfinishedWrites(dir.path()).isEmpty());
    QCOMPARE(entries(dir), (QStringList{".Save00.txt.lotto36x7-1-new", "Save00.txt"}));
    QCOMPARE(readBytes(dir.filePath("Save00.txt")), QByteArray("01 \r\n"));
}

void FileAccessTest::encodingRoundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");  // "-": not decoded strictly
    QTest::addColumn<bool>("gb18030");
    const QString chinese = QStringLiteral("彩票 01\r\n");
    QTest::newRow("UTF-8") << chinese.toUtf8() << chinese << false;
    QTest::newRow("UTF-8, byte order mark") << "\xef\xbb\xbf" + chinese.toUtf8() << chinese << false;
    QTest::newRow("UTF-8, two byte order marks")
        << "\xef\xbb\xbf\xef\xbb\xbf" + chinese.toUtf8() << QChar(0xfeff) + chinese << false;
    QTest::newRow("GB18030") << QByteArray(QStringEncoder("GB18030").encode(chinese)) << chinese << true;
    QTest::newRow("neither") << QByteArray("01 \xff\xff\xc3") << "-" << false;
}

void FileAccessTest::encodingRoundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, gb18030);
    const std::optional<DecodedText> decoded = decodeTextStrictly(bytes);
    QCOMPARE(decoded ? decoded->text : QStringLiteral("-"), text);
    if (!decoded)
        return;
    QCOMPARE(decoded->encoding.gb18030, gb18030);
    QCOMPARE(encodeText(decoded->text, decoded->encoding), bytes);
}

QTEST_APPLESS_MAIN(FileAccessTest)
#include "tst_file_access.moc"
