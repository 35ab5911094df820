// The large ticket box, which edits only what changed.
#pragma once

#include <QPlainTextEdit>

// The ticket box. Its logic text uses CR LF between lines; the widget keeps one "\n".
// The CR LF text is cached and follows every change of the document, and a new text is
// applied by editing only the tail that differs, so a press costs the same whatever
// the box holds.
class TicketBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TicketBox(QWidget* parent = nullptr);

    // The box's text with CR LF line breaks.
    const QString& crlfText() const;
    // Replaces the text, editing only the part after the common prefix.
    void setCrlfText(const QString& text);
    // Appends to the end of the text.
    void appendCrlf(const QString& tail);
    // Shows `document` (made for a QPlainTextEdit, holding `crlfText` in widget form)
    // instead of the current one, which is deleted.
    void adoptDocument(QTextDocument* document, const QString& crlfText);

    // The caret at (CR LF text length − k), clamped to the text; k counts CR LF as two.
    void setCaretFromEnd(int k);

    // Locked: no typing; clicks and key presses (but a modifier key alone) are reported
    // (the normal state).
    void setLocked(bool locked);
    bool isLocked() const { return m_locked; }

    // Room on the left of the text for a margin widget.
    void setLeftMargin(int width) { setViewportMargins(width, 0, 0, 0); }

signals:
    void clicked();
    void doubleClicked();
    void keyDown(int key);
    // The box shows another document object (its text may be the same).
    void documentReplaced();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Follows changes of the document that are not the box's own edits.
    void watchDocument();
    int widgetLength() const;
    void replaceTail(int widgetFrom, const QString& widgetText);
    // Edits only the lines that differ; false (nothing done) when too much differs.
    bool editChangedLines(const QString& oldWidgetText, const QString& widgetText);

    bool m_locked = true;
    bool m_ownEdit = false;
    mutable bool m_cacheValid = true;
    mutable QString m_cache;
};
