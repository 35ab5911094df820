// Saves that cannot be written, through the real save paths in a child program: the old
// slot file stays as it was, a message names the file and the system's reason, SaveOK
// keeps its value and the exit guard still asks. A size limit, a folder in the file's
// place and a file that cannot be replaced each make the write fail (as root a read-only
// folder would not); a full disk, a failing sync and a read-only disk are injected into
// the write's steps.
#include "fault_texts.h"

#include <QDir>
#include <QHash>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Sets or clears the immutable flag; false when the file system or the rights refuse it.
bool setImmutable(const QString& path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

// Clears the immutable flag again whatever the test's outcome, so the folder can go.
struct ImmutableGuard {
    QString path;
    ~ImmutableGuard()
    {
        if (!path.isEmpty())
            setImmutable(path, false);
    }
};

}  // namespace

class FailingWritesTest : public QObject {
    Q_OBJECT
private slots:
    void failedWriteKeepsTheOldSlot_data();
    void failedWriteKeepsTheOldSlot();
};

void FailingWritesTest::failedWriteKeepsTheOldSlot_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("reason");
    const QList<std::pair<const char*, const char*>> faults = {
        {"size limit", "文件超过了允许的大小"},
        {"folder in its place", "同名的文件夹占了文件的位置"},
        {"cannot be replaced", "没有权限"},
        {"write ENOSPC", "磁盘空间已满"},
        {"sync EIO", "没能存到磁盘上：磁盘读写出错"},
        {"rename EROFS", "磁盘是只读的"},
        {"syncfolder EIO", "没能存到磁盘上：磁盘读写出错"}};
    for (const auto& [fault, reason] : faults) {
        QTest::addRow("save, %s", fault) << "save" << fault << "Save00.txt" << reason;
        QTest::addRow("save as, %s", fault) << "saveas" << fault << "Save03.txt" << reason;
        QTest::addRow("generation, %s", fault) << "generate" << fault << "Save00.txt" << reason;
    }
}

void FailingWritesTest::failedWriteKeepsTheOldSlot()
{
    QFETCH(QString, way);
    QFETCH(QString, fault);
    QFETCH(QString, target);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray old = faults::kTextA.toUtf8() + "\r\n";
    for (const char* name : {"Save00.txt", "Save03.txt"})
        writeFile(dir.filePath(name), old);
    writeFile(dir.filePath("t0.txt"), "2026/1/1 8:00:00\r\n");
    const QString targetPath = dir.filePath(target);
    ImmutableGuard guard;
    if (fault == QLatin1String("folder in its place")) {
        QVERIFY(QFile::remove(targetPath));
        QVERIFY(QDir(dir.path()).mkpath(target + QStringLiteral("/kept")));
    } else if (fault == QLatin1String("cannot be replaced")) {
        if (!setImmutable(targetPath, true))
            QSKIP("this file system or these rights cannot make a file immutable");
        guard.path = targetPath;
    }
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    QProcess writer;
    writer.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/slot_writer"));
    QStringList arguments{QStringLiteral("fail"), dir.path(), way};
    static const QHash<QString, int> errors = {{"ENOSPC", ENOSPC}, {"EIO", EIO}, {"EROFS", EROFS}};
    const QStringList injected = fault.split(QLatin1Char(' '));
    if (errors.contains(injected.value(1)))
        arguments << injected[0] << QString::number(errors[injected[1]]);
    writer.setArguments(arguments);
    if (fault == QLatin1String("size limit")) {
        writer.setChildProcessModifier([] {
            // Files may not grow beyond 100 bytes; a write beyond that fails with EFBIG.
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{100, 100};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        });
    }
    writer.start();
    if (!writer.waitForFinished(60000)) {
        writer.kill();
        writer.waitForFinished(10000);
        QFAIL("the writer did not finish within a minute");
    }
    const QString output = QString::fromUtf8(writer.readAllStandardOutput());
    QVERIFY2(writer.exitStatus() == QProcess::NormalExit && writer.exitCode() == 0,
             qPrintable(output + writer.readAllStandardError()));

    if (fault == QLatin1String("folder in its place"))
        QVERIFY(QFileInfo(targetPath).isDir() && QFile::exists(targetPath + QStringLiteral("/kept")));
    else
        QCOMPARE(faults::fileBytes(targetPath), old);
    QVERIFY2(output.contains(QRegularExpression(QStringLiteral("message 错误提示：[^\n]*没有[^\n]*")
                                                + QRegularExpression::escape(target))),
             qPrintable(output));
    QVERIFY2(output.contains(reason), qPrintable(output));
    QVERIFY2(!output.contains(QStringLiteral("已保存")), qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("saveok-kept 1")), qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("guard-asks 1")), qPrintable(output));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    qInfo("%s", qPrintable(output.section(QLatin1Char('\n'), -4, -4)));
}

QTEST_GUILESS_MAIN(FailingWritesTest)
#include "tst_failing_writes.moc"
