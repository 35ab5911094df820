#include "widgets/background_document.h"

#include <QMutex>
#include <QPointer>
#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QThread>

namespace {

// Below this many blocks a document is deleted at once: a worker would cost more.
constexpr int kRetireAtOnceBlocks = 2000;

// A thread that runs `work` once started and deletes itself when done.
QThread* detachedThread(std::function<void()> work)
{
    QThread* thread = QThread::create(std::move(work));
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    return thread;
}

}  // namespace

QTextDocument* makePlainDocument(const QString& widgetText, const QFont& font)
{
    auto* document = new QTextDocument;
    document->setDocumentLayout(new QPlainTextDocumentLayout(document));
    document->setUndoRedoEnabled(false);
    document->setDefaultFont(font);
    document->setPlainText(widgetText);
    for (QTextBlock block = document->firstBlock(); block.isValid(); block = block.next())
        block.layout();
    return document;
}

void retireDocument(QTextDocument* document)
{
    if (!document)
        return;
    if (document->blockCount() < kRetireAtOnceBlocks) {
        delete document;
        return;
    }
    document->setParent(nullptr);
    document->moveToThread(nullptr);  // no thread's events reach it any more
    detachedThread([document] { delete document; })->start();
}

struct BackgroundDocument::State {
    QMutex mutex;
    bool abandoned = false;
    QTextDocument* document = nullptr;  // in the starting thread once set
    QPointer<QThread> thread;  // null once the finished thread deleted itself
};

BackgroundDocument::BackgroundDocument(std::function<QString()> makeText, const QFont& font,
                                       QObject* parent)
    : QObject(parent), m_state(std::make_shared<State>())
{
    QThread* home = QThread::currentThread();
    m_state->thread = detachedThread([state = m_state, makeText = std::move(makeText), font, home] {
        QTextDocument* document = makePlainDocument(makeText(), font);
        QMutexLocker lock(&state->mutex);
        if (state->abandoned) {
            delete document;
            return;
        }
        document->moveToThread(home);
        state->document = document;
    });
    connect(m_state->thread, &QThread::finished, this, &BackgroundDocument::ready);
    m_state->thread->start();
}

BackgroundDocument::~BackgroundDocument()
{
    QMutexLocker lock(&m_state->mutex);
    m_state->abandoned = true;
    QTextDocument* unused = std::exchange(m_state->document, nullptr);
    lock.unlock();
    retireDocument(unused);
}

bool BackgroundDocument::waitForDocument(int ms)
{
    {
        QMutexLocker lock(&m_state->mutex);
        if (m_state->document)
            return true;
    }
    if (m_state->thread)
        m_state->thread->wait(QDeadlineTimer(ms));
    QMutexLocker lock(&m_state->mutex);
    return m_state->document != nullptr;
}

QTextDocument* BackgroundDocument::takeDocument()
{
    QMutexLocker lock(&m_state->mutex);
    return std::exchange(m_state->document, nullptr);
}
