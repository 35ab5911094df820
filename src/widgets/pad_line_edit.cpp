#include "widgets/pad_line_edit.h"

#include "widgets/modifier_key.h"

#include <QKeyEvent>
#include <QMouseEvent>

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
    if (!keys::isModifierAlone(event->key()))
        emit keyDown(event->key());
}
