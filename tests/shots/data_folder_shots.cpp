#include "shots.h"

#include "archive/data_folder_start_ui.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

void shootDataFolderQuestions(Form1&, ShotContext& ctx)
{
    // A second copy: the folder's lock is held here already.
    archive::FolderLock held(ctx.appFolder);
    held.acquire();
    archive::FolderLock second(ctx.appFolder);
    ctx.shootModal(QStringLiteral("question_second_copy"),
                   [&] { startup::claimDataFolder(second, ctx.appFolder); });

    // A portable copy without its sound folder, with a slot beside the program.
    QTemporaryDir program;
    QTemporaryDir data;
    QFile slot(QDir(program.path()).filePath(QStringLiteral("Save00.txt")));
    if (slot.open(QIODevice::WriteOnly))
        slot.write("01 02 03 04 05 06 07 \r\n");
    slot.close();
    const archive::AppFolders folders = archive::chooseFolders(program.path(), program.path(), data.path());
    ctx.shootModal(QStringLiteral("question_copy_slots"), [&] { startup::offerSlotsBesideProgram(folders); });
}
