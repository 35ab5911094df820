// Widgets shared by the windows: boxes that report clicks and key presses instead of
// taking typed text, the large ticket box that edits only what changed, and the base of
// the secondary windows (hidden keeps them, the close button unloads them).
#pragma once

#include "tickets/digit_set.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <array>

// A single-line box filled by on-screen buttons. While read-only, a key press is
// reported (a modifier key alone is not) and never changes the text.
class PadLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit PadLineEdit(QWidget* parent = nullptr);

signals:
    void clicked();
    void doubleClicked();
    void keyDown(int key);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

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

// The base of the secondary windows. exec() shows it modally; hide() keeps it loaded;
// the close button hides it and then deletes it (unloads), so its load step runs again
// at the next use.
class SecondaryWindow : public QDialog {
    Q_OBJECT
public:
    explicit SecondaryWindow(QWidget* parent = nullptr);

    // Closed by its close button: it only waits to be deleted and must not be used again.
    bool isUnloaded() const { return m_unloaded; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // Esc unloads like the close button (never leaves a half-set window loaded).
    void keyPressEvent(QKeyEvent* event) override;
    // Called by the close button before the window is unloaded.
    virtual void onCloseButton() {}

private:
    bool m_unloaded = false;
};

// A modal Yes/No question named `name`, in the large type of every question (see
// large_type.h); true when Yes is chosen.
// `yesIsDefault` says which answer Enter gives.
bool askYesNo(QWidget* parent, const QString& name, const QString& title, const QString& text,
              bool yesIsDefault);

// Named controls for the windows' layouts.
QLabel* makeLabel(const QString& name, const QString& text, const QFont& font, QWidget* parent);
// An on-screen button: it never takes the focus (the active box keeps its caret) and is
// never a default button (a stray Enter presses nothing).
QPushButton* makeButton(const QString& name, const QString& text, const QFont& font,
                        QWidget* parent);

// The on-screen digit pad of the windows that take numbers: a frame named "Frame1" with
// the buttons "Command3(0)" … "Command3(9)" in a row and the delete key "Command4" ("←").
struct DigitPad {
    QFrame* frame = nullptr;
    std::array<QPushButton*, 10> digits{};
    QPushButton* erase = nullptr;
};
DigitPad makeDigitPad(QWidget* parent);

// Enables the buttons of a digit pad (digit 0 first) that `digits` offers.
void enableDigitButtons(const std::array<QPushButton*, 10>& buttons,
                        const tickets::DigitSet& digits);

// A single-line field named `name` in `font`: a PadLineEdit (filled by on-screen buttons)
// unless another QLineEdit type is asked for. With `digits` > 0 the text is centred and
// the width fixed to that many digits plus `margin` design pixels.
void shapeField(QLineEdit* field, const QString& name, const QFont& font, int digits, int margin);
template <class Field = PadLineEdit>
Field* makeField(const QString& name, const QFont& font, QWidget* parent, int digits = 0,
                 int margin = 0)
{
    auto* field = new Field(parent);
    shapeField(field, name, font, digits, margin);
    return field;
}

// Conversions between the logic's CR LF text and a widget's "\n" text. A lone CR or LF
// is a line break too; wasCrLf tells whether the text had CR LF breaks only.
QString toWidgetText(const QString& crlf, bool* wasCrLf = nullptr);
QString fromWidgetText(const QString& widget);
