#include "shots.h"

#include "printing/document_window.h"
#include "printing/order_sheet.h"

#include <QDir>
#include <QStringList>

// The document window as a print leaves it, with a sheet of twelve lines; the same
// document exported as a PDF beside the picture, to look at the paper's columns.
void shootPrintingWindows(Form1&, ShotContext& ctx)
{
    const QStringList lines = {
        "05 08 09 15 17 25 32 ", "01 07 14 25 29 31 32 ", "01 18 24 25 26 28 29 ",
        "01 02 07 15 21 33 34 ", "01 14 24 25 28 35 36 ", "08 12 15 29 32 34 35 ",
        "02 15 19 27 30 32 35 ", "07 08 11 12 19 24 36 ", "10 13 19 20 28 33 36 ",
        "03 08 24 26 31 32 33 ", "03 12 15 24 26 27 33 ", "07 11 16 24 26 32 33 ",
    };
    const printing::OrderSheet sheet = printing::layOutSheet(lines.join(QStringLiteral("\r\n")));
    DocumentWindow window;
    window.setInsertionFontName(printing::kSheetFace);
    window.setInsertionFontSize(printing::kSheetPoints);
    window.setInsertionAlignment(Qt::AlignLeft);
    window.insertText(printing::documentText(sheet, QStringLiteral("2026/12/7 20:15:03")));
    window.setWindowTitle(printing::kDocumentCaption);
    ctx.shoot(&window, QStringLiteral("print_document"));
    window.exportPdf(QDir(ctx.outFolder).filePath(QStringLiteral("print_document.pdf")));
}
