// The word processor that shows and prints the order sheet: the few operations the print
// asks of it, in the order it asks them. The program's own document window implements
// them; tests install a recorder. Only the results are used: whether the user let the
// sheet on screen be replaced, and whether a printer took the new one.
#pragma once

#include <QLoggingCategory>
#include <QString>

class QWidget;

Q_DECLARE_LOGGING_CATEGORY(lottoPrint)

namespace printing {

class WordProcessor {
public:
    virtual ~WordProcessor() = default;
    // Starts (or reaches) a visible instance.
    virtual void openVisible() = 0;
    // A new, empty document; the following operations act on it. False when the user
    // chose to keep the document on screen (an edited sheet): nothing more is done.
    virtual bool newDocument() = 0;
    // Font and paragraph settings at the insertion point.
    virtual void setFontName(const QString& face) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setLeftAlignment() = 0;
    // Inserts text (CR LF line breaks) at the insertion point.
    virtual void insertText(const QString& text) = 0;
    virtual void setCaption(const QString& caption) = 0;
    // Prints the document on the default printer with default settings; false when no
    // printer took it.
    virtual bool printDocument() = 0;
};

// Replaces the word processor for the whole program (tests install a recorder);
// nullptr restores the document window. The caller keeps ownership.
void setWordProcessor(WordProcessor* processor);
// The installed word processor, or the document window, which stays above `owner`.
WordProcessor& wordProcessor(QWidget* owner = nullptr);

enum class HandOver {
    Printed,    // a printer took the sheet
    NoPrinter,  // the sheet is on screen, no printer took it
    Kept,       // the user kept the edited sheet on screen; nothing was handed over
};

// Hands a document text over: a new document in the sheet's font and size, left aligned,
// the text, the caption, then a print.
HandOver handOver(WordProcessor& processor, const QString& documentText);

}  // namespace printing
