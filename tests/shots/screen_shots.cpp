#include "shots.h"

#include "support/test_support.h"

#include <QDir>
#include <QFileInfo>

// The main window as it opens on a 1366×768 laptop scaled to 125% (logical 1093×614):
// the screen probe runs on an offscreen screen of that size and writes the picture.
void shootScreenSizes(Form1&, ShotContext& ctx)
{
    const QString file = QDir(ctx.outFolder).filePath(QStringLiteral("main_window_1366x768_125.png"));
    const OnScreenRun run =
        runOnScreen(QStringLiteral(LOTTO_SCREEN_PROBE), {file}, QSize(1366, 768), 1.25);
    if (!QFileInfo::exists(file))
        qWarning("%s", qPrintable(run.failure));
}
