#include "shots.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

// The main window as it opens on a 1366×768 laptop scaled to 125% (logical 1093×614):
// the screen probe runs on an offscreen screen of that size and writes the picture.
void shootScreenSizes(Form1&, ShotContext& ctx)
{
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(R"({"screens":[{"name":"s","x":0,"y":0,"width":1366,"height":768,)"
               R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
    file.close();
    QProcess probe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + config);
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("1.25"));
    probe.setProcessEnvironment(env);
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    probe.start(QStringLiteral(LOTTO_SCREEN_PROBE),
                {QDir(ctx.outFolder).filePath(QStringLiteral("main_window_1366x768_125.png"))});
    if (!probe.waitForFinished(60000))
        probe.kill();
    probe.waitForFinished(5000);
}
