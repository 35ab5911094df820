// The archive window: preparing it for opening or saving, save-as making a slot current,
// opening replacing the box, failed files, and the close button.
#include "app/main_window.h"
#include "archive/archive_window.h"
#include "archive/date_time_text.h"
#include "messages/cue_literals.h"
#include "support/test_support.h"
#include "tickets/ticket_text.h"
#include "widgets/ticket_box.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

const QString kSlot0 = QStringLiteral("05 08 09 15 17 25 32 \r\n");
const QString kSlot1 = QStringLiteral("01 02 03 04 05 06 07 \r\n11 12 13 14 15 16 17 \r\n");

// What the window showed while it was up.
struct Shown {
    QString title;
    QStringList captions;
    QList<bool> enabled;
    QStringList times;
};

Shown shownState(QWidget* w)
{
    Shown s;
    s.title = w->windowTitle();
    for (int i = 0; i < 6; ++i) {
        auto* button = static_cast<QPushButton*>(child(w, QStringLiteral("Command1(%1)").arg(i)));
        s.captions << button->text();
        s.enabled << button->isEnabled();
        s.times << static_cast<QLabel*>(child(w, QStringLiteral("Label1(%1)").arg(i)))->text();
    }
    return s;
}

// Opens the window through a "文件" entry and records what it shows; then clicks the
// slot, or hides the window when slot is -1.
Shown useWindow(Form1& form, ModalWatcher& modals, const QString& entry, int slot)
{
    Shown s;
    modals.onNext([&s, slot](QWidget* w) {
        s = shownState(w);
        if (slot < 0) {
            w->hide();
            return;
        }
        // The watcher runs this from a timer event of the window's own loop, as a user's
        // click would come, so a message shown by the click is answered too; clicking
        // here, while the watcher counts the window as handled, leaves it no chance to
        // hide the window first.
        static_cast<QPushButton*>(child(w, QStringLiteral("Command1(%1)").arg(slot)))->click();
    });
    trigger(&form, entry);
    return s;
}

void setClockTo(const QString& text)
{
    const QDateTime moment = QDateTime::fromString(text, QStringLiteral("yyyy/M/d H:mm:ss"));
    archive::setClock([moment] { return moment; });
}

}  // namespace

class ArchiveWindowTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { archive::setClock({}); }
    void preparing_data();
    void preparing();
    void saveAsMakesTheSlotCurrent();
    void openingReplacesTheBox_data();
    void openingReplacesTheBox();
    void failedFileChangesNothing_data();
    void failedFileChangesNothing();
    void closeButtonReturnsToOpenMode();
    void openAsksBeforeReplacingUnsavedLines_data();
    void openAsksBeforeReplacingUnsavedLines();
    void refusedSlotIsReplacedOnlyWhenTheUserSaysSo_data();
    void refusedSlotIsReplacedOnlyWhenTheUserSaysSo();
    void saveAsAsksBeforeReplacingASlot_data();
    void saveAsAsksBeforeReplacingASlot();
    void importFromFolderBringsSlotsOver_data();
    void importFromFolderBringsSlotsOver();
};

void ArchiveWindowTest::preparing_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("unsaved");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("verbCaption");
    QTest::addColumn<bool>("currentEnabled");
    QTest::newRow("open") << "open234" << false << "打开存档" << "打开存档" << false;
    QTest::newRow("open, unsaved")
        << "open234" << true << "打开存档  注意：彩票号码未保存.." << "打开存档" << false;
    QTest::newRow("save as, unsaved") << "saveaswr34w" << true << "另存为" << "保存存档" << true;
}

void ArchiveWindowTest::preparing()
{
    QFETCH(QString, entry);
    QFETCH(bool, unsaved);
    QFETCH(QString, title);
    QFETCH(QString, verbCaption);
    QFETCH(bool, currentEnabled);
    StartedForm app;
    app.folder.write("t1.txt", "2026/1/2 3:04:05\r\nsecond line\r\n");
    Form1& form = app.start();
    ModalWatcher modals;
    form.NowOpenFile = QStringLiteral("Save02.txt");
    if (unsaved)
        form.Text88->setCrlfText(QStringLiteral("09 10 "));
    app.cues.played.clear();

    const Shown s = useWindow(form, modals, entry, -1);
    QCOMPARE(s.title, title);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(s.captions[i], i == 2 ? QStringLiteral("当前存档") : verbCaption);
        QCOMPARE(s.enabled[i], i == 2 ? currentEnabled : true);
    }
    // Only the first line of a time file; a missing one leaves the time empty.
    QCOMPARE(s.times[1], QStringLiteral("存档01  时间:2026/1/2 3:04:05"));
    QCOMPARE(s.times[3], QStringLiteral("存档03  时间:"));
    // Only opening warns, and it asks nothing.
    QCOMPARE(app.cues.played, unsaved && entry == "open234" ? QStringList{cues::kUnsaved} : QStringList());
    QCOMPARE(modals.seen.size(), size_t(1));
}

void ArchiveWindowTest::saveAsMakesTheSlotCurrent()
{
    StartedForm app;
    app.folder.write("Save00.txt", kSlot0);
    app.folder.write("t0.txt", "2026/1/1 8:00:00\r\n");
    app.folder.write("Save01.txt", kSlot1);
    app.folder.write("t1.txt", "2026/1/2 9:00:00\r\n");
    Form1& form = app.start();
    ModalWatcher modals;
    const QString keyed = QStringLiteral("01 02 03 04 05 06 07 \r\n08  09 ←");
    form.Text88->setCrlfText(keyed);
    form.AllList = 7;
    form.NowIsJi = 3;
    setClockTo(QStringLiteral("2026/3/4 5:06:07"));

    useWindow(form, modals, "saveaswr34w", 4);
    QCOMPARE(app.folder.read("Save04.txt"), QStringLiteral("01 02 03 04 05 06 07 \r\n08 09 \r\n"));
    QCOMPARE(app.folder.read("t4.txt"), QStringLiteral("2026/3/4 5:06:07\r\n"));
    QCOMPARE(form.Label9->text(), QStringLiteral("彩票数据已保存 (04存档)"));
    QCOMPARE(form.Label11->text(), QStringLiteral("(数据时间:2026/3/4 5:06:07)"));
    QCOMPARE(form.NowOpenFile, QStringLiteral("Save04.txt"));
    QCOMPARE(form.CurrentSlot->text(), QStringLiteral("存档04"));
    // The box is tidied but keeps its marker; the counters stay.
    QCOMPARE(form.Text88->crlfText(), QStringLiteral("01 02 03 04 05 06 07 \r\n08 09 ←"));
    QCOMPARE(form.SaveOK, QStringLiteral("01 02 03 04 05 06 07 \r\n08 09 "));
    QVERIFY(!form.isUnsaved());
    QCOMPARE(form.AllList, qint16(7));
    QCOMPARE(form.NowIsJi, qint16(3));

    // Slot 4 is now the current one, with its new time.
    Shown s = useWindow(form, modals, "open234", 1);
    QCOMPARE(s.captions[4], QStringLiteral("当前存档"));
    QVERIFY(!s.enabled[4]);
    QVERIFY(s.enabled[0]);
    QCOMPARE(s.times[4], QStringLiteral("存档04  时间:2026/3/4 5:06:07"));
    QCOMPARE(form.Text88->crlfText(), QStringLiteral("01 02 03 04 05 06 07 \r\n11 12 13 14 15 16 17 "));
    QCOMPARE(form.Label11->text(), QStringLiteral("(数据时间:2026/1/2 9:00:00)"));
    QCOMPARE(form.CurrentSlot->text(), QStringLiteral("存档01"));

    s = useWindow(form, modals, "open234", 4);
    QCOMPARE(s.captions[1], QStringLiteral("当前存档"));
    QCOMPARE(form.Text88->crlfText(), QStringLiteral("01 02 03 04 05 06 07 \r\n08 09 "));
    QCOMPARE(form.Label11->text(), QStringLiteral("(数据时间:2026/3/4 5:06:07)"));
    QCOMPARE(form.AllList, qint16(2));
    QCOMPARE(form.NowIsJi, qint16(2));

    // "保存(彩票存档)" now writes slot 4, from a copy of the box.
    form.Text88->setCrlfText(QStringLiteral("21  22 ←"));
    setClockTo(QStringLiteral("2026/3/5 6:00:00"));
    trigger(&form, "savewrete");
    QCOMPARE(app.folder.read("Save04.txt"), QStringLiteral("21 22 \r\n"));
    QCOMPARE(app.folder.read("t4.txt"), QStringLiteral("2026/3/5 6:00:00\r\n"));
    QCOMPARE(form.Text88->crlfText(), QStringLiteral("21  22 ←"));
    QCOMPARE(app.folder.read("Save01.txt"), kSlot1);
}

void ArchiveWindowTest::openingReplacesTheBox_data()
{
    QTest::addColumn<QString>("data");  // "-" for a missing file
    QTest::addColumn<QString>("time");  // "-" for a missing file
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("lastLine");  // NowIsJi afterwards; it was 5
    QTest::addColumn<QString>("timeLine");
    QTest::newRow("empty lines between")
        << "\r\n01 02 03 04 05 06 07 \r\n\r\n08 09 10 \r\n" << "2026/2/3 4:05:06\r\n"
        << "01 02 03 04 05 06 07 \r\n08 09 10 " << 2 << 3 << "(数据时间:2026/2/3 4:05:06)";
    QTest::newRow("only empty lines") << "\r\n\r\n" << "2026/2/3 4:05:06\r\n" << "" << 0 << 5
                                      << "(数据时间:2026/2/3 4:05:06)";
    QTest::newRow("missing files") << "-" << "-" << "" << 0 << 5 << "(数据时间:)";
    QTest::newRow("two time lines") << "01 \r\n" << "2026/2/3\r\n4:05:06\r\n" << "01 " << 1 << 1
                                    << "(数据时间:2026/2/34:05:06)";
}

void ArchiveWindowTest::openingReplacesTheBox()
{
    QFETCH(QString, data);
    QFETCH(QString, time);
    QFETCH(QString, box);
    QFETCH(int, lines);
    QFETCH(int, lastLine);
    QFETCH(QString, timeLine);
    StartedForm app;
    app.folder.write("Save00.txt", kSlot0);
    if (data != "-")
        app.folder.write("Save03.txt", data);
    if (time != "-")
        app.folder.write("t3.txt", time);
    Form1& form = app.start();
    ModalWatcher modals;
    form.NowIsJi = 5;
    const QString status = form.Label9->text();

    useWindow(form, modals, "open234", 3);
    QCOMPARE(form.Text88->crlfText(), box);
    QCOMPARE(int(form.AllList), lines);
    QCOMPARE(int(form.NowIsJi), lastLine);
    QCOMPARE(form.Label11->text(), timeLine);
    QCOMPARE(form.NowOpenFile, QStringLiteral("Save03.txt"));
    QCOMPARE(form.SaveOK, box);
    QCOMPARE(form.Label9->text(), status);
    if (data == "-")
        QVERIFY(!app.folder.exists("Save03.txt"));  // opening never creates a file
}

void ArchiveWindowTest::failedFileChangesNothing_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("title");
    QTest::newRow("save as") << "saveaswr34w" << "错误提示：\r\n   彩票数据没有另存到存档03";
    QTest::newRow("open") << "open234" << "错误提示：\r\n   存档03的数据文件没有打开：这是一个文件夹，不是文件";
}

void ArchiveWindowTest::failedFileChangesNothing()
{
    QFETCH(QString, entry);
    QFETCH(QString, title);
    StartedForm app;
    app.folder.write("Save00.txt", kSlot0);
    app.folder.write("t0.txt", "2026/1/1 8:00:00\r\n");
    // A folder where the data file should be: it can be neither read nor replaced.
    QVERIFY(QDir(app.folder.path()).mkdir("Save03.txt"));
    Form1& form = app.start();
    ModalWatcher modals;
    form.Text88->setCrlfText(QStringLiteral("09 10 ←"));
    const QString saveOK = form.SaveOK;

    useWindow(form, modals, entry, 3);
    const QStringList messages = modals.messages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].startsWith(title), qPrintable(messages[0]));
    QVERIFY2(messages[0].contains(QDir::toNativeSeparators(app.folder.filePath("Save03.txt"))),
             qPrintable(messages[0]));
    QCOMPARE(form.NowOpenFile, QStringLiteral("Save00.txt"));
    QCOMPARE(form.SaveOK, saveOK);
    QCOMPARE(form.Text88->crlfText(), QStringLiteral("09 10 ←"));
    QCOMPARE(form.Label11->text(), QStringLiteral("(数据时间:2026/1/1 8:00:00)"));
    QVERIFY(!app.folder.exists("t3.txt"));
    QVERIFY(form.isUnsaved());
}

void ArchiveWindowTest::closeButtonReturnsToOpenMode()
{
    StartedForm app;
    app.folder.write("Save00.txt", kSlot0);
    Form1& form = app.start();
    ModalWatcher modals;
    QPointer<Load2> first = &form.archiveWindow();
    modals.onNext([](QWidget* w) { w->close(); });
    trigger(&form, "saveaswr34w");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QCOMPARE(form.NowOpenFile, QStringLiteral("Save00.txt"));
    for (int i = 1; i < 6; ++i)
        QVERIFY(!app.folder.exists(QStringLiteral("Save0%1.txt").arg(i)));

    const Shown s = useWindow(form, modals, "open234", -1);
    QCOMPARE(s.title, QStringLiteral("打开存档"));
    QCOMPARE(s.captions[1], QStringLiteral("打开存档"));
    QVERIFY(!s.enabled[0]);
    QCOMPARE(form.archiveWindow().nowDoing1, qint16(0));
    QCOMPARE(form.archiveWindow().OpenOrSaveW, QStringLiteral("打开"));
}

void ArchiveWindowTest::openAsksBeforeReplacingUnsavedLines_data()
{
    QTest::addColumn<bool>("unsaved");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("opened");
    QTest::newRow("nothing unsaved: no question") << false << int(QMessageBox::No) << true;
    QTest::newRow("unsaved, No keeps all as it was") << true << int(QMessageBox::No) << false;
    QTest::newRow("unsaved, Yes opens") << true << int(QMessageBox::Yes) << true;
}

void ArchiveWindowTest::openAsksBeforeReplacingUnsavedLines()
{
    QFETCH(bool, unsaved);
    QFETCH(int, answer);
    QFETCH(bool, opened);
    StartedForm app;
    app.folder.write("Save00.txt", kSlot0);
    app.folder.write("Save01.txt", kSlot1);
    Form1& form = app.start();
    ModalWatcher modals{QMessageBox::StandardButton(answer)};
    if (unsaved)
        form.Text88->setCrlfText(form.Text88->crlfText() + QStringLiteral("\r\n09 "));
    const QString box = form.Text88->crlfText();
    bool shownAfterClick = false;
    modals.onNext([&](QWidget* w) {
        static_cast<QPushButton*>(child(w, QStringLiteral("Command1(1)")))->click();
        shownAfterClick = w->isVisible();
        w->hide();
    });
    trigger(&form, "open234");

    QStringList questions;
    for (const SeenModal& m : modals.seen)
        if (m.objectName == QStringLiteral("OpenGuard"))
            questions << m.text;
    QCOMPARE(questions, unsaved ? QStringList{QStringLiteral(
                                      "当前彩票号码没有保存，打开存档01会替换掉它们，确定要打开吗？")}
                                : QStringList());
    QCOMPARE(app.cues.played.contains(cues::kUnsaved), unsaved);  // the caption's cue stays
    QCOMPARE(shownAfterClick, !opened);
    QCOMPARE(form.NowOpenFile, opened ? QStringLiteral("Save01.txt") : QStringLiteral("Save00.txt"));
    QCOMPARE(form.Text88->crlfText() == box, !opened);
}

void ArchiveWindowTest::refusedSlotIsReplacedOnlyWhenTheUserSaysSo_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("no keeps the file") << false;
    QTest::newRow("yes replaces it") << true;
}

void ArchiveWindowTest::refusedSlotIsReplacedOnlyWhenTheUserSaysSo()
{
    QFETCH(bool, yes);
    StartedForm app;
    const QByteArray binary("PK\x03\x04\x00\x00\x08\x00", 8);
    QFile file(app.folder.filePath("Save00.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(binary) == binary.size());
    file.close();
    ModalWatcher modals(yes ? QMessageBox::Yes : QMessageBox::No);
    Form1& form = app.start();
    // The start-up says why the slot was not opened and leaves the box empty.
    QCOMPARE(modals.messages().size(), 1);
    QVERIFY2(modals.messages()[0].startsWith(QStringLiteral("错误提示：\r\n   存档00的数据文件没有打开：文件里有不是文字的字节")),
             qPrintable(modals.messages()[0]));
    QVERIFY(modals.messages()[0].contains(QDir::toNativeSeparators(app.folder.filePath("Save00.txt"))));
    QCOMPARE(form.Text88->crlfText(), QString(tickets::kMarker));

    modals.clear();
    form.Text88->setCrlfText(QStringLiteral("01 02 ←"));
    trigger(&form, QStringLiteral("savewrete"));
    QCOMPARE(modals.seen.front().title, QStringLiteral("存档没有打开"));
    QFile saved(app.folder.filePath("Save00.txt"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), yes ? QByteArray("01 02 \r\n") : binary);
    QCOMPARE(form.isUnsaved(), !yes);
}

void ArchiveWindowTest::saveAsAsksBeforeReplacingASlot_data()
{
    QTest::addColumn<QByteArray>("held");  // slot 3's data file; "-" for none
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("question");  // "" for none
    QTest::addColumn<bool>("saved");
    const QString lines = QStringLiteral("存档03里已有别的彩票号码，另存会替换掉它们，确定要保存吗？");
    const QString refused =
        QStringLiteral("存档03的数据文件没有打开，另存会替换掉文件里原有的内容，确定要保存吗？");
    const QByteArray binary("PK\x03\x04\x00\x00\x08\x00", 8);
    QTest::newRow("no file: no question") << QByteArray("-") << int(QMessageBox::No) << "" << true;
    QTest::newRow("empty file: no question") << QByteArray() << int(QMessageBox::No) << "" << true;
    QTest::newRow("the same lines: no question") << kSlot0.toUtf8() << int(QMessageBox::No) << "" << true;
    QTest::newRow("other lines, No keeps them") << kSlot1.toUtf8() << int(QMessageBox::No) << lines << false;
    QTest::newRow("other lines, Yes replaces them") << kSlot1.toUtf8() << int(QMessageBox::Yes) << lines << true;
    QTest::newRow("unreadable, No keeps it") << binary << int(QMessageBox::No) << refused << false;
    QTest::newRow("unreadable, Yes replaces it") << binary << int(QMessageBox::Yes) << refused << true;
}

void ArchiveWindowTest::saveAsAsksBeforeReplacingASlot()
{
    QFETCH(QByteArray, held);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(bool, saved);
    StartedForm app;
    app.folder.write("Save00.txt", kSlot0);
    if (held != "-") {
        QFile file(app.folder.filePath("Save03.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(held) == held.size());
    }
    Form1& form = app.start();
    ModalWatcher modals{QMessageBox::StandardButton(answer)};
    bool shownAfterClick = false;
    modals.onNext([&](QWidget* w) {
        static_cast<QPushButton*>(child(w, QStringLiteral("Command1(3)")))->click();
        shownAfterClick = w->isVisible();
        w->hide();
    });
    trigger(&form, "saveaswr34w");

    QStringList questions;
    for (const SeenModal& m : modals.seen)
        if (m.objectName == QStringLiteral("SaveAsGuard"))
            questions << m.text;
    QCOMPARE(questions, question.isEmpty() ? QStringList() : QStringList{question});
    QCOMPARE(shownAfterClick, !saved);  // No leaves the window up for another choice
    QCOMPARE(form.NowOpenFile, saved ? QStringLiteral("Save03.txt") : QStringLiteral("Save00.txt"));
    QFile file(app.folder.filePath("Save03.txt"));
    const QByteArray after = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("-");
    QCOMPARE(after, saved ? kSlot0.toUtf8() : held);
}

void ArchiveWindowTest::importFromFolderBringsSlotsOver_data()
{
    QTest::addColumn<bool>("withSlots");  // the other folder holds Save00.txt and Save02.txt
    QTest::addColumn<int>("answer");      // to the question whether to replace slot 00
    QTest::addColumn<QString>("box");     // the ticket box afterwards
    QTest::addColumn<QString>("message");
    const QString copied = QStringLiteral("已复制到");
    QTest::newRow("No keeps the open slot") << true << int(QMessageBox::No) << kSlot0 << copied;
    QTest::newRow("Yes replaces it, and the box shows it") << true << int(QMessageBox::Yes) << kSlot1 << copied;
    QTest::newRow("a folder without slots") << false << int(QMessageBox::Yes) << kSlot0 << "没有可导入的存档";
}

void ArchiveWindowTest::importFromFolderBringsSlotsOver()
{
    QFETCH(bool, withSlots);
    QFETCH(int, answer);
    QFETCH(QString, box);
    QFETCH(QString, message);
    StartedForm app;
    app.folder.write("Save00.txt", kSlot0);
    TestFolder other;
    if (withSlots) {
        other.write("Save00.txt", kSlot1);
        other.write("Save02.txt", kSlot0);
        other.write("t2.txt", "2026/1/2 9:00:00\r\n");
    }
    Form1& form = app.start();
    ModalWatcher modals{QMessageBox::StandardButton(answer)};
    Shown afterwards;
    modals.onNext([&](QWidget* w) {
        static_cast<Load2*>(w)->importFromFolder(other.path());
        afterwards = shownState(w);
        w->hide();
    });
    trigger(&form, "open234");

    QCOMPARE(modals.messages().size(), 1);
    QVERIFY2(modals.messages().constFirst().contains(message), qPrintable(modals.messages().constFirst()));
    QVERIFY2(form.Text88->crlfText().startsWith(box.trimmed()), qPrintable(form.Text88->crlfText()));
    QCOMPARE(app.folder.read("Save00.txt"), box);
    QCOMPARE(app.folder.exists("Save02.txt"), withSlots);
    QCOMPARE(afterwards.times[2], withSlots ? QStringLiteral("存档02  时间:2026/1/2 9:00:00")
                                            : QStringLiteral("存档02  时间:"));
    QCOMPARE(other.exists("Save00.txt") ? other.read("Save00.txt") : QString(), withSlots ? kSlot1 : QString());
}

QTEST_MAIN(ArchiveWindowTest)
#include "tst_archive_window.moc"
