#include "printing/word_processor.h"

#include "printing/document_window.h"
#include "printing/order_sheet.h"

#include <QPointer>

Q_LOGGING_CATEGORY(lottoPrint, "lotto.print")

namespace printing {

namespace {

// Each new document is a window of its own that stays open for editing and printing
// by hand; the operations act on the latest one.
class DocumentWindowProcessor final : public WordProcessor {
public:
    void openVisible() override {}

    void newDocument() override
    {
        m_document = new DocumentWindow;
        m_document->setAttribute(Qt::WA_DeleteOnClose);
        m_document->show();
        m_document->raise();
        m_document->activateWindow();
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

WordProcessor& wordProcessor()
{
    static DocumentWindowProcessor documentWindows;
    return installed() ? *installed() : documentWindows;
}

bool handOver(WordProcessor& processor, const QString& documentText)
{
    processor.openVisible();
    processor.newDocument();
    processor.setFontName(kSheetFace);
    processor.setFontSize(kSheetPoints);
    processor.setLeftAlignment();
    processor.insertText(documentText);
    processor.setCaption(kDocumentCaption);
    return processor.printDocument();
}

}  // namespace printing
