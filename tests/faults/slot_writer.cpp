// A child program that saves through the main window's own save paths.
//   slot_writer loop FOLDER         saves kTextA and kTextB into slot 0 in turn, for ever;
//                                   prints "saved" after the first save
//   slot_writer fail FOLDER WAY [STEP ERRNO]
//                                   one save that is expected to fail, WAY being
//                                   save (the menu's save), saveas (into slot 3) or
//                                   generate (the generator's run); prints what it saw.
//                                   STEP (create, write, sync, rename, syncfolder) fails
//                                   with the error number ERRNO, as a failing disk would
#include "app/main_window.h"
#include "archive/durable_write.h"
#include "widgets/widgets.h"
#include "fault_texts.h"
#include "generator/generator_window.h"
#include "support/test_support.h"

#include <QApplication>
#include <QHash>
#include <QPushButton>
#include <cstdio>

namespace {

int saveForEver(Form1& form)
{
    for (long i = 0;; ++i) {
        QString content = i % 2 ? faults::kTextB : faults::kTextA;
        form.saveallnum(content);
        if (i == 0) {
            std::puts("saved");
            std::fflush(stdout);
        }
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
    ModalWatcher modals(QMessageBox::Yes);  // a refused slot is reported at start-up
    Form1 form(args[2]);
    form.show();
    if (args[1] == QLatin1String("loop"))
        return saveForEver(form);
    if (args.size() >= 6)
        injectFault(args[4], args[5].toInt());
    return failOnce(form, modals, args.value(3));
}
