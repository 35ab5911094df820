#include "printing/document_window.h"

#include "printing/word_processor_ui.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/widget_text.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRawFont>
#include <QShortcut>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <iterator>

namespace {

// Digits one column, box-drawing characters exactly two, and text that comes back whole
// from a PDF.
const QString kSheetMonoFamily = QStringLiteral("WenQuanYi Zen Hei Mono");

QFont sheetFont(const QString& family, double points)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setKerning(false);  // every character keeps its own width: columns stay in line
    return font;
}

// How far the vertical rule "┃" reaches above the baseline, at a size of `em` pixels;
// the baseline of each line sits that far below its top, so the rules of consecutive
// lines of one em meet.
double baselineOffset(const QFont& font, double em, const QFontMetricsF& metrics)
{
    QRawFont raw = QRawFont::fromFont(font);
    if (raw.isValid()) {
        raw.setPixelSize(em);
        const QList<quint32> glyphs = raw.glyphIndexesForString(QStringLiteral("┃"));
        if (!glyphs.isEmpty() && glyphs.first() != 0) {
            const QRectF box = raw.boundingRect(glyphs.first());
            if (box.height() > 0)
                return -box.top();
        }
    }
    return metrics.ascent() * em / (metrics.ascent() + metrics.descent());
}

// Breaks a line that is wider than the page at the last character that fits.
QStringList wrapToWidth(const QString& line, const QFontMetricsF& metrics, double width)
{
    QStringList out;
    QString rest = line;
    while (!rest.isEmpty() && metrics.horizontalAdvance(rest) > width) {
        int fits = 1;
        double used = metrics.horizontalAdvance(rest.at(0));
        while (fits < rest.size()) {
            const double next = metrics.horizontalAdvance(rest.at(fits));
            if (used + next > width)
                break;
            used += next;
            ++fits;
        }
        if (fits < rest.size() && rest.at(fits).isLowSurrogate())
            --fits;  // never split a character in two
        out << rest.left(qMax(1, fits));
        rest = rest.mid(qMax(1, fits));
    }
    if (!rest.isEmpty() || out.isEmpty())
        out << rest;
    return out;
}

// Sets the text on the printer's pages: one em per line, as many lines as a page holds.
// False when the printer could not be opened (no printer, or the file not writable).
bool paintPages(QPrinter& printer, const QString& text, const QFont& font)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(font);
    const QFont deviceFont = painter.font();
    const QFontMetricsF metrics(deviceFont, &printer);
    QRawFont raw = QRawFont::fromFont(deviceFont);
    const double em = raw.isValid() && raw.pixelSize() > 0
                          ? raw.pixelSize()
                          : font.pointSizeF() * printer.logicalDpiY() / 72.0;
    const double baseline = baselineOffset(deviceFont, em, metrics);
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    const int linesPerPage = qMax(1, int(area.height() / em));

    int row = 0;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        for (const QString& piece : wrapToWidth(line, metrics, area.width())) {
            if (row == linesPerPage) {
                printer.newPage();
                row = 0;
            }
            painter.drawText(QPointF(0, row * em + baseline), piece);
            ++row;
        }
    }
    return painter.end();
}

// Room around the sheet on paper; a printer that needs more keeps its own.
void setSheetMargins(QPrinter& printer)
{
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

QFont controlFont()
{
    return fonts::font(fonts::kHei, 16, true);
}

// The sizes the sheet is shown at, as factors of its printed size. It opens at twice
// that: 10 points on paper read well, on a screen they are too small for most buyers.
constexpr double kZoomSteps[] = {1.0, 1.25, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0};
constexpr int kZoomStepCount = int(std::size(kZoomSteps));
constexpr int kOpeningZoomStep = 3;

const QString kOpeningStatus =
    QStringLiteral("可在这里修改后再打印：Ctrl+P 选择打印机，“导出PDF”可拿到别处打印");

// How a print went, in the status bar's words: the printer's name, or the file's.
QString printerLabel(const QPrinter& printer)
{
    return printer.outputFileName().isEmpty() ? printer.printerName()
                                              : QDir::toNativeSeparators(printer.outputFileName());
}

}  // namespace

// A window of its own with every button of a caption. Of the dialog kind, so that the
// window manager keeps it above the window it belongs to (transient for it), even when
// that one is tapped; it holds nothing modal.
constexpr Qt::WindowFlags kDocumentFlags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                           | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;

DocumentWindow::DocumentWindow(QWidget* parent)
    : QMainWindow(parent, kDocumentFlags), m_zoomStep(kOpeningZoomStep)
{
    setObjectName(QStringLiteral("PrintDocument"));
    m_font = sheetFont(sheetFamily(QStringLiteral("黑体")), 10);
    buildControls();
    resize(fonts::px(960), fonts::px(760));
}

QString DocumentWindow::sheetFamily(const QString& face)
{
    if (face == fonts::kHei && QFontDatabase::hasFamily(kSheetMonoFamily))
        return kSheetMonoFamily;
    return face;
}

void DocumentWindow::buildControls()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    auto* buttons = new QHBoxLayout;
    // Large buttons, in a row: printing on the left, the zoom on the right.
    const auto addButton = [&](const char* name, const QString& text, const QString& tip) {
        auto* b = new QPushButton(text, central);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(tip);
        b->setFont(controlFont());
        b->setMinimumSize(fonts::px(96), fonts::px(48));
        buttons->addWidget(b);
        return b;
    };
    m_printButton = addButton("PrintButton", QStringLiteral("打印"), QStringLiteral("在默认打印机上打印"));
    m_previewButton = addButton("PreviewButton", QStringLiteral("打印预览"),
                                QStringLiteral("先看看打印出来的样子"));
    m_dialogButton = addButton("PrintDialogButton", QStringLiteral("选择打印机 Ctrl+P"), QString());
    m_pdfButton = addButton("ExportPdfButton", QStringLiteral("导出PDF"),
                            QStringLiteral("保存为PDF文件，可拿到别处打印或发给彩票店"));
    buttons->addStretch();
    m_zoomOutButton = addButton("ZoomOutButton", QStringLiteral("缩小"),
                                QStringLiteral("屏幕上的字缩小 (Ctrl+减号)，打印大小不变"));
    m_zoomInButton = addButton("ZoomInButton", QStringLiteral("放大"),
                               QStringLiteral("屏幕上的字放大 (Ctrl+加号)，打印大小不变"));
    m_closeButton = addButton("CloseDocument", QStringLiteral("关闭"),
                              QStringLiteral("关闭打印窗口 (Esc)"));
    layout->addLayout(buttons);

    DocumentText = new QTextEdit(central);
    DocumentText->setObjectName(QStringLiteral("DocumentText"));
    DocumentText->setAcceptRichText(false);
    DocumentText->setLineWrapMode(QTextEdit::NoWrap);
    // Always there, so that the room for the sheet's width does not change with its length.
    DocumentText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DocumentText->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    DocumentText->viewport()->installEventFilter(this);
    layout->addWidget(DocumentText, 1);
    setCentralWidget(central);

    statusText = new QLabel(central);
    statusText->setObjectName(QStringLiteral("PrintStatus"));
    statusText->setFont(fonts::font(fonts::kHei, 14));
    statusBar()->addWidget(statusText, 1);
    showStatus(kOpeningStatus);

    connect(m_printButton, &QPushButton::clicked, this, &DocumentWindow::printToDefaultPrinter);
    connect(m_dialogButton, &QPushButton::clicked, this, &DocumentWindow::showPrintDialog);
    connect(m_pdfButton, &QPushButton::clicked, this, &DocumentWindow::chooseAndExportPdf);
    connect(m_previewButton, &QPushButton::clicked, this, &DocumentWindow::showPreview);
    connect(m_zoomInButton, &QPushButton::clicked, this, &DocumentWindow::zoomIn);
    connect(m_zoomOutButton, &QPushButton::clicked, this, &DocumentWindow::zoomOut);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    addShortcuts();
    applyZoom();
}

void DocumentWindow::addShortcuts()
{
    const auto add = [this](const QKeySequence& keys, void (DocumentWindow::*action)()) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
    };
    add(QKeySequence::Print, &DocumentWindow::showPrintDialog);
    add(QKeySequence::ZoomIn, &DocumentWindow::zoomIn);
    add(QKeySequence(Qt::CTRL | Qt::Key_Equal), &DocumentWindow::zoomIn);  // "+" without Shift
    add(QKeySequence::ZoomOut, &DocumentWindow::zoomOut);
}

void DocumentWindow::setInsertionFontName(const QString& face)
{
    m_font.setFamily(sheetFamily(face));
    applyZoom();
}

void DocumentWindow::setInsertionFontSize(double points)
{
    if (points <= 0)
        return;
    m_font.setPointSizeF(points);
    applyZoom();
}

void DocumentWindow::setInsertionAlignment(Qt::Alignment alignment)
{
    DocumentText->setAlignment(alignment | Qt::AlignAbsolute);
}

void DocumentWindow::insertText(const QString& text)
{
    DocumentText->insertPlainText(toWidgetText(text));
    m_shownText = DocumentText->toPlainText();
    const QFontMetricsF metrics(m_font);
    m_widestLine = 0;
    for (QTextBlock block = DocumentText->document()->begin(); block.isValid(); block = block.next())
        m_widestLine = std::max(m_widestLine, metrics.horizontalAdvance(block.text()));
    if (!m_zoomChosen)
        m_zoomStep = fittingZoomStep();
    applyZoom();
    // The sheet is read from its beginning: the caret goes there, and the view with it.
    DocumentText->moveCursor(QTextCursor::Start);
}

bool DocumentWindow::startNewSheet()
{
    if (editedSinceShown()
        && !askYesNo(this, QStringLiteral("ReplaceEditedSheet"), QStringLiteral("新的打印单"),
                     QStringLiteral("打印窗口里的打印单已经修改过（例如写上了联系方式），换成新的打印单后"
                                    "这些修改会丢失，确定要换吗？"),
                     false))
        return false;
    DocumentText->clear();
    m_shownText.clear();
    m_widestLine = 0;
    showStatus(kOpeningStatus);
    return true;
}

int DocumentWindow::fittingZoomStep() const
{
    const double room = DocumentText->viewport()->width() - 2 * DocumentText->document()->documentMargin();
    int step = kOpeningZoomStep;
    // A small allowance for the hinting of larger sizes.
    while (step > 0 && m_widestLine * kZoomSteps[step] * 1.02 > room)
        --step;
    return step;
}

void DocumentWindow::followWidth()
{
    if (m_zoomChosen || m_widestLine <= 0)
        return;
    const int step = fittingZoomStep();
    if (step != m_zoomStep) {
        m_zoomStep = step;
        applyZoom();
    }
}

void DocumentWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool DocumentWindow::editedSinceShown() const
{
    return DocumentText->toPlainText() != m_shownText;
}

double DocumentWindow::zoom() const
{
    return kZoomSteps[m_zoomStep];
}

void DocumentWindow::zoomIn()
{
    zoomBy(1);
}

void DocumentWindow::zoomOut()
{
    zoomBy(-1);
}

void DocumentWindow::zoomBy(int steps)
{
    m_zoomChosen = true;
    m_zoomStep = std::clamp(m_zoomStep + steps, 0, kZoomStepCount - 1);
    applyZoom();
}

void DocumentWindow::applyZoom()
{
    QFont shown = m_font;
    shown.setPointSizeF(m_font.pointSizeF() * zoom());
    QTextCharFormat chars;
    chars.setFont(shown);
    // Lines of one em, so the vertical rules of the box join at every size.
    QTextBlockFormat lines;
    lines.setLineHeight(QFontInfo(shown).pixelSize(), QTextBlockFormat::FixedHeight);

    // A size is not an edit: it never enters the undo history.
    QTextDocument* document = DocumentText->document();
    document->setUndoRedoEnabled(false);
    document->setDefaultFont(shown);
    QTextCursor all(document);
    all.select(QTextCursor::Document);
    all.mergeCharFormat(chars);
    all.mergeBlockFormat(lines);
    document->setUndoRedoEnabled(true);
    DocumentText->setCurrentCharFormat(chars);  // what the user types next
    m_zoomOutButton->setEnabled(m_zoomStep > 0);
    m_zoomInButton->setEnabled(m_zoomStep < kZoomStepCount - 1);
}

bool DocumentWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == DocumentText->viewport() && event->type() == QEvent::Resize)
        followWidth();
    if (watched == DocumentText->viewport() && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const int turn = wheel->angleDelta().y();
            if (turn > 0)
                zoomIn();
            else if (turn < 0)
                zoomOut();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void DocumentWindow::closeEvent(QCloseEvent* event)
{
    if (editedSinceShown() && !confirmDiscardEdits()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

bool DocumentWindow::confirmDiscardEdits()
{
    return askYesNo(this, QStringLiteral("CloseEditedSheet"), QStringLiteral("关闭打印单"),
                    QStringLiteral("打印单已经修改过（例如写上了联系方式），关闭后这些修改会丢失，"
                                   "确定要关闭吗？"),
                    false);
}

QString DocumentWindow::documentText() const
{
    return fromWidgetText(DocumentText->toPlainText());
}

void DocumentWindow::showStatus(const QString& text)
{
    statusText->setText(text);
}

bool DocumentWindow::printToDefaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        qCInfo(lottoPrint) << "no printer found";
        showStatus(QStringLiteral("没有找到打印机，未能打印：请安装打印机并设为默认打印机，"
                                  "或点“导出PDF”保存后拿到别处打印"));
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    setSheetMargins(printer);
    return printOn(printer, info.printerName());
}

void DocumentWindow::showPrintDialog()
{
    QPrinter printer(QPrinter::HighResolution);
    setSheetMargins(printer);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("打印"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    printOn(printer, printerLabel(printer));
}

void DocumentWindow::showPreview()
{
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    QPrinter printer(info, QPrinter::HighResolution);
    if (info.isNull())
        printer.setPageSize(QPageSize(QPageSize::A4));
    setSheetMargins(printer);
    QPrintPreviewDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    dialog.setWindowTitle(QStringLiteral("打印预览 - 打印出来的样子"));
    dialog.resize(size());
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { paintPages(*target, DocumentText->toPlainText(), m_font); });
    // The dialog's own print button prints and closes it with Accepted.
    if (dialog.exec() != QDialog::Accepted)
        return;
    reportPrinted(printerLabel(printer));
}

void DocumentWindow::reportPrinted(const QString& printerName)
{
    qCInfo(lottoPrint).noquote() << "printed on" << printerName;
    showStatus(QStringLiteral("已送往打印机：") + printerName);
}

bool DocumentWindow::printOn(QPrinter& printer, const QString& printerName)
{
    if (!paintPages(printer, DocumentText->toPlainText(), m_font)) {
        qCInfo(lottoPrint).noquote() << "no printer found (could not open" << printerName << ")";
        showStatus(QStringLiteral("打印机“") + printerName
                   + QStringLiteral("”无法使用，未能打印：请检查打印机，或点“导出PDF”保存后拿到别处打印"));
        return false;
    }
    reportPrinted(printerName);
    return true;
}

bool DocumentWindow::exportPdf(const QString& filePath)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(filePath);
    printer.setPageSize(QPageSize(QPageSize::A4));
    setSheetMargins(printer);
    printer.setDocName(QStringLiteral("彩票订单"));
    const QString shown = QDir::toNativeSeparators(filePath);
    if (!paintPages(printer, DocumentText->toPlainText(), m_font)) {
        showStatus(QStringLiteral("PDF文件未能写入：") + shown);
        return false;
    }
    showStatus(QStringLiteral("已导出PDF：") + shown);
    return true;
}

void DocumentWindow::chooseAndExportPdf()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("导出PDF"), QDir(folder).filePath(QStringLiteral("彩票订单.pdf")),
        QStringLiteral("PDF 文件 (*.pdf)"));
    if (path.isEmpty())
        return;
    const QString pdf = path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)
                            ? path
                            : path + QStringLiteral(".pdf");
    // The dialog asked about the name as typed; the suffix may name another file that exists.
    if (pdf != path && QFileInfo::exists(pdf)
        && !askYesNo(this, QStringLiteral("ReplacePdf"), QStringLiteral("导出PDF"),
                     QStringLiteral("文件“") + QDir::toNativeSeparators(pdf)
                         + QStringLiteral("”已经存在，要替换它吗？"),
                     false))
        return;
    exportPdf(pdf);
}
