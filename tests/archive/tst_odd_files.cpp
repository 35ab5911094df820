// Files that are not what their names promise (a pipe, a device, megabytes, a link to
// nothing), met where the program reads them: each is refused at once with a message
// that names it, and the program goes on.
#include "app/main_window.h"
#include "history/draw_history_window.h"
#include "support/test_support.h"
#include "widgets/pad_line_edit.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <sys/stat.h>

class OddFilesTest : public QObject {
    Q_OBJECT
private slots:
    void refusedAtOnceWithAMessage_data();
    void refusedAtOnceWithAMessage();
};

void OddFilesTest::refusedAtOnceWithAMessage_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("odd");     // fifo, zero, large, dangling
    QTest::addColumn<QString>("action");  // where it is read
    QTest::addColumn<QString>("told");    // what the message says
    QTest::newRow("time file, a pipe, start-up") << "t0.txt" << "fifo" << "start" << "这是一个管道";
    QTest::newRow("time file, /dev/zero, start-up") << "t0.txt" << "zero" << "start" << "这是一个设备";
    QTest::newRow("time file, 5 MB, start-up") << "t0.txt" << "large" << "start" << "文件太大（5400000 字节";
    QTest::newRow("slot, a link to nothing, start-up") << "Save00.txt" << "dangling" << "start" << "这是一个链接";
    QTest::newRow("slot, a pipe, start-up") << "Save00.txt" << "fifo" << "start" << "这是一个管道";
    QTest::newRow("time file, a pipe, archive window") << "t3.txt" << "fifo" << "archive" << "(时间文件无法读取)";
    QTest::newRow("rules, a pipe") << "low.txt" << "fifo" << "rules" << "这是一个管道";
    QTest::newRow("history, a pipe, check") << "draws.txt" << "fifo" << "check" << "这是一个管道";
    QTest::newRow("history, a pipe, its window") << "draws.txt" << "fifo" << "history" << "这是一个管道";
}

void OddFilesTest::refusedAtOnceWithAMessage()
{
    QFETCH(QString, file);
    QFETCH(QString, odd);
    QFETCH(QString, action);
    QFETCH(QString, told);
    StartedForm app;
    const QString path = app.folder.filePath(file);
    if (odd == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (odd == "zero")
        QVERIFY(QFile::link("/dev/zero", path));
    else if (odd == "dangling")
        QVERIFY(QFile::link(app.folder.filePath("gone/Save00.txt"), path));
    else
        app.folder.write(file, QString(5400000, QLatin1Char('9')));
    ModalWatcher modals;
    Form1& form = app.start();
    QStringList seen = modals.messages();
    if (action == "archive") {
        QString caption;
        modals.onNext([&caption](QWidget* w) {
            caption = static_cast<QLabel*>(child(w, QStringLiteral("Label1(3)")))->text();
            w->hide();
        });
        trigger(&form, QStringLiteral("open234"));
        seen << caption;
    } else if (action == "rules") {
        form.Command8_Click();
        seen = modals.messages();
    } else if (action == "check") {
        form.Text0->setText(QStringLiteral("01 02 03 04 05 06 07 "));
        form.Command1_Click();
        seen = modals.messages();
    } else if (action == "history") {
        form.drawHistory_Click();
        seen = modals.messages();
    }
    const QString all = seen.join(QLatin1Char('\n'));
    QVERIFY2(all.contains(told), qPrintable(all.left(2000)));
    if (action != "archive")
        QVERIFY2(all.contains(file), qPrintable(all.left(2000)));
    QVERIFY2(all.size() < 4000, "the message quotes nothing of the file's content");
    QVERIFY(form.Label11->text().size() < 200);
}

QTEST_MAIN(OddFilesTest)
#include "tst_odd_files.moc"
