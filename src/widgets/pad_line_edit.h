// A single-line box filled by on-screen buttons.
#pragma once

#include <QLineEdit>

// While read-only, a key press is reported (a modifier key alone is not) and never
// changes the text.
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
