// A document of the order sheet: an editable text in the sheet's font that prints on the
// default printer, through the print dialog (Ctrl+P), or into a PDF file to be printed
// elsewhere. It stays open above the main window, without holding it, until the user
// closes it ("关闭", Esc or the title bar; an edited sheet asks first). The screen shows
// the sheet enlarged, as far as its width fits the window until the user zooms (Ctrl +
// wheel, Ctrl + plus / minus or the two large buttons); the print keeps the sheet's own size.
#pragma once

#include <QFont>
#include <QMainWindow>
#include <QString>

class QLabel;
class QPrinter;
class QPushButton;
class QTextEdit;

class DocumentWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit DocumentWindow(QWidget* parent = nullptr);

    // The face a sheet font name is set in: "黑体" becomes a face whose box-drawing
    // characters are exactly two digits wide, so the sheet's columns line up.
    static QString sheetFamily(const QString& face);

    // Settings at the insertion point, for the text inserted next.
    void setInsertionFontName(const QString& face);
    void setInsertionFontSize(double points);
    void setInsertionAlignment(Qt::Alignment alignment);
    // Inserts text with CR LF line breaks at the insertion point, then puts the caret at
    // the start of the document.
    void insertText(const QString& text);
    // Empties the window for the next sheet; an edited sheet is replaced only after a Yes.
    // False when the user keeps it.
    bool startNewSheet();

    // The document's text with CR LF line breaks.
    QString documentText() const;
    // The font the document is set and printed in.
    QFont documentFont() const { return m_font; }

    // Prints on the default printer; without one, says so in the status bar.
    bool printToDefaultPrinter();
    // The print dialog (Ctrl+P): choose a printer or a file, then print.
    void showPrintDialog();
    // Writes the document as a PDF file; false when the file could not be written.
    bool exportPdf(const QString& filePath);
    // Asks for a file name, then exports.
    void chooseAndExportPdf();
    // The sheet's pages as the printer would print them.
    void showPreview();

    // How many times its printed size the sheet is shown.
    double zoom() const;
    void zoomIn();
    void zoomOut();

    // The text differs from what the program put into the document.
    bool editedSinceShown() const;

    QTextEdit* DocumentText = nullptr;
    QLabel* statusText = nullptr;

protected:
    // An edited sheet is closed only after a Yes.
    void closeEvent(QCloseEvent* event) override;
    // Ctrl + wheel on the text zooms; the text's width chooses the zoom until then.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Esc closes the window as its close button does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void addShortcuts();
    // Sets the whole text at the zoomed size, lines one zoomed em high.
    void applyZoom();
    // The largest zoom up to the opening one at which the sheet's widest line fits.
    int fittingZoomStep() const;
    // Until the user zooms, the sheet follows the width of the window.
    void followWidth();
    void zoomBy(int steps);
    bool confirmDiscardEdits();
    // Prints on a prepared printer and reports the outcome (one log line per request).
    bool printOn(QPrinter& printer, const QString& printerName);
    void showStatus(const QString& text);
    // One log line and the status for a sheet a printer took.
    void reportPrinted(const QString& printerName);
    QFont m_font;
    QString m_shownText;
    int m_zoomStep;
    bool m_zoomChosen = false;  // the user zoomed: the width no longer chooses
    double m_widestLine = 0;    // the sheet's widest line at its printed size, in pixels
    QPushButton* m_printButton = nullptr;
    QPushButton* m_dialogButton = nullptr;
    QPushButton* m_pdfButton = nullptr;
    QPushButton* m_previewButton = nullptr;
    QPushButton* m_zoomInButton = nullptr;
    QPushButton* m_zoomOutButton = nullptr;
    QPushButton* m_closeButton = nullptr;
};
