// The document window: one for every hand-over, above the main window, the sheet's face
// and size, the print request's log line, a PDF whose text and columns come back whole, a
// zoom that leaves the print alone and opens as large as the width allows, the preview,
// and the question before an edited sheet is closed or replaced.
#include "app/main_window.h"
#include "printing/document_window.h"
#include "printing/order_sheet.h"
#include "printing/word_processor_ui.h"

#include "support/test_support.h"
#include "widgets/fonts.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QPointer>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QWheelEvent>
#include <map>
#include <memory>

namespace {

QString twelveLineDocument()
{
    QStringList lines;
    for (int n = 1; n <= 12; ++n)
        lines << QStringLiteral("%1 08 09 15 17 25 32 ").arg(n, 2, 10, QLatin1Char('0'));
    return printing::documentText(printing::layOutSheet(lines.join(QStringLiteral("\r\n"))),
                                  QStringLiteral("2026/12/7 20:15:03"));
}

// Collects the messages of one logging category while it lives.
class LogCapture {
public:
    explicit LogCapture(const char* category)
    {
        s_category = category;
        s_lines.clear();
        m_previous = qInstallMessageHandler(&LogCapture::handle);
    }
    ~LogCapture() { qInstallMessageHandler(m_previous); }
    QStringList lines() const { return s_lines; }

private:
    static void handle(QtMsgType, const QMessageLogContext& context, const QString& message)
    {
        if (context.category && qstrcmp(context.category, s_category) == 0)
            s_lines << message;
    }
    static inline const char* s_category = nullptr;
    static inline QStringList s_lines;
    QtMessageHandler m_previous = nullptr;
};

QList<DocumentWindow*> documentWindows()
{
    QList<DocumentWindow*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<DocumentWindow*>(w); d && w->objectName() == "PrintDocument")
            out << d;
    return out;
}

std::unique_ptr<DocumentWindow> windowWith(const QString& text)
{
    auto window = std::make_unique<DocumentWindow>();
    window->setInsertionFontName(printing::kSheetFace);
    window->setInsertionFontSize(printing::kSheetPoints);
    window->insertText(text);
    return window;
}

// Runs pdftotext on a file; empty when the tool is missing.
QString pdfToText(const QStringList& arguments)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), arguments + QStringList{QStringLiteral("-")});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        return QString();
    return QString::fromUtf8(tool.readAllStandardOutput());
}

QString withoutSpaces(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

// The pages of the window's PDF and every word on them with its place (not the file's
// creation time).
QString pdfWordBoxes(DocumentWindow& window, const QString& path)
{
    if (!window.exportPdf(path))
        return QString();
    const QString boxes = pdfToText({QStringLiteral("-bbox"), path});
    return boxes.mid(boxes.indexOf(QStringLiteral("<page")));
}

// The pixel size the text is shown at; -1 when some line's height differs from its
// characters' em (the box's vertical rules would then break apart or overlap).
int shownEmIfLinesJoin(const QTextEdit& text)
{
    int em = 0;
    for (QTextBlock block = text.document()->begin(); block.isValid(); block = block.next()) {
        const auto fragment = block.begin().fragment();
        const int charSize = QFontInfo((fragment.isValid() ? fragment.charFormat() : block.charFormat())
                                           .font()).pixelSize();
        const QTextBlockFormat format = block.blockFormat();
        if (format.lineHeightType() != QTextBlockFormat::FixedHeight
            || qRound(format.lineHeight()) != charSize || (em && charSize != em))
            return -1;
        em = charSize;
    }
    return em;
}

void ctrlWheel(QWidget* viewport, int delta)
{
    const QPointF at(viewport->width() / 2.0, viewport->height() / 2.0);
    QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
}

}  // namespace

class DocumentWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { fonts::installSubstitutions(); }
    void cleanup() { qDeleteAll(documentWindows()); }
    void handOversShareTheOneDocument_data();
    void handOversShareTheOneDocument();
    void pdfKeepsTheText();
    void pdfColumnsLineUp();
    void unwritablePdfIsReported();
    void pdfNeverReplacesAFileUnasked_data();
    void pdfNeverReplacesAFileUnasked();
    void zoomChangesOnlyTheScreen_data();
    void zoomChangesOnlyTheScreen();
    void previewShowsThePages();
    void closingAnEditedSheetAsks_data();
    void closingAnEditedSheetAsks();
    void opensAsLargeAsTheWidthAllows_data();
    void opensAsLargeAsTheWidthAllows();
};

void DocumentWindowTest::handOversShareTheOneDocument_data()
{
    QTest::addColumn<QString>("typed");  // into the first sheet
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("as printed: replaced unasked") << "" << int(QMessageBox::No) << true;
    QTest::newRow("edited, No keeps it") << "13800138000" << int(QMessageBox::No) << false;
    QTest::newRow("edited, Yes replaces it") << "13800138000" << int(QMessageBox::Yes) << true;
}

void DocumentWindowTest::handOversShareTheOneDocument()
{
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(bool, replaced);
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("a default printer is installed: the hand-over would print a real page");
    StartedForm started;
    Form1& form = started.start();
    LogCapture log("lotto.print");
    printing::setWordProcessor(nullptr);
    const QString first = twelveLineDocument();
    QCOMPARE(printing::handOver(printing::wordProcessor(&form), first), printing::HandOver::NoPrinter);
    QCOMPARE(documentWindows().size(), 1);
    DocumentWindow* window = documentWindows().first();
    QTest::keyClicks(window->DocumentText, typed);
    const QString shown = window->documentText();
    ModalWatcher watcher{QMessageBox::StandardButton(answer)};
    const QString second = first + QStringLiteral("\r\n■第二张");
    QCOMPARE(printing::handOver(printing::wordProcessor(&form), second),
             replaced ? printing::HandOver::NoPrinter : printing::HandOver::Kept);

    QCOMPARE(documentWindows(), QList<DocumentWindow*>{window});
    QCOMPARE(watcher.seen.size(), size_t(typed.isEmpty() ? 0 : 1));
    QVERIFY(window->isVisible() && !window->isModal());
    QCOMPARE(window->parentWidget(), &form);  // kept above the main window by the window manager
    QCOMPARE(window->windowTitle(), printing::kDocumentCaption);
    QCOMPARE(window->documentText(), replaced ? second : shown);
    QCOMPARE(window->documentFont().pointSizeF(), 10.0);
    QVERIFY(window->statusText->text().contains(QStringLiteral("没有找到打印机")));
    QCOMPARE(log.lines().size(), replaced ? 2 : 1);
}

void DocumentWindowTest::pdfKeepsTheText()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    const QString text = twelveLineDocument();
    const auto window = windowWith(text);
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    QVERIFY(window->exportPdf(pdf));
    QVERIFY(window->statusText->text().startsWith(QStringLiteral("已导出PDF")));
    QCOMPARE(withoutSpaces(pdfToText({pdf})), withoutSpaces(text));
}

void DocumentWindowTest::pdfColumnsLineUp()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    const auto window = windowWith(twelveLineDocument());
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    QVERIFY(window->exportPdf(pdf));

    // Per line of the page: where its "┃" stand and where its last word ends.
    struct Line {
        QList<int> rules;
        int end = 0;
        QString first;
    };
    std::map<int, Line> lines;
    const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"[\\d.]+\">([^<]*)</word>"));
    auto matches = word.globalMatch(pdfToText({QStringLiteral("-bbox"), pdf}));
    while (matches.hasNext()) {
        const auto m = matches.next();
        Line& line = lines[qRound(m.captured(2).toDouble() * 10)];
        const QString w = m.captured(4);
        if (line.first.isEmpty())
            line.first = w;
        if (w.startsWith(QStringLiteral("┃")))
            line.rules << qRound(m.captured(1).toDouble() * 10);
        line.end = qRound(m.captured(3).toDouble() * 10);
    }
    QList<int> rules;
    int boxEnd = -1;
    int rows = 0, borders = 0;
    for (const auto& [y, line] : lines) {
        const QChar c = line.first.isEmpty() ? QChar() : line.first.at(0);
        if (c == QChar(0x2503)) {  // a row
            ++rows;
            QCOMPARE(line.rules.size(), 3);
            if (rules.isEmpty())
                rules = line.rules;
            QCOMPARE(line.rules, rules);
        } else if (c == QChar(0x250F) || c == QChar(0x2523) || c == QChar(0x2517)) {
            ++borders;  // top border, separator, closing footer
        } else {
            continue;
        }
        if (boxEnd < 0)
            boxEnd = line.end;
        QCOMPARE(line.end, boxEnd);
    }
    QCOMPARE(rows, 7);
    QCOMPARE(borders, 3);
}

void DocumentWindowTest::unwritablePdfIsReported()
{
    const auto window = windowWith(twelveLineDocument());
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QVERIFY(!window->exportPdf(QStringLiteral("/nonexistent-folder/sheet.pdf")));
    QVERIFY(window->statusText->text().startsWith(QStringLiteral("PDF文件未能写入")));
}

void DocumentWindowTest::pdfNeverReplacesAFileUnasked_data()
{
    // The name typed into the file dialog; the file "old.pdf" already exists.
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("no suffix, No keeps it") << "old" << int(QMessageBox::No) << false;
    QTest::newRow("no suffix, Yes replaces it") << "old" << int(QMessageBox::Yes) << true;
}

void DocumentWindowTest::pdfNeverReplacesAFileUnasked()
{
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(bool, replaced);
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("old.pdf"));
    QFile file(old);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("kept") == 4);
    file.close();
    const auto window = windowWith(twelveLineDocument());
    ModalWatcher watcher{QMessageBox::StandardButton(answer)};
    watcher.onNext([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        QVERIFY(dialog);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(QDir(dir.path()).filePath(typed));
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept(), as its button
    });
    click(child(window.get(), QStringLiteral("ExportPdfButton")));
    QCOMPARE(watcher.seen.size(), size_t(2));  // the file dialog, then the question
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll() != "kept", replaced);
}

void DocumentWindowTest::zoomChangesOnlyTheScreen_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("direction");
    QTest::newRow("放大") << "ZoomInButton" << 1;
    QTest::newRow("Ctrl+plus") << "Ctrl++" << 1;
    QTest::newRow("Ctrl+= (plus without Shift)") << "Ctrl+=" << 1;
    QTest::newRow("Ctrl+wheel up") << "wheel+" << 1;
    QTest::newRow("缩小") << "ZoomOutButton" << -1;
    QTest::newRow("Ctrl+minus") << "Ctrl+-" << -1;
    QTest::newRow("Ctrl+wheel down") << "wheel-" << -1;
}

void DocumentWindowTest::zoomChangesOnlyTheScreen()
{
    QFETCH(QString, how);
    QFETCH(int, direction);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    const auto window = windowWith(twelveLineDocument());
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    window->DocumentText->setFocus();
    const int before = shownEmIfLinesJoin(*window->DocumentText);
    QVERIFY(before > QFontInfo(window->documentFont()).pixelSize());  // opens enlarged
    const QString printedBefore = pdfWordBoxes(*window, dir.filePath(QStringLiteral("a.pdf")));

    if (how.startsWith(QStringLiteral("wheel")))
        ctrlWheel(window->DocumentText->viewport(), direction * 120);
    else if (how.startsWith(QStringLiteral("Ctrl")))
        QTest::keySequence(window.get(), QKeySequence(how));
    else
        click(child(window.get(), how));

    const int after = shownEmIfLinesJoin(*window->DocumentText);
    QVERIFY2(after > 0, "a line's height differs from the em: the rules no longer join");
    QCOMPARE(after > before ? 1 : after < before ? -1 : 0, direction);
    QCOMPARE(window->documentFont().pointSizeF(), printing::kSheetPoints);
    QCOMPARE(pdfWordBoxes(*window, dir.filePath(QStringLiteral("a.pdf"))), printedBefore);
}

void DocumentWindowTest::previewShowsThePages()
{
    const auto window = windowWith(twelveLineDocument());
    ModalWatcher watcher;
    int pages = -1;
    watcher.onNext([&](QWidget* dialog) {
        if (auto* preview = dialog->findChild<QPrintPreviewWidget*>())
            pages = preview->pageCount();
        dialog->close();
    });
    click(child(window.get(), QStringLiteral("PreviewButton")));
    QCOMPARE(watcher.seen.size(), size_t(1));
    QCOMPARE(watcher.seen.front().objectName, QStringLiteral("PrintPreview"));
    QCOMPARE(pages, 1);
}

void DocumentWindowTest::closingAnEditedSheetAsks_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closed");
    for (const char* how : {"title bar", "关闭", "Esc", "main window"}) {
        QTest::addRow("%s, as printed", how) << how << "" << int(QMessageBox::No) << false << true;
        QTest::addRow("%s, edited, No", how) << how << "13800138000" << int(QMessageBox::No) << true << false;
        QTest::addRow("%s, edited, Yes", how) << how << "13800138000" << int(QMessageBox::Yes) << true << true;
    }
}

void DocumentWindowTest::closingAnEditedSheetAsks()
{
    QFETCH(QString, how);
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, closed);
    const bool byMainWindow = how == "main window";
    StartedForm started;
    if (byMainWindow)
        started.start();
    const auto window = windowWith(twelveLineDocument());
    window->show();
    QTest::keyClicks(window->DocumentText, typed);
    const QString text = window->documentText();
    ModalWatcher watcher;
    bool noIsDefault = false;
    if (asked)
        watcher.onNext([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            noIsDefault = box && box->defaultButton() == box->button(QMessageBox::No);
            box->button(QMessageBox::StandardButton(answer))->click();
        });

    if (byMainWindow)
        started.form().close();
    else if (how == "关闭")
        QTest::mouseClick(child(window.get(), QStringLiteral("CloseDocument")), Qt::LeftButton);
    else if (how == "Esc")
        QTest::keyClick(window->DocumentText, Qt::Key_Escape);
    else
        window->close();

    QCOMPARE(watcher.seen.size(), size_t(asked ? 1 : 0));
    QCOMPARE(noIsDefault, asked);
    QCOMPARE(window->isVisible(), !closed);
    if (byMainWindow)
        QCOMPARE(started.form().isVisible(), !closed);
    QCOMPARE(window->documentText(), text);
}

void DocumentWindowTest::opensAsLargeAsTheWidthAllows_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("wide") << 1400;
    QTest::newRow("as on 1366×768") << 960;
    QTest::newRow("as on 1366×768 at 125%") << 768;
    QTest::newRow("narrow") << 400;
}

void DocumentWindowTest::opensAsLargeAsTheWidthAllows()
{
    QFETCH(int, width);
    DocumentWindow window;
    window.resize(width, 600);
    window.show();
    window.setInsertionFontName(printing::kSheetFace);
    window.setInsertionFontSize(printing::kSheetPoints);
    window.insertText(twelveLineDocument());
    QApplication::processEvents();
    const QScrollBar* sideways = window.DocumentText->horizontalScrollBar();
    const double opened = window.zoom();
    QVERIFY2(sideways->maximum() == 0 || opened == 1.0, qPrintable(QString::number(opened)));
    QVERIFY(opened <= 2.0);
    // One step larger would run off the edge, unless it opened at its largest.
    window.zoomIn();
    QApplication::processEvents();
    QVERIFY(opened == 2.0 || sideways->maximum() > 0);
}

QTEST_MAIN(DocumentWindowTest)
#include "tst_document_window.moc"
