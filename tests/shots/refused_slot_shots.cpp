#include "shots.h"

#include "app/main_window.h"

#include <QDir>
#include <QFile>

void shootRefusedSlot(Form1& form, ShotContext& ctx)
{
    // A slot file that is not text: the load says why it was not opened, and a save into
    // the slot asks first.
    QFile binary(QDir(ctx.appFolder).filePath(QStringLiteral("Save02.txt")));
    if (binary.open(QIODevice::WriteOnly))
        binary.write(QByteArray("PK\x03\x04\x00\x00\x08\x00", 8));
    binary.close();
    form.NowOpenFile = QStringLiteral("Save02.txt");
    ctx.shootModal(QStringLiteral("message_refused_slot"), [&] { form.LoadAll(); });
    ctx.shootModal(QStringLiteral("question_refused_slot"), [&] {
        QString content = QStringLiteral("01 02 03 04 05 06 07 ");
        form.saveallnum(content);
    });
    form.NowOpenFile = QStringLiteral("Save00.txt");
    form.LoadAll();
}
