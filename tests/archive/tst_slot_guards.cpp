// What the main window does around its own saves: it asks before it replaces a slot that
// another program changed since, writes a slot back in the encoding it was read in, and
// offers the slots it finds beside a program that cannot keep them there.
#include "app/main_window.h"
#include "archive/data_folder_start_ui.h"
#include "support/test_files.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStringEncoder>
#include <QTest>

using testfiles::readBytes;
using testfiles::writeBytes;

namespace {
const QByteArray kLoaded = "01 02 03 04 05 06 07 \r\n";
const QByteArray kTheirs = "01 02 03 04 05 06 07 \r\n20 21 22 23 24 25 26 \r\n";
}  // namespace

class SlotGuardsTest : public QObject {
    Q_OBJECT
private slots:
    void changedSlotIsReplacedOnlyWhenTheUserSaysSo_data();
    void changedSlotIsReplacedOnlyWhenTheUserSaysSo();
    void slotKeepsItsEncoding_data();
    void slotKeepsItsEncoding();
    void slotsBesideTheProgramAreOffered_data();
    void slotsBesideTheProgramAreOffered();
};

void SlotGuardsTest::changedSlotIsReplacedOnlyWhenTheUserSaysSo_data()
{
    QTest::addColumn<QString>("change");  // what another program did after the load
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QByteArray>("after");
    const QByteArray ours = "08 09 \r\n";
    QTest::newRow("nothing") << "none" << false << false << ours;
    QTest::newRow("our own save before") << "saved" << false << false << ours;
    QTest::newRow("rewritten, No") << "rewritten" << false << true << kTheirs;
    QTest::newRow("rewritten, Yes") << "rewritten" << true << true << ours;
    QTest::newRow("removed") << "removed" << false << false << ours;
}

void SlotGuardsTest::changedSlotIsReplacedOnlyWhenTheUserSaysSo()
{
    QFETCH(QString, change);
    QFETCH(bool, yes);
    QFETCH(bool, asked);
    QFETCH(QByteArray, after);
    StartedForm app;
    writeBytes(app.folder.filePath("Save00.txt"), kLoaded);
    Form1& form = app.start();
    ModalWatcher modals(yes ? QMessageBox::Yes : QMessageBox::No);
    const QString path = app.folder.filePath("Save00.txt");
    if (change == "saved") {
        QString first = QStringLiteral("05 06 ");
        QVERIFY(form.saveallnum(first));
    } else if (change == "rewritten") {
        writeBytes(path, kTheirs);
    } else if (change == "removed") {
        QVERIFY(QFile::remove(path));
    }
    QString content = QStringLiteral("08 09 ");
    QCOMPARE(form.saveallnum(content), after == "08 09 \r\n");
    QCOMPARE(readBytes(path), after);
    const bool questioned = !modals.seen.empty() && modals.seen.front().objectName == "ChangedSlotGuard";
    QCOMPARE(questioned, asked);
    QCOMPARE(form.Label9->text().contains("已保存"), after == "08 09 \r\n");
}

void SlotGuardsTest::slotKeepsItsEncoding_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("saved");
    const QString lines = QStringLiteral("01 02 03 04 05 06 07 \r\n彩票 ");
    QTest::newRow("UTF-8") << lines.toUtf8() + "\r\n" << (lines + "08 \r\n").toUtf8();
    QTest::newRow("UTF-8 with a byte order mark")
        << "\xef\xbb\xbf" + lines.toUtf8() + "\r\n" << "\xef\xbb\xbf" + (lines + "08 \r\n").toUtf8();
    QStringEncoder gb("GB18030");
    QTest::newRow("GB18030") << QByteArray(gb.encode(lines + "\r\n")) << QByteArray(gb.encode(lines + "08 \r\n"));
}

void SlotGuardsTest::slotKeepsItsEncoding()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, saved);
    StartedForm app;
    writeBytes(app.folder.filePath("Save00.txt"), file);
    Form1& form = app.start();
    ModalWatcher modals;
    QString content = form.SaveOK + QStringLiteral("08 ");
    QVERIFY(form.saveallnum(content));
    QCOMPARE(readBytes(app.folder.filePath("Save00.txt")), saved);
}

void SlotGuardsTest::slotsBesideTheProgramAreOffered_data()
{
    QTest::addColumn<bool>("copy");
    QTest::newRow("copied") << true;
    QTest::newRow("declined") << false;
}

void SlotGuardsTest::slotsBesideTheProgramAreOffered()
{
    QFETCH(bool, copy);
    TestFolder program;  // a portable copy without its sound folder
    TestFolder data;
    program.write("Save00.txt", "01 02 03 04 05 06 07 \r\n");
    const archive::AppFolders folders = archive::chooseFolders(program.path(), program.path(), data.path());
    ModalWatcher modals(copy ? QMessageBox::Yes : QMessageBox::No);
    startup::offerSlotsBesideProgram(folders);
    QVERIFY(!modals.seen.empty());
    const SeenModal& question = modals.seen.front();
    QCOMPARE(question.objectName, QStringLiteral("CopySlotsQuestion"));
    for (const QString& told : {QStringLiteral("没有 sound 文件夹"), QDir::toNativeSeparators(data.path()),
                                QStringLiteral("Save00.txt"), QStringLiteral("不会被移动或删除")})
        QVERIFY2(question.text.contains(told), qPrintable(question.text));
    QCOMPARE(data.read("Save00.txt"), copy ? program.read("Save00.txt") : QString());
    QCOMPARE(modals.messages().size(), copy ? 1 : 0);
    QVERIFY(program.exists("Save00.txt"));
}

QTEST_MAIN(SlotGuardsTest)
#include "tst_slot_guards.moc"
