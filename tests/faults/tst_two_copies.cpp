// Two copies of the program on one folder, as two processes: the second is told, and
// either ends or opens read-only and writes nothing; the lock of a copy that was killed
// is taken over by the next one.
#include "fault_texts.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <utime.h>

using testfiles::writeBytes;

namespace {

QString writerPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/slot_writer");
}

// Kills a child however the test ends.
struct Child {
    QProcess process;
    ~Child()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(10000);
        }
    }
};

}  // namespace

class TwoCopiesTest : public QObject {
    Q_OBJECT
private slots:
    void secondCopyWritesNothing_data();
    void secondCopyWritesNothing();
};

void TwoCopiesTest::secondCopyWritesNothing_data()
{
    // running, killed, half-made (an empty lock file, old or just made), taking over (a
    // dead copy's lock and the empty guard a copy killed a moment ago while taking it
    // over left)
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("answer");  // the second copy's answer to the question
    QTest::addColumn<QString>("access");
    QTest::newRow("first running, second ends") << "running" << "no" << "quit";
    QTest::newRow("first running, second read-only") << "running" << "yes" << "readonly";
    QTest::newRow("first killed") << "killed" << "no" << "write";
    QTest::newRow("first killed while making its lock") << "half-made" << "no" << "write";
    QTest::newRow("first killed a moment ago while making its lock") << "half-made now" << "no" << "write";
    QTest::newRow("a copy killed while taking over a dead one's lock") << "taking over" << "no" << "write";
}

void TwoCopiesTest::secondCopyWritesNothing()
{
    QFETCH(QString, first);
    QFETCH(QString, answer);
    QFETCH(QString, access);
    QTemporaryDir dir;
    const QByteArray slot = faults::kTextA.toUtf8() + "\r\n";
    const QByteArray draws = faults::kHistoryA.left(41 * 3).toUtf8();
    writeBytes(dir.filePath("Save00.txt"), slot);
    writeBytes(dir.filePath("draws.txt"), draws);

    Child a;
    if (first.startsWith("half-made") || first == "taking over") {
        // A number above the kernel's largest process number names a process that is gone.
        writeBytes(dir.filePath(".lotto36x7.lock"), first == "taking over" ? "4194305\nslot_writer\n\n" : "");
        if (first == "taking over")
            writeBytes(dir.filePath(".lotto36x7.lock.rmlock"), QByteArray());
        const utimbuf old{::time(nullptr) - 60, ::time(nullptr) - 60};
        if (first == "half-made")
            QCOMPARE(::utime(QFile::encodeName(dir.filePath(".lotto36x7.lock")).constData(), &old), 0);
    } else {
        a.process.start(writerPath(), {QStringLiteral("second"), dir.path(), QStringLiteral("no"),
                                       QStringLiteral("loop")});
        QVERIFY(a.process.waitForReadyRead(20000));
        QVERIFY(a.process.readLine().startsWith("access write"));
        // The first copy saves kTextC too: wait until it has, then put the file back.
        while (!a.process.readAllStandardOutput().contains("tried") && a.process.waitForReadyRead(20000)) {
        }
        if (first == "killed") {
            ::kill(pid_t(a.process.processId()), SIGKILL);
            QVERIFY(a.process.waitForFinished(10000));
        } else {
            QVERIFY(::kill(pid_t(a.process.processId()), SIGSTOP) == 0);  // it writes no more
        }
        writeBytes(dir.filePath("Save00.txt"), slot);
        writeBytes(dir.filePath("draws.txt"), draws);
    }

    Child b;
    b.process.start(writerPath(), {QStringLiteral("second"), dir.path(), answer});
    QVERIFY(b.process.waitForFinished(60000));
    const QString output = QString::fromUtf8(b.process.readAllStandardOutput());
    QVERIFY2(b.process.exitCode() == 0, qPrintable(output + b.process.readAllStandardError()));
    QVERIFY2(output.startsWith(QStringLiteral("access ") + access), qPrintable(output));
    QCOMPARE(output.contains(QStringLiteral("question 彩票对奖器已经在运行")), first == "running");
    if (access == "write") {
        QCOMPARE(QFile(dir.filePath("Save00.txt")).size(), qint64(faults::kTextC.size() + 2));
        return;
    }
    if (access == "readonly")
        QVERIFY2(output.contains(QStringLiteral("只读打开")), qPrintable(output));
    QFile data(dir.filePath("Save00.txt"));
    QVERIFY(data.open(QIODevice::ReadOnly));
    QCOMPARE(data.readAll(), slot);
    QFile history(dir.filePath("draws.txt"));
    QVERIFY(history.open(QIODevice::ReadOnly));
    QCOMPARE(history.readAll(), draws);
    ::kill(pid_t(a.process.processId()), SIGCONT);
}

QTEST_GUILESS_MAIN(TwoCopiesTest)
#include "tst_two_copies.moc"
