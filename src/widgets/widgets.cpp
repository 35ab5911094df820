#include "widgets/widgets.h"

#include "widgets/background_document.h"
#include "widgets/fonts.h"
#include "widgets/large_type.h"
#include "tickets/line_diff.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

QString toWidgetText(const QString& crlf, bool* wasCrLf)
{
    // One pass: each CR LF, lone CR or lone LF becomes one "\n".
    QString text(crlf.size(), Qt::Uninitialized);
    QChar* out = text.data();
    bool canonical = true;
    const qsizetype n = crlf.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = crlf[i];
        if (c == QLatin1Char('\r')) {
            *out++ = QLatin1Char('\n');
            if (i + 1 < n && crlf[i + 1] == QLatin1Char('\n'))
                ++i;
            else
                canonical = false;
        } else {
            if (c == QLatin1Char('\n'))
                canonical = false;
            *out++ = c;
        }
    }
    text.truncate(out - text.constData());
    if (wasCrLf)
        *wasCrLf = canonical;
    return text;
}

QString fromWidgetText(const QString& widget)
{
    QString text = widget;
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

QLabel* makeLabel(const QString& name, const QString& text, const QFont& font, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    return label;
}

DigitPad makeDigitPad(QWidget* parent)
{
    DigitPad pad;
    pad.frame = new QFrame(parent);
    pad.frame->setObjectName(QStringLiteral("Frame1"));
    pad.frame->setFrameShape(QFrame::StyledPanel);
    const QFont digitFont = fonts::font(fonts::kHei, 26, true);
    auto* row = new QHBoxLayout(pad.frame);
    row->setContentsMargins(6, 6, 6, 6);
    row->setSpacing(4);
    for (int k = 0; k <= 9; ++k) {
        pad.digits[k] = makeButton(QStringLiteral("Command3(%1)").arg(k), QString::number(k),
                                   digitFont, pad.frame);
        pad.digits[k]->setMinimumSize(fonts::px(64), fonts::px(60));
        row->addWidget(pad.digits[k]);
    }
    pad.erase = makeButton(QStringLiteral("Command4"), QStringLiteral("←"),
                           fonts::font(fonts::kLi, 30, true), pad.frame);
    pad.erase->setMinimumSize(fonts::px(96), fonts::px(60));
    row->addSpacing(8);
    row->addWidget(pad.erase);
    return pad;
}

void enableDigitButtons(const std::array<QPushButton*, 10>& buttons,
                        const tickets::DigitSet& digits)
{
    for (int d = 0; d <= 9; ++d)
        buttons[d]->setEnabled(digits.test(d));
}

void shapeField(QLineEdit* field, const QString& name, const QFont& font, int digits, int margin)
{
    field->setObjectName(name);
    field->setFont(font);
    if (digits <= 0)
        return;
    field->setAlignment(Qt::AlignCenter);
    // Never narrower than a fingertip, however few digits it holds.
    field->setFixedWidth(std::max(QFontMetrics(font).horizontalAdvance(QString(digits, QLatin1Char('0')))
                                      + fonts::px(margin),
                                  fonts::px(largeType::kSmallestTap)));
}

bool askYesNo(QWidget* parent, const QString& name, const QString& title, const QString& text,
              bool yesIsDefault)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(name);
    box.setDefaultButton(yesIsDefault ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QPushButton* makeButton(const QString& name, const QString& text, const QFont& font,
                        QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFont(font);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    return button;
}

namespace {
// A modifier pressed alone types nothing (Shift also switches the input method), so the
// boxes that answer key presses let it pass without a word.
bool isModifierAlone(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        return true;
    default:
        return false;
    }
}

// Length a CR LF text has in the widget, where each CR LF is one character.
int widgetLengthOf(const QString& crlf)
{
    return crlf.size() - crlf.count(QStringLiteral("\r\n"));
}
}  // namespace

// ---- PadLineEdit ----

PadLineEdit::PadLineEdit(QWidget* parent) : QLineEdit(parent)
{
    setReadOnly(true);
}

void PadLineEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

void PadLineEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

void PadLineEdit::keyPressEvent(QKeyEvent* event)
{
    if (!isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!isModifierAlone(event->key()))
        emit keyDown(event->key());
}

// ---- TicketBox ----

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
    if (!isModifierAlone(event->key()))
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

// ---- SecondaryWindow ----

SecondaryWindow::SecondaryWindow(QWidget* parent) : QDialog(parent)
{
    setModal(true);
}

void SecondaryWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    onCloseButton();
    hide();
    m_unloaded = true;
    deleteLater();
}

void SecondaryWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}
