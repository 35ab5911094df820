// Starts the program as main() does, on whatever screen the platform gives it, and
// prints where its windows and the controls a user must reach lie:
//   screen X Y W H          the available area
//   NAME X Y W H            a control or window, in screen coordinates
//   lines N                 whole lines the ticket box shows
// With an argument, it also writes a PNG of the main window to that file.
#include "app/main_window.h"
#include "archive/archive_window.h"
#include "editing/count_dialog.h"
#include "editing/row_editor_window.h"
#include "generator/generator_window.h"
#include "messages/message_window.h"
#include "printing/document_window.h"
#include "support/test_support.h"
#include "widgets/fonts.h"
#include "widgets/qt_chinese.h"
#include "widgets/screen_placement.h"
#include "widgets/widgets.h"

#include <QApplication>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTextStream>

namespace {

QTextStream out(stdout);

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

void report(const QString& name, const QRect& r)
{
    out << name << ' ' << r.x() << ' ' << r.y() << ' ' << r.width() << ' ' << r.height() << '\n';
}

void reportWidget(QWidget* w)
{
    report(w->objectName(), QRect(w->mapToGlobal(QPoint(0, 0)), w->size()));
}

// Shows a window as its opener would (without waiting in it), reports it, hides it.
void reportShown(QWidget* window, const QString& name)
{
    window->show();
    settle();
    report(name, QRect(window->mapToGlobal(QPoint(0, 0)), window->size()));
    window->hide();
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    fonts::installSubstitutions();
    qtChinese::install();
    screens::fitWindowsToScreen();

    StartedForm started;
    started.folder.write(QStringLiteral("Save00.txt"),
                 QStringLiteral("05 08 09 15 17 25 32 \r\n01 07 14 25 29 31 32 \r\n"
                                "01 18 24 25 26 28 29 \r\n01 02 07 15 21 33 34 \r\n"));
    Form1& form = started.start();
    settle();

    report(QStringLiteral("screen"), form.screen()->availableGeometry());
    for (int i = 1; i <= 36; ++i)
        reportWidget(form.num1[i]);
    for (QWidget* w : {static_cast<QWidget*>(form.Command5), static_cast<QWidget*>(form.Command1),
                       static_cast<QWidget*>(form.Text88)})
        reportWidget(w);
    out << "lines " << form.Text88->viewport()->height() / form.Text88->fontMetrics().lineSpacing()
        << '\n';
    if (argc > 1)
        form.grab().save(QString::fromLocal8Bit(argv[1]));

    reportShown(&form.messageWindow(), QStringLiteral("ShowText1"));
    reportShown(&form.archiveWindow(), QStringLiteral("Load2"));
    reportShown(&form.generatorWindow(), QStringLiteral("AutoCode1"));
    reportShown(&form.rowEditorWindow(), QStringLiteral("editX1"));
    reportShown(&form.countDialog(), QStringLiteral("editLV"));

    DocumentWindow document;
    reportShown(&document, QStringLiteral("PrintDocument"));
    document.show();
    QPrinter printer;
    QPrintDialog printDialog(&printer, &document);
    reportShown(&printDialog, QStringLiteral("PrintDialog"));
    QFileDialog fileDialog(&document, QStringLiteral("导出PDF"));
    reportShown(&fileDialog, QStringLiteral("FileDialog"));
    document.hide();

    form.SaveOK = form.Text88->crlfText();  // no exit question
    out.flush();
    return 0;
}
