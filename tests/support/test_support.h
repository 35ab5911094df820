// Helpers for the GUI tests: a recorder for the sound cues, a temporary application
// folder, and a watcher that answers modal windows so that no test hangs on one.
#pragma once

#include "messages/sound_cues_ui.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>

class Form1;

// Records every cue instead of playing it, as its literal ("\sound\…mp3").
class CueRecorder final : public cues::Player {
public:
    CueRecorder();
    ~CueRecorder() override;
    void play(const QString& filePath) override;
    QStringList played;  // literals, in order
};

// A temporary application folder.
class TestFolder {
public:
    TestFolder();
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const;
    // Writes the text as it stands (no line end added), UTF-8.
    void write(const QString& name, const QString& text) const;
    QString read(const QString& name) const;
    bool exists(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

// A main window started in a temporary application folder of its own, its cues recorded.
// Write the files the start-up should find into `folder`, then start(). When it goes,
// the ticket box counts as saved first, so that no exit question waits.
class StartedForm {
public:
    StartedForm();
    ~StartedForm();
    // Creates Form1 in the folder (its start-up runs) and shows it.
    Form1& start();
    Form1& form() const { return *m_form; }

    TestFolder folder;
    CueRecorder cues;

private:
    std::unique_ptr<Form1> m_form;
};

// Hides every message window as soon as it shows (installed as the application's event
// filter), so that a click runs to its end; for benchmarks, where a watcher's polling
// would be measured.
class MessageDismisser : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// What the watcher saw of one modal window.
struct SeenModal {
    QString objectName;
    QString title;
    QString text;  // a message box's text, the message window's text (CR LF breaks)
};

// Polls for the active modal window and dismisses it: the message window is hidden,
// a message box is answered with `answer`; a queued action, if any, handles the next one.
class ModalWatcher : public QObject {
    Q_OBJECT
public:
    explicit ModalWatcher(QMessageBox::StandardButton answer = QMessageBox::Yes);
    ~ModalWatcher() override;

    QMessageBox::StandardButton answer;
    std::vector<SeenModal> seen;

    // The next modal window goes to this action instead (it must hide or close it).
    void onNext(std::function<void(QWidget*)> action);
    // The texts of the message-window messages seen, in order.
    QStringList messages() const;
    void clear() { seen.clear(); }

private:
    void poll();
    QTimer m_timer;
    std::deque<std::function<void(QWidget*)>> m_actions;
    QSet<QWidget*> m_busy;  // windows whose handling has not finished yet
};

// Finds a named child, or the root itself by its name; a missing one fails the test.
QWidget* child(QWidget* root, const QString& name);

// A left click where a user's click lands (the viewport of a text area).
void click(QWidget* widget);
void doubleClick(QWidget* widget);
// Triggers a named menu entry of a window; a missing one fails the test.
void trigger(QWidget* root, const QString& actionName);

// Presses number button i of the main window.
void pressNumber(Form1& form, int i);

// What a child program printed on a screen of `pixels` device pixels shown at `factor`
// (Qt's offscreen platform with that screen, QT_SCALE_FACTOR); `failure` says why it
// printed nothing. The child is killed after a minute.
struct OnScreenRun {
    QString output;
    QString failure;
};
OnScreenRun runOnScreen(const QString& program, const QStringList& arguments, const QSize& pixels,
                        double factor);
