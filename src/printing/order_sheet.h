// The order sheet for the lottery shop: the ticket lines laid out in a box of two
// columns with numbered cells, a purchase header and a credit line. Lines that fail the
// check are left out and listed in an error report.
#pragma once

#include <QString>
#include <QtGlobal>

namespace printing {

// What one print makes of the ticket box text.
struct OrderSheet {
    QString printText;     // the boxed rows and footers, or a single unboxed line
    qint16 acceptedLines = 0;
    QString errorReport;   // "BR" entries of the excluded lines; empty when none
    // At least one good line: the sheet goes to the word processor.
    bool printable() const { return acceptedLines >= 1 && printText.size() >= 21; }
};

// Lays the ticket box text out as a sheet. Markers are removed first. A text without
// line breaks is one group, printed as it stands; otherwise every piece between CR LF
// is checked (seven two-digit numbers of at most 36) and placed by its position.
OrderSheet layOutSheet(const QString& ticketText);

// The text handed to the word processor: header with count, price and `now`, the
// contact line, and for more than one group the shop-keeper note, the top border,
// the sheet and the credit line with the maker's address.
QString documentText(const OrderSheet& sheet, const QString& now);

// The note shown before a print starts.
QString preparationMessage();
// The message listing the excluded lines; empty when there is nothing to report.
QString errorReportMessage(const QString& errorReport);

inline const QString kNothingPrintedStatus = QStringLiteral("打印未执行，至少要1组格式正确的号码..");
inline const QString kPrintedStatus = QStringLiteral("打印操作已执行..");
// The sheet reached no printer: the document window stays open for a PDF export.
inline const QString kNoPrinterStatus = QStringLiteral("打印未执行：没有找到打印机，可在打印窗口里导出PDF ..");
// The user kept the edited sheet of the print window: the new one was not made.
inline const QString kSheetKeptStatus = QStringLiteral("打印未执行：打印窗口里修改过的打印单保留着 ..");

// How the word processor is asked to set the sheet.
inline const QString kSheetFace = QStringLiteral("黑体");
inline constexpr double kSheetPoints = 10;
inline const QString kDocumentCaption = QStringLiteral("注意：彩票手动打印 Ctrl+P  关闭打印窗口不会保存文件 ...");

}  // namespace printing
