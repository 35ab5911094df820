#include "private_service.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

#include <QtEndian>
#include <cmath>
#include <csignal>
#include <sys/prctl.h>

PrivateFolder::PrivateFolder()
{
    // Filters of a print scheduler run as another user and must reach their spool.
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                            | QFile::ReadGroup | QFile::ExeGroup
                                            | QFile::ReadOther | QFile::ExeOther);
    for (const char* name : {"home", "run", "config", "state", "cache"})
        makeFolder(QString::fromLatin1(name));
    QFile::setPermissions(filePath(QStringLiteral("run")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString PrivateFolder::filePath(const QString& name) const
{
    return QDir(m_dir.path()).filePath(name);
}

QString PrivateFolder::makeFolder(const QString& name) const
{
    QDir(m_dir.path()).mkpath(name);
    return filePath(name);
}

bool PrivateFolder::write(const QString& name, const QByteArray& text) const
{
    QFile file(filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

QProcessEnvironment PrivateFolder::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), filePath(QStringLiteral("run")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_STATE_HOME"), filePath(QStringLiteral("state")));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), filePath(QStringLiteral("cache")));
    env.insert(QStringLiteral("PULSE_CONFIG_PATH"), filePath(QStringLiteral("config/pulse")));
    env.insert(QStringLiteral("PULSE_STATE_PATH"), filePath(QStringLiteral("state/pulse")));
    env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), filePath(QStringLiteral("run/pulse")));
    env.insert(QStringLiteral("PULSE_COOKIE"), filePath(QStringLiteral("config/pulse-cookie")));
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("PRINTER"));
    env.remove(QStringLiteral("LPDEST"));
    return env;
}

void PrivateFolder::applyToThisProcess() const
{
    const QProcessEnvironment env = environment();
    for (const QString& key : env.keys())
        qputenv(key.toLocal8Bit().constData(), env.value(key).toLocal8Bit());
    for (const char* gone : {"DBUS_SESSION_BUS_ADDRESS", "DISPLAY", "PRINTER", "LPDEST"})
        qunsetenv(gone);
}

namespace {

// The child gets SIGKILL when the test process dies, however it dies.
void dieWithParent()
{
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
}

}  // namespace

Daemon::Daemon(const QString& program, const QStringList& arguments, const QProcessEnvironment& env)
{
    m_process.setProcessEnvironment(env);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setChildProcessModifier(&dieWithParent);
    m_process.start(program, arguments);
    m_process.waitForStarted(5000);
}

Daemon::~Daemon()
{
    stop();
}

bool Daemon::waitUntil(const std::function<bool()>& ready, int ms)
{
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        if (!isRunning())
            return false;
        if (ready())
            return true;
        m_process.waitForReadyRead(100);
    }
    return false;
}

QString Daemon::output()
{
    return QString::fromLocal8Bit(m_process.readAll());
}

void Daemon::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
}

QString runTool(const QString& program, const QStringList& arguments, int ms, QString* error)
{
    QProcess tool;
    tool.setChildProcessModifier(&dieWithParent);
    tool.start(program, arguments);
    const bool finished = tool.waitForFinished(ms);
    if (!finished) {
        tool.kill();
        tool.waitForFinished(2000);
    }
    if (error)
        *error = QString::fromLocal8Bit(tool.readAllStandardError());
    if (!finished || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        return QString();
    const QString out = QString::fromLocal8Bit(tool.readAllStandardOutput());
    return out.isNull() ? QStringLiteral("") : out;
}

std::unique_ptr<Daemon> startPrivateX(const PrivateFolder& folder, const QSize& screen, QString* display,
                                      QString* failure)
{
    // Xvfb writes the display number it took to standard output.
    auto server = std::make_unique<Daemon>(
        QStringLiteral("Xvfb"),
        QStringList{QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                    QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()),
                    QStringLiteral("-nolisten"), QStringLiteral("tcp")},
        folder.environment());
    QString said;
    const QRegularExpression number(QStringLiteral("(?:^|\\n)(\\d+)\\n"));
    const bool started = server->waitUntil(
        [&] {
            said += server->output();
            const QRegularExpressionMatch m = number.match(said);
            if (m.hasMatch())
                *display = QLatin1Char(':') + m.captured(1);
            return m.hasMatch();
        },
        10000);
    if (started)
        return server;
    *failure = QStringLiteral("Xvfb did not start: ") + said;
    return nullptr;
}

void allowXcbUnderSanitizer(QProcessEnvironment& env)
{
    QString sanitizer = env.value(QStringLiteral("ASAN_OPTIONS"));
    if (!sanitizer.isEmpty())
        env.insert(QStringLiteral("ASAN_OPTIONS"),
                   sanitizer.replace(QStringLiteral("strict_string_checks=1"), QStringLiteral("strict_string_checks=0")));
}

std::unique_ptr<Daemon> startPrivatePulse(const PrivateFolder& folder, const QString& sink,
                                          QString* failure)
{
    const QString socket = folder.filePath(QStringLiteral("pulse.sock"));
    // As root the daemon warns but runs in this per-user mode, which is what we want: no
    // system instance, no module list of the machine (-n), only the two modules named here.
    auto server = std::make_unique<Daemon>(
        QStringLiteral("pulseaudio"),
        QStringList{QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                    QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                    QStringLiteral("--log-target=stderr"), QStringLiteral("-L"),
                    QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket,
                    QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=") + sink},
        folder.environment());
    folder.applyToThisProcess();
    qputenv("PULSE_SERVER", QByteArray("unix:") + socket.toLocal8Bit());
    if (server->waitUntil(
            [] { return !runTool(QStringLiteral("pactl"), {QStringLiteral("info")}, 3000).isNull(); },
            10000))
        return server;
    *failure = server->output();
    return nullptr;
}

double rms(const QByteArray& pcm)
{
    const qsizetype count = pcm.size() / 2;
    if (count == 0)
        return 0;
    double sum = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const double s = qFromLittleEndian<qint16>(pcm.constData() + 2 * i) / 32768.0;
        sum += s * s;
    }
    return std::sqrt(sum / count);
}

std::unique_ptr<QProcess> recordSinkMonitor(const QString& sink, int rate)
{
    auto recorder = std::make_unique<QProcess>();
    recorder->start(QStringLiteral("parec"),
                    {QStringLiteral("--device=") + sink + QStringLiteral(".monitor"), QStringLiteral("--raw"),
                     QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(rate),
                     QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=50")});
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000 && recorder->state() != QProcess::NotRunning)
        if (recorder->waitForReadyRead(100) && recorder->bytesAvailable() > 0)
            return recorder;
    return nullptr;
}

double rmsFromNow(QProcess& recorder, int bytes, int ms)
{
    recorder.readAllStandardOutput();  // what played before this moment
    QByteArray pcm;
    QElapsedTimer clock;
    clock.start();
    while (pcm.size() < bytes && clock.elapsed() < ms && recorder.state() != QProcess::NotRunning) {
        QTest::qWait(50);  // the speech and cue clients run on this thread's events
        pcm += recorder.readAllStandardOutput();
    }
    return pcm.size() < bytes ? -1 : rms(pcm.left(bytes));
}

QString missingTool(std::initializer_list<const char*> tools)
{
    for (const char* tool : tools)
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return QString::fromLatin1(tool);
    return QString();
}
