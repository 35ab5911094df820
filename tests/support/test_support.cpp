#include "support/test_support.h"

#include "app/main_window.h"
#include "messages/message_window.h"
#include "tickets/ticket_text.h"
#include "widgets/ticket_box.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <stdexcept>

CueRecorder::CueRecorder() { cues::setPlayer(this); }
CueRecorder::~CueRecorder() { cues::setPlayer(nullptr); }

void CueRecorder::play(const QString& filePath)
{
    played << QStringLiteral("\\sound\\") + QFileInfo(filePath).fileName();
}

TestFolder::TestFolder() = default;

QString TestFolder::filePath(const QString& name) const
{
    return QDir(m_dir.path()).filePath(name);
}

void TestFolder::write(const QString& name, const QString& text) const
{
    QFile file(filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(text.toUtf8());
}

QString TestFolder::read(const QString& name) const
{
    QFile file(filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

bool TestFolder::exists(const QString& name) const
{
    return QFile::exists(filePath(name));
}

StartedForm::StartedForm() = default;

StartedForm::~StartedForm()
{
    if (m_form)
        m_form->SaveOK = tickets::removeMarkers(m_form->Text88->crlfText());
}

Form1& StartedForm::start()
{
    m_form = std::make_unique<Form1>(folder.path());
    m_form->show();
    return *m_form;
}

bool MessageDismisser::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show)
        if (auto* w = qobject_cast<ShowText1*>(watched))
            QTimer::singleShot(0, w, &QWidget::hide);
    return false;
}

ModalWatcher::ModalWatcher(QMessageBox::StandardButton a) : answer(a)
{
    connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::poll);
    m_timer.start(10);
}

ModalWatcher::~ModalWatcher() = default;

void ModalWatcher::onNext(std::function<void(QWidget*)> action)
{
    m_actions.push_back(std::move(action));
}

QStringList ModalWatcher::messages() const
{
    QStringList out;
    for (const SeenModal& s : seen)
        if (s.objectName == QLatin1String("ShowText1"))
            out << s.text;
    return out;
}

void ModalWatcher::poll()
{
    QWidget* w = QApplication::activeModalWidget();
    if (!w || !w->isVisible() || m_busy.contains(w))
        return;
    m_busy.insert(w);
    SeenModal s{w->objectName(), w->windowTitle(), QString()};
    if (auto* box = qobject_cast<QMessageBox*>(w))
        s.text = box->text();
    else if (auto* msg = qobject_cast<ShowText1*>(w))
        s.text = msg->Text1->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    seen.push_back(s);
    if (!m_actions.empty()) {
        // The action runs from its own timer event, so that a modal window it opens in turn
        // is answered by the next poll.
        auto action = std::move(m_actions.front());
        m_actions.pop_front();
        QPointer<QWidget> target = w;
        QWidget* key = w;
        QTimer::singleShot(0, this, [this, action = std::move(action), target, key] {
            if (target)
                action(target);
            m_busy.remove(key);
        });
        return;
    } else if (auto* box = qobject_cast<QMessageBox*>(w)) {
        if (QAbstractButton* b = box->button(answer))
            b->click();
        else
            box->reject();
    } else {
        w->hide();
    }
    m_busy.remove(w);
}

// Fails the running test where a named control is missing, instead of letting it go
// on to a null pointer: the failure is recorded with the name, and the throw ends the test.
[[noreturn]] static void failMissing(const char* kind, const QString& name)
{
    const QByteArray message = QByteArray("no ") + kind + " named " + name.toUtf8();
    QTest::qFail(message.constData(), __FILE__, __LINE__);
    throw std::runtime_error(message.toStdString());
}

QWidget* child(QWidget* root, const QString& name)
{
    QWidget* w = root->objectName() == name ? root : root->findChild<QWidget*>(name);
    if (!w)
        failMissing("control", name);
    return w;
}

static QWidget* clickTarget(QWidget* widget)
{
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
        return area->viewport();
    return widget;
}

void click(QWidget* widget)
{
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->click();
        return;
    }
    QWidget* target = clickTarget(widget);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(5, 5));
}

void doubleClick(QWidget* widget)
{
    QTest::mouseDClick(clickTarget(widget), Qt::LeftButton, {}, QPoint(5, 5));
}

void trigger(QWidget* root, const QString& actionName)
{
    auto* action = root->findChild<QAction*>(actionName);
    if (!action)
        failMissing("menu entry", actionName);
    action->trigger();
}

void pressNumber(Form1& form, int i)
{
    // A user waits for the lock to pass; the test lets the timer tick at once.
    if (form.Timer1->isActive())
        form.Timer1_Timer();
    form.num1[i]->click();
}

OnScreenRun runOnScreen(const QString& program, const QStringList& arguments, const QSize& pixels,
                        double factor)
{
    OnScreenRun run;
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) {
        run.failure = QStringLiteral("cannot write ") + config;
        return run;
    }
    file.write(QStringLiteral("{\"screens\":[{\"name\":\"s\",\"x\":0,\"y\":0,\"width\":%1,"
                              "\"height\":%2,\"logicalDpi\":96,\"logicalBaseDpi\":96,\"dpr\":1}]}")
                   .arg(pixels.width())
                   .arg(pixels.height())
                   .toUtf8());
    file.close();

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + config);
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(factor));
    child.setProcessEnvironment(env);
    child.start(program, arguments);
    if (!child.waitForFinished(60000)) {
        child.kill();
        child.waitForFinished(5000);
        run.failure = program + QStringLiteral(" did not finish");
        return run;
    }
    run.output = QString::fromLocal8Bit(child.readAllStandardOutput());
    run.failure = QString::fromLocal8Bit(child.readAllStandardError());
    return run;
}
