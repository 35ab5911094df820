#include "widgets/secondary_window.h"

#include <QCloseEvent>
#include <QKeyEvent>

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
