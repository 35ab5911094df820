#include "shots.h"

#include "printing/document_window.h"
#include "printing/order_sheet.h"

#include <QPushButton>

// The document window zoomed in as far as a buyer with poor eyesight might want it, and
// the print preview of the same sheet.
void shootPrintViews(Form1&, ShotContext& ctx)
{
    QStringList lines;
    for (int n = 1; n <= 8; ++n)
        lines << QStringLiteral("%1 05 12 19 23 30 36 ").arg(n, 2, 10, QLatin1Char('0'));
    DocumentWindow window;
    window.setInsertionFontName(printing::kSheetFace);
    window.setInsertionFontSize(printing::kSheetPoints);
    window.insertText(printing::documentText(printing::layOutSheet(lines.join(QStringLiteral("\r\n"))),
                                             QStringLiteral("2026/12/8 9:30:00")));
    window.setWindowTitle(printing::kDocumentCaption);
    window.zoomIn();
    window.zoomIn();
    ctx.shoot(&window, QStringLiteral("print_document_zoomed"));
    ctx.shootModal(QStringLiteral("print_preview"), [&] {
        window.findChild<QPushButton*>(QStringLiteral("PreviewButton"))->click();
    });
}
