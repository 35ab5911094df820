#include "printing/word_processor_ui.h"

#include "printing/document_window.h"
#include "printing/order_sheet.h"

#include <QPointer>

Q_LOGGING_CATEGORY(lottoPrint, "lotto.print")

namespace printing {

namespace {

// The one document window: each print puts its sheet there (an edited sheet is replaced
// only after a Yes) and the window stays open for editing and printing by hand.
class DocumentWindowProcessor final : public WordProcessor {
public:
    void setOwner(QWidget* owner) { m_owner = owner; }

    void openVisible() override {}

    bool newDocument() override
    {
        if (m_document && m_document->parentWidget() != m_owner)
            m_document->close();  // belongs to another main window
        if (m_document && m_document->isVisible()) {
            if (!m_document->startNewSheet())
                return false;
        } else {
            delete m_document;
            m_document = new DocumentWindow(m_owner);
            m_document->setAttribute(Qt::WA_DeleteOnClose);
        }
        m_document->show();
        m_document->raise();
        m_document->activateWindow();
        return true;
    }

    void setFontName(const QString& face) override
    {
        if (m_document)
            m_document->setInsertionFontName(face);
    }

    void setFontSize(double points) override
    {
        if (m_document)
            m_document->setInsertionFontSize(points);
    }

    void setLeftAlignment() override
    {
        if (m_document)
            m_document->setInsertionAlignment(Qt::AlignLeft);
    }

    void insertText(const QString& text) override
    {
        if (m_document)
            m_document->insertText(text);
    }

    void setCaption(const QString& caption) override
    {
        if (m_document)
            m_document->setWindowTitle(caption);
    }

    bool printDocument() override
    {
        return m_document && m_document->printToDefaultPrinter();
    }

private:
    QPointer<QWidget> m_owner;
    QPointer<DocumentWindow> m_document;
};

WordProcessor*& installed()
{
    static WordProcessor* processor = nullptr;
    return processor;
}

}  // namespace

void setWordProcessor(WordProcessor* processor)
{
    installed() = processor;
}

WordProcessor& wordProcessor(QWidget* owner)
{
    static DocumentWindowProcessor documentWindow;
    if (installed())
        return *installed();
    documentWindow.setOwner(owner);
    return documentWindow;
}

HandOver handOver(WordProcessor& processor, const QString& documentText)
{
    processor.openVisible();
    if (!processor.newDocument())
        return HandOver::Kept;
    processor.setFontName(kSheetFace);
    processor.setFontSize(kSheetPoints);
    processor.setLeftAlignment();
    processor.insertText(documentText);
    processor.setCaption(kDocumentCaption);
    return processor.printDocument() ? HandOver::Printed : HandOver::NoPrinter;
}

}  // namespace printing
