// Documents of large plain texts, built on a worker thread. Building the blocks of tens
// of thousands of lines costs a tenth of a second or more; a window should not spend that
// while the user waits for it, and other work can go on meanwhile.
#pragma once

#include <QFont>
#include <QObject>
#include <functional>
#include <memory>

class QPlainTextEdit;
class QTextDocument;
class QThread;

class BackgroundDocument : public QObject {
    Q_OBJECT
public:
    // Starts the work: `makeText` runs on the worker thread and returns the text ("\n"
    // between lines); the document gets `font` as its default font.
    BackgroundDocument(std::function<QString()> makeText, const QFont& font,
                       QObject* parent = nullptr);
    // An unfinished build is abandoned: its thread ends on its own and drops the document.
    ~BackgroundDocument() override;

    // Waits up to `ms` milliseconds for the document; true when it is ready.
    bool waitForDocument(int ms);
    // The finished document, owned by the caller and living in the caller's thread, ready
    // for a QPlainTextEdit; nullptr when it is not finished (or was taken already).
    QTextDocument* takeDocument();

signals:
    // The document is ready (delivered in the thread that started the work).
    void ready();

private:
    struct State;
    std::shared_ptr<State> m_state;  // shared with the worker, which may outlive this
    QThread* m_thread = nullptr;
};

// A plain-text document for a QPlainTextEdit, living in the calling thread.
QTextDocument* makePlainDocument(const QString& widgetText, const QFont& font);

// Puts `document` into `edit`, which takes it over, and deletes the document it showed.
void replaceDocument(QPlainTextEdit* edit, QTextDocument* document);
