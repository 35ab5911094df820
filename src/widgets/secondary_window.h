// The base of the secondary windows.
#pragma once

#include <QDialog>

// exec() shows it modally; hide() keeps it loaded; the close button hides it and then
// deletes it (unloads), so its load step runs again at the next use.
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
