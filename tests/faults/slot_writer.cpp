// A child program that saves through the main window's own save paths.
//   slot_writer loop FOLDER         claims the folder as the program does, then saves kTextA
//                                   and kTextB into slot 0 and kHistoryA and kHistoryB as
//                                   the draw history in turn, for ever; prints "saved" after
//                                   the first round
//   slot_writer second FOLDER yes|no [loop]
//                                   starts as a copy of the program would beside a running
//                                   one, answering its question yes (read-only) or no (end);
//                                   prints "access write|readonly|quit" and the question,
//                                   then tries to save kTextC and to remember a new draw
//                                   (for ever with "loop", after printing "tried")
//   slot_writer fail FOLDER WAY [STEP ERRNO]
//                                   one save that is expected to fail, WAY being
//                                   save (the menu's save), saveas (into slot 3) or
//                                   generate (the generator's run); prints what it saw.
//                                   STEP (create, write, sync, rename, syncfolder) fails
//                                   with the error number ERRNO, as a failing disk would
#include "app/main_window.h"
#include "archive/data_folder_start_ui.h"
#include "archive/durable_write.h"
#include "fault_texts.h"
#include "generator/generator_window.h"
#include "history/draw_history.h"
#include "support/test_support.h"
#include "widgets/ticket_box.h"

#include <QApplication>
#include <QHash>
#include <QPushButton>
#include <cstdio>

namespace {

void say(const char* line)
{
    std::puts(line);
    std::fflush(stdout);
}

int saveForEver(Form1& form)
{
    const history::History a = history::parseHistory(archive::textLines(faults::kHistoryA));
    const history::History b = history::parseHistory(archive::textLines(faults::kHistoryB));
    for (long i = 0;; ++i) {
        QString content = i % 2 ? faults::kTextB : faults::kTextA;
        form.saveallnum(content);
        history::storeHistory(form.dataFolder(), i % 2 ? b : a);
        if (i == 0)
            say("saved");
    }
}

// What a copy started beside a running one does and sees.
int tryAsSecondCopy(Form1& form, ModalWatcher& modals, bool forEver)
{
    for (long i = 0;; ++i) {
        modals.clear();
        QString content = faults::kTextC;
        form.Text88->setCrlfText(content);
        trigger(&form, QStringLiteral("savewrete"));
        form.Text0->setText(QStringLiteral("31 32 33 34 35 36 01 "));
        form.Command1_Click();
        if (i == 0) {
            for (const QString& message : modals.messages())
                std::printf("message %s\n", qPrintable(QString(message).replace(QStringLiteral("\r\n"), QStringLiteral(" "))));
            say("tried");
        }
        if (!forEver)
            return 0;
    }
}

void saveThrough(Form1& form, ModalWatcher& modals, const QString& way)
{
    if (way == QLatin1String("save")) {
        trigger(&form, QStringLiteral("savewrete"));
    } else if (way == QLatin1String("saveas")) {
        modals.onNext([](QWidget* w) {
            static_cast<QPushButton*>(child(w, QStringLiteral("Command1(3)")))->click();
        });
        trigger(&form, QStringLiteral("saveaswr34w"));
    } else {
        form.generatorWindow().Command1_Click();
    }
}

// One line per finding: the messages shown, whether SaveOK kept its value, whether the
// exit guard still asks.
int failOnce(Form1& form, ModalWatcher& modals, const QString& way)
{
    modals.clear();
    form.Text88->setCrlfText(faults::kTextB);
    const QString saveOK = form.SaveOK;
    saveThrough(form, modals, way);
    for (const QString& message : modals.messages())
        std::printf("message %s\n", qPrintable(QString(message).replace(QStringLiteral("\r\n"), QStringLiteral(" "))));
    std::printf("saveok-kept %d\n", int(form.SaveOK == saveOK));
    modals.answer = QMessageBox::No;
    modals.clear();
    const bool closed = form.close();
    std::printf("guard-asks %d\n",
                int(!closed && !modals.seen.empty()
                    && modals.seen.back().title == QStringLiteral("彩票未保存")));
    return 0;
}

// Makes one step of every write fail, named as the test names it.
void injectFault(const QString& step, int error)
{
    static const QHash<QString, archive::WriteStep> steps = {
        {QStringLiteral("create"), archive::WriteStep::Create},
        {QStringLiteral("write"), archive::WriteStep::Write},
        {QStringLiteral("sync"), archive::WriteStep::Sync},
        {QStringLiteral("rename"), archive::WriteStep::Rename},
        {QStringLiteral("syncfolder"), archive::WriteStep::SyncFolder}};
    const archive::WriteStep failing = steps.value(step);
    archive::setWriteFault([failing, error](archive::WriteStep at) { return at == failing ? error : 0; });
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    CueRecorder cues;
    const QString mode = args[1];
    const bool second = mode == QLatin1String("second");
    // A refused slot is reported at start-up; a second copy answers as told.
    ModalWatcher modals(second && args.value(3) == QLatin1String("no") ? QMessageBox::No : QMessageBox::Yes);
    archive::FolderLock lock(args[2]);
    if (mode == QLatin1String("loop") || second) {
        const startup::FolderAccess access = startup::claimDataFolder(lock, args[2]);
        std::printf("access %s\n", access == startup::FolderAccess::Write      ? "write"
                                   : access == startup::FolderAccess::ReadOnly ? "readonly"
                                                                               : "quit");
        for (const SeenModal& seen : modals.seen)
            std::printf("question %s\n", qPrintable(seen.title));
        std::fflush(stdout);
        if (access == startup::FolderAccess::Quit)
            return 0;
        if (!second && access != startup::FolderAccess::Write)
            return 3;
    }
    Form1 form(args[2]);
    form.show();
    if (mode == QLatin1String("loop"))
        return saveForEver(form);
    if (second)
        return tryAsSecondCopy(form, modals, args.value(4) == QLatin1String("loop"));
    if (args.size() >= 6)
        injectFault(args[4], args[5].toInt());
    return failOnce(form, modals, args.value(3));
}
