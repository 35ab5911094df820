#include "widgets/ticket_box.h"

#include "tickets/line_diff.h"
#include "widgets/background_document.h"
#include "widgets/modifier_key.h"
#include "widgets/widget_text.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextCursor>
#include <algorithm>

namespace {
// Length a CR LF text has in the widget, where each CR LF is one character.
int widgetLengthOf(const QString& crlf)
{
    return crlf.size() - crlf.count(QStringLiteral("\r\n"));
}
}  // namespace

TicketBox::TicketBox(QWidget* parent) : QPlainTextEdit(parent)
{
    setUndoRedoEnabled(false);
    setLocked(true);
    watchDocument();
}

void TicketBox::watchDocument()
{
    connect(document(), &QTextDocument::contentsChange, this, [this] {
        if (!m_ownEdit)
            m_cacheValid = false;
    });
}

void TicketBox::adoptDocument(QTextDocument* document, const QString& crlfText)
{
    if (document->defaultFont() != font())
        document->setDefaultFont(font());
    replaceDocument(this, document);
    watchDocument();
    setUndoRedoEnabled(!m_locked);
    m_cache = crlfText;
    m_cacheValid = true;
    emit documentReplaced();
}

const QString& TicketBox::crlfText() const
{
    if (!m_cacheValid) {
        m_cache = fromWidgetText(toPlainText());
        m_cacheValid = true;
    }
    return m_cache;
}

int TicketBox::widgetLength() const
{
    return document()->characterCount() - 1;
}

void TicketBox::replaceTail(int widgetFrom, const QString& widgetText)
{
    m_ownEdit = true;
    QTextCursor cursor(document());
    cursor.setPosition(widgetFrom);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    if (widgetText.isEmpty())
        cursor.removeSelectedText();
    else
        cursor.insertText(widgetText);
    m_ownEdit = false;
}

bool TicketBox::editChangedLines(const QString& oldWidgetText, const QString& widgetText)
{
    // Past a quarter of the text changed, building every line anew is the cheaper way.
    const std::optional<std::vector<lines::TextEdit>> edits =
        lines::lineDiff(oldWidgetText, widgetText, widgetText.size() / 4);
    if (!edits)
        return false;
    m_ownEdit = true;
    QTextCursor cursor(document());
    cursor.beginEditBlock();  // one change for the layout and the listeners
    for (const lines::TextEdit& edit : *edits) {
        cursor.setPosition(int(edit.position));
        cursor.setPosition(int(edit.position + edit.removed), QTextCursor::KeepAnchor);
        if (edit.inserted.isEmpty())
            cursor.removeSelectedText();
        else
            cursor.insertText(edit.inserted);
    }
    cursor.endEditBlock();
    m_ownEdit = false;
    return true;
}

void TicketBox::setCrlfText(const QString& text)
{
    const QString& old = crlfText();
    const int common = std::min(old.size(), text.size());
    int prefix = int(std::mismatch(old.cbegin(), old.cbegin() + common, text.cbegin()).first
                     - old.cbegin());
    // Never cut a CR LF pair in two.
    if (prefix > 0 && old[prefix - 1] == QLatin1Char('\r'))
        --prefix;
    if (prefix == old.size() && prefix == text.size())
        return;
    // When most of a large text changes, edits of the lines that changed, or one full
    // replacement, are cheaper than a tail edit.
    if (prefix <= old.size() / 2 && text.size() > 4096) {
        bool wasCrLf = true;
        const QString widgetText = toWidgetText(text, &wasCrLf);
        if (!editChangedLines(toWidgetText(old), widgetText)) {
            m_ownEdit = true;
            setPlainText(widgetText);
            m_ownEdit = false;
        }
        m_cache = wasCrLf ? text : fromWidgetText(widgetText);
        m_cacheValid = true;
        return;
    }
    const QString oldTail = old.mid(prefix);
    bool tailWasCrLf = true;
    const QString newTail = toWidgetText(text.mid(prefix), &tailWasCrLf);
    const int from = widgetLength() - widgetLengthOf(oldTail);
    // A text with lone CR or LF is cached as the widget will give it back.
    QString cache = tailWasCrLf ? text : old.left(prefix) + fromWidgetText(newTail);
    replaceTail(from, newTail);
    m_cache = std::move(cache);
    m_cacheValid = true;
}

void TicketBox::appendCrlf(const QString& tail)
{
    setCrlfText(crlfText() + tail);
}

void TicketBox::setCaretFromEnd(int k)
{
    const QString& text = crlfText();
    const int from = std::clamp(int(text.size()) - k, 0, int(text.size()));
    const int position = std::max(0, widgetLength() - widgetLengthOf(text.mid(from)));
    QTextCursor cursor = textCursor();
    cursor.setPosition(position);
    setTextCursor(cursor);
}

void TicketBox::setLocked(bool locked)
{
    m_locked = locked;
    setReadOnly(locked);
    // A locked box still shows where the next number goes.
    setTextInteractionFlags(locked ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                   : Qt::TextEditorInteraction);
    setUndoRedoEnabled(!locked);
}

void TicketBox::keyPressEvent(QKeyEvent* event)
{
    if (!m_locked) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!keys::isModifierAlone(event->key()))
        emit keyDown(event->key());
}

void TicketBox::mouseReleaseEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

void TicketBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}
