// A test driver loaded into the installed program as a toolkit plugin
// (QT_PLUGIN_PATH=<here>, QT_QPA_GENERIC_PLUGINS=lottodriver): it keys a draw and a ticket
// line into the main window, runs the prize check, which saves slot 0, answers the report
// and the exit question, and closes the program. It knows the program only by the object
// names of its controls; each step is written to standard error.
#include <QAbstractButton>
#include <QApplication>
#include <QGenericPlugin>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>
#include <cstdio>

namespace {

void say(const QString& text)
{
    std::fprintf(stderr, "driver: %s\n", text.toLocal8Bit().constData());
}

// The named control of the main window; the program ends (exit code 3) when it has none.
template <typename Control>
Control* control(QWidget* form, const char* name)
{
    auto* found = form->findChild<Control*>(QLatin1String(name));
    if (!found) {
        say(QStringLiteral("the main window has no control named ") + QLatin1String(name));
        QCoreApplication::exit(3);
    }
    return found;
}

QWidget* mainWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("Form1") && w->isVisible())
            return w;
    return nullptr;
}

class Driver : public QObject {
public:
    Driver()
    {
        connect(&m_poll, &QTimer::timeout, this, &Driver::step);
        m_poll.start(200);
        QTimer::singleShot(60000, this, [] {
            say(QStringLiteral("gave up after 60 s"));
            QCoreApplication::exit(3);
        });
    }

private:
    enum class Phase { Start, Checking, Closing };

    void step()
    {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            answer(modal);
            return;
        }
        QWidget* form = mainWindow();
        if (!form)
            return;
        if (m_phase == Phase::Start) {
            auto* draw = control<QLineEdit>(form, "Text0");
            auto* tickets = control<QPlainTextEdit>(form, "Text88");
            auto* check = control<QAbstractButton>(form, "Command1");
            if (!draw || !tickets || !check)
                return;
            draw->setText(QStringLiteral("01 02 03 04 05 06 07 "));
            tickets->setPlainText(QStringLiteral("01 02 03 04 05 06 08 "));
            say(QStringLiteral("check: ") + check->text());
            m_phase = Phase::Checking;
            // The click opens modal windows; it runs outside this step so that polling goes on.
            QTimer::singleShot(0, check, &QAbstractButton::click);
        } else if (m_phase == Phase::Checking && m_answered > 0) {
            if (auto* status = control<QLabel>(form, "Label9"))
                say(QStringLiteral("status: ") + status->text());
            m_phase = Phase::Closing;
            QTimer::singleShot(0, form, &QWidget::close);
        }
    }

    void answer(QWidget* modal)
    {
        ++m_answered;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            say(QStringLiteral("question: ") + box->text());
            if (QAbstractButton* yes = box->button(QMessageBox::Yes))
                QTimer::singleShot(0, yes, &QAbstractButton::click);
            return;
        }
        say(QStringLiteral("window: ") + modal->objectName());
        QTimer::singleShot(0, modal, &QWidget::close);
    }

    QTimer m_poll;
    Phase m_phase = Phase::Start;
    int m_answered = 0;
};

}  // namespace

class DriverPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "driver.json")
public:
    QObject* create(const QString&, const QString&) override { return new Driver; }
};

#include "lotto_driver.moc"
