// Private instances of system services for the integration tests: each daemon runs from
// a temporary folder with its own socket and configuration, its environment pointed into
// that folder, and dies with the test process even when the test crashes.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <initializer_list>
#include <memory>

// A service that cannot start skips the test with the reason, except under CI, where the
// real parts must have run: there it fails.
#define SKIP_OR_FAIL_UNDER_CI(reason)                                         \
    do {                                                                      \
        const QByteArray why = QByteArray("cannot test for real: ") + (reason); \
        if (qgetenv("CI") == "true")                                          \
            QFAIL(why.constData());                                           \
        QSKIP(why.constData());                                               \
    } while (false)

// A temporary folder that also holds the home, runtime and configuration folders of the
// services and clients started in it, so that no setting of the machine is read or changed.
class PrivateFolder {
public:
    PrivateFolder();
    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const;
    // Creates a folder below the private folder and returns its path.
    QString makeFolder(const QString& name) const;
    bool write(const QString& name, const QByteArray& text) const;
    // HOME, XDG_* and the service's own configuration variables, all inside the folder.
    QProcessEnvironment environment() const;
    // Points this process (and every program it starts) at the folder too.
    void applyToThisProcess() const;

private:
    QTemporaryDir m_dir;
};

// One daemon, started in the foreground. Killed when this object goes, or by the kernel
// when the test process dies first.
class Daemon {
public:
    Daemon(const QString& program, const QStringList& arguments, const QProcessEnvironment& env);
    ~Daemon();
    bool isRunning() const { return m_process.state() == QProcess::Running; }
    // Waits until `ready` holds, at most `ms`; false when the daemon died or time ran out.
    bool waitUntil(const std::function<bool()>& ready, int ms);
    // What the daemon wrote (since the last call): for the reason of a failure, or read as it comes.
    QString output();
    // Writes to its standard input.
    void write(const QByteArray& bytes) { m_process.write(bytes); }
    void stop();

private:
    QProcess m_process;
};

// Runs a client program to its end (at most `ms`); its standard output, or a null string
// when it failed. `error` gets its standard error.
QString runTool(const QString& program, const QStringList& arguments, int ms = 15000,
                QString* error = nullptr);

// A private X server (Xvfb) of `screen` pixels on a free display, which `display` gets
// (":N"). Null, with `failure` set, when it did not start within ten seconds.
std::unique_ptr<Daemon> startPrivateX(const PrivateFolder& folder, const QSize& screen, QString* display,
                                      QString* failure);

// For a program on the xcb platform in the sanitizer tree: libxkbcommon-x11, which the
// platform loads, hands strndup strings that end at their length, not at a NUL; strndup
// stays inside them, the strict string check reads on. So that check is left off.
void allowXcbUnderSanitizer(QProcessEnvironment& env);

// A private PulseAudio with one null sink named `sink`, its socket in the folder; this
// process and its children are pointed at it. Null, with `failure` set, when it did not
// start within ten seconds.
std::unique_ptr<Daemon> startPrivatePulse(const PrivateFolder& folder, const QString& sink,
                                          QString* failure);

// Root mean square of signed 16-bit mono samples, 1.0 at full scale; 0 for none.
double rms(const QByteArray& pcm);

// The sink's monitor recorded by parec as 16-bit mono at `rate`, from now on, so that a
// measure can begin at the very moment something returned; null when no sample came
// within ten seconds (the monitor's first samples come a second or two late).
std::unique_ptr<QProcess> recordSinkMonitor(const QString& sink, int rate);
// The RMS of the next `bytes` the recorder gives (what it held before is dropped), waiting
// at most `ms`; -1 when it gave less.
double rmsFromNow(QProcess& recorder, int bytes, int ms);

// The first of `tools` that is not on the PATH, or "" when all are.
QString missingTool(std::initializer_list<const char*> tools);
