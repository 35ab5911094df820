#include "shots.h"

#include "app/main_window.h"
#include "archive/archive_window.h"

#include <QDir>
#include <QFile>

namespace {
void writeTime(const ShotContext& ctx, int slot, const QByteArray& text)
{
    QFile file(QDir(ctx.appFolder).filePath(QStringLiteral("t%1.txt").arg(slot)));
    if (file.open(QIODevice::WriteOnly))
        file.write(text + "\r\n");
}
}  // namespace

void shootArchiveWindows(Form1& form, ShotContext& ctx)
{
    // A few slots with a save time, the others never saved.
    writeTime(ctx, 1, "2026/11/30 21:40:12");
    writeTime(ctx, 2, "2026/12/2 19:05:47");
    writeTime(ctx, 4, "2026/12/5 8:30:00");
    ctx.shootModal(QStringLiteral("archive_open"), [&] { form.open234_Click(); });
    ctx.shootModal(QStringLiteral("archive_save_as"), [&] { form.saveaswr34w_Click(); });
    // The shots hide the window without a slot click; put it back in open mode.
    form.archiveWindow().OpenOrSaveW = QStringLiteral("打开");
    form.archiveWindow().nowDoing1 = 0;
}
