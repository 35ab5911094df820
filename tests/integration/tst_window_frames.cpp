// Window frames under a real window manager: a private X server (Xvfb) with openbox runs
// the screen probe on the xcb platform, which opens every window in turn; each window's
// frame, caption and close button included, as the X server and the window manager give
// it, must lie on the screen, and the print's document window must stay above the main
// window when that one is raised.
#include "private_service.h"

#include <QDeadlineTimer>
#include <QRect>
#include <QRegularExpression>
#include <QTest>
#include <map>
#include <memory>

namespace {

// Xvfb and openbox on a free display, in a private folder; both stop when this goes.
class WindowManagerSession {
public:
    WindowManagerSession(const QSize& screen, QString* failure)
    {
        QProcessEnvironment env = m_folder.environment();
        m_server = startPrivateX(m_folder, screen, &m_display, failure);
        if (!m_server)
            return;
        env.insert(QStringLiteral("DISPLAY"), m_display);
        m_env = env;
        m_wm = std::make_unique<Daemon>(QStringLiteral("openbox"), QStringList{QStringLiteral("--sm-disable")},
                                        env);
        // The window manager is up once it names its check window and the work area on the root.
        if (!m_wm->waitUntil(
                [this] {
                    return rootProperty("_NET_SUPPORTING_WM_CHECK").contains('#') && !workArea().isEmpty();
                },
                10000))
            *failure = QStringLiteral("openbox did not start: ") + m_wm->output();
    }

    QProcessEnvironment environment() const { return m_env; }

    // A property of the root window as xprop prints it.
    QString rootProperty(const char* name) const
    {
        return runTool(QStringLiteral("xprop"), {QStringLiteral("-display"), m_display,
                                                 QStringLiteral("-root"), QString::fromLatin1(name)});
    }

    // The window's frame: its client area from the X server, grown by the extents the
    // window manager put on it; null while it has not framed the window.
    QRect frameOf(const QString& id) const
    {
        const QString info = runTool(QStringLiteral("xwininfo"),
                                     {QStringLiteral("-display"), m_display, QStringLiteral("-id"), id});
        const QString extents = runTool(QStringLiteral("xprop"),
                                        {QStringLiteral("-display"), m_display, QStringLiteral("-id"), id,
                                         QStringLiteral("_NET_FRAME_EXTENTS")});
        const QList<int> e = numbersAfter(extents, QStringLiteral("="));
        if (e.size() != 4 || !info.contains(QStringLiteral("IsViewable")))
            return QRect();
        const auto field = [&info](const char* name) {
            const QRegularExpression re(QString::fromLatin1(name) + QStringLiteral(":\\s+(-?\\d+)"));
            return re.match(info).captured(1).toInt();
        };
        const QRect client(field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"),
                           field("Height"));
        return client.adjusted(-e[0], -e[2], e[1], e[3]);  // left, right, top, bottom
    }

    // The usable part of the screen, as the window manager announces it.
    QRect workArea() const
    {
        const QList<int> a = numbersAfter(rootProperty("_NET_WORKAREA"), QStringLiteral("="));
        return a.size() >= 4 ? QRect(a[0], a[1], a[2], a[3]) : QRect();
    }

    // The managed windows, bottom first.
    QStringList stackingOrder() const
    {
        const QString list = rootProperty("_NET_CLIENT_LIST_STACKING");
        QStringList ids;
        for (const QString& id : list.mid(list.indexOf(QLatin1Char('#')) + 1).split(QLatin1Char(','), Qt::SkipEmptyParts))
            ids << QString::number(id.trimmed().toULongLong(nullptr, 16));
        return ids;
    }

private:
    static QList<int> numbersAfter(const QString& text, const QString& mark)
    {
        QList<int> out;
        const int at = text.indexOf(mark);
        if (at < 0)
            return out;
        for (const QString& part : text.mid(at + 1).split(QLatin1Char(','), Qt::SkipEmptyParts))
            out << part.trimmed().toInt();
        return out;
    }

    PrivateFolder m_folder;
    QString m_display;
    QProcessEnvironment m_env;
    std::unique_ptr<Daemon> m_server;  // declared before the window manager: stopped last
    std::unique_ptr<Daemon> m_wm;
};

}  // namespace

class WindowFramesTest : public QObject {
    Q_OBJECT
private slots:
    void everyFrameOnTheScreen_data();
    void everyFrameOnTheScreen();
};

void WindowFramesTest::everyFrameOnTheScreen_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<double>("factor");
    QTest::addColumn<QString>("fontSize");
    QTest::newRow("1366×768 ×1.0") << QSize(1366, 768) << 1.0 << "100";
    QTest::newRow("1366×768 ×1.25") << QSize(1366, 768) << 1.25 << "100";
    QTest::newRow("1366×768 ×1.25 at 150%") << QSize(1366, 768) << 1.25 << "150";
    QTest::newRow("1920×1080 ×1.5") << QSize(1920, 1080) << 1.5 << "100";
}

void WindowFramesTest::everyFrameOnTheScreen()
{
    QFETCH(QSize, screen);
    QFETCH(double, factor);
    QFETCH(QString, fontSize);
    if (const QString tool = missingTool({"Xvfb", "openbox", "xwininfo", "xprop"}); !tool.isEmpty())
        SKIP_OR_FAIL_UNDER_CI(tool.toLocal8Bit() + " is not installed");
    QString failure;
    WindowManagerSession session(screen, &failure);
    if (!failure.isEmpty())
        SKIP_OR_FAIL_UNDER_CI(failure.toLocal8Bit());
    const QRect area = session.workArea();
    QVERIFY2(!area.isEmpty(), "the window manager announced no work area");

    QProcessEnvironment env = session.environment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(factor));
    allowXcbUnderSanitizer(env);
    Daemon probe(QStringLiteral(LOTTO_SCREEN_PROBE),
                 {QStringLiteral("--frames"), QStringLiteral("--font-size"), fontSize}, env);
    std::map<QString, QString> ids;  // window name → X window id
    QStringList frames;
    QString said;
    while (probe.waitUntil([&] { said += probe.output(); return said.contains(QLatin1Char('\n')); }, 30000)) {
        const qsizetype end = said.indexOf(QLatin1Char('\n'));
        const QStringList f = said.left(end).split(QLatin1Char(' '));
        said.remove(0, end + 1);
        if (f.size() != 3 || f[0] != QLatin1String("window"))
            continue;
        // The frame may still move while the program places it: at most five seconds.
        QRect frame;
        QDeadlineTimer deadline(5000);
        do {
            frame = session.frameOf(f[2]);
            if (!frame.isNull() && area.contains(frame))
                break;
            QTest::qWait(100);
        } while (!deadline.hasExpired());
        frames << QStringLiteral("%1 %2,%3 %4×%5").arg(f[1]).arg(frame.x()).arg(frame.y())
                      .arg(frame.width()).arg(frame.height());
        QVERIFY2(!frame.isNull() && area.contains(frame), qPrintable(frames.join(QStringLiteral("; "))));
        ids[f[1]] = f[2];
        if (f[1] == QLatin1String("PrintDocument")) {
            // The probe raised the main window before it named the document window.
            const QStringList order = session.stackingOrder();
            QVERIFY2(order.indexOf(f[2]) > order.indexOf(ids[QStringLiteral("Form1")]),
                     qPrintable(order.join(QLatin1Char(' '))));
        }
        probe.write("\n");
    }
    said += probe.output();  // what it said last, or why it stopped
    const QStringList expected = {"Form1", "ShowText1", "Load2", "AutoCode1", "editX1", "editLV",
                                  "DrawHistory1", "TrendChart1", "MultiTicket1", "ExitGuard", "PrintDocument", "PrintPreview",
                                  "PrintDialog", "FileDialog"};
    for (const QString& name : expected)
        QVERIFY2(ids.count(name), qPrintable(name + QStringLiteral(" was not shown; the probe said: ") + said));
}

QTEST_GUILESS_MAIN(WindowFramesTest)
#include "tst_window_frames.moc"
