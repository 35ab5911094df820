// Named controls for the windows' layouts, and the modal Yes/No question.
#pragma once

#include "widgets/pad_line_edit.h"

#include <QFont>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

QLabel* makeLabel(const QString& name, const QString& text, const QFont& font, QWidget* parent);
// An on-screen button: it never takes the focus (the active box keeps its caret) and is
// never a default button (a stray Enter presses nothing).
QPushButton* makeButton(const QString& name, const QString& text, const QFont& font,
                        QWidget* parent);

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

// A modal Yes/No question named `name`, in the large type of every question (see
// large_type.h); true when Yes is chosen.
// `yesIsDefault` says which answer Enter gives.
bool askYesNo(QWidget* parent, const QString& name, const QString& title, const QString& text,
              bool yesIsDefault);
