// Form1's "打印": the order sheet for the lottery shop, handed to the word processor.
#include "app/main_window.h"

#include "archive/date_time_text.h"
#include "printing/order_sheet.h"
#include "printing/word_processor_ui.h"
#include "widgets/ticket_box.h"

#include <QLabel>

namespace {

QString statusAfter(printing::HandOver outcome)
{
    switch (outcome) {
    case printing::HandOver::Printed:
        return printing::kPrintedStatus;
    case printing::HandOver::NoPrinter:
        return printing::kNoPrinterStatus;
    case printing::HandOver::Kept:
        break;
    }
    return printing::kSheetKeptStatus;
}

}  // namespace

void Form1::Command13_Click()
{
    showMessage(printing::preparationMessage());
    const printing::OrderSheet sheet = printing::layOutSheet(Text88->crlfText());
    const QString report = printing::errorReportMessage(sheet.errorReport);
    if (!report.isEmpty())
        showMessage(report);
    if (!sheet.printable()) {
        Label9->setText(printing::kNothingPrintedStatus);
        return;
    }
    const printing::HandOver outcome = printing::handOver(
        printing::wordProcessor(this), printing::documentText(sheet, archive::currentDateTimeText()));
    Label9->setText(statusAfter(outcome));
}
