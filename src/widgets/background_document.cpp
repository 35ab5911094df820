#include "widgets/background_document.h"

#include <QMutex>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextDocument>
#include <QThread>

namespace {

// The text's blocks without a document layout: a document layout lays out (shapes) text
// as it changes, which must happen on the thread that paints it, since font engines
// belong to the thread that loaded them.
QTextDocument* unlaidDocument(const QString& widgetText, const QFont& font)
{
    auto* document = new QTextDocument;
    document->setUndoRedoEnabled(false);
    document->setDefaultFont(font);
    document->setPlainText(widgetText);
    return document;
}

QTextDocument* withPlainLayout(QTextDocument* document)
{
    document->setDocumentLayout(new QPlainTextDocumentLayout(document));
    return document;
}

}  // namespace

QTextDocument* makePlainDocument(const QString& widgetText, const QFont& font)
{
    return withPlainLayout(unlaidDocument(widgetText, font));
}

void replaceDocument(QPlainTextEdit* edit, QTextDocument* document)
{
    const QPointer<QTextDocument> old = edit->document();
    document->setParent(edit);
    edit->setDocument(document);  // deletes the edit's own first document
    delete old;
}

struct BackgroundDocument::State {
    QMutex mutex;
    bool abandoned = false;
    QTextDocument* document = nullptr;  // in the starting thread once set
};

BackgroundDocument::BackgroundDocument(std::function<QString()> makeText, const QFont& font,
                                       QObject* parent)
    : QObject(parent), m_state(std::make_shared<State>())
{
    QThread* home = QThread::currentThread();
    m_thread = QThread::create([state = m_state, makeText = std::move(makeText), font, home] {
        QTextDocument* document = unlaidDocument(makeText(), font);
        QMutexLocker lock(&state->mutex);
        if (state->abandoned) {
            delete document;
            return;
        }
        document->moveToThread(home);
        state->document = document;
    });
    connect(m_thread, &QThread::finished, this, &BackgroundDocument::ready);
    m_thread->start();
}

BackgroundDocument::~BackgroundDocument()
{
    {
        QMutexLocker lock(&m_state->mutex);
        m_state->abandoned = true;
        delete std::exchange(m_state->document, nullptr);
    }
    // A finished thread goes now; a running one is left to end on its own and then
    // deleted by the event loop.
    connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    if (m_thread->wait(QDeadlineTimer(0)))
        delete m_thread;
}

bool BackgroundDocument::waitForDocument(int ms)
{
    m_thread->wait(QDeadlineTimer(ms));
    QMutexLocker lock(&m_state->mutex);
    return m_state->document != nullptr;
}

QTextDocument* BackgroundDocument::takeDocument()
{
    QMutexLocker lock(&m_state->mutex);
    QTextDocument* document = std::exchange(m_state->document, nullptr);
    return document ? withPlainLayout(document) : nullptr;
}
