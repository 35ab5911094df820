#include "archive/data_folder_start_ui.h"

#include "archive/durable_write.h"
#include "messages/message_window.h"
#include "widgets/controls.h"

#include <QDir>

namespace startup {

namespace {

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

void showMessage(const QString& dataFolder, const QString& text, QWidget* parent)
{
    ShowText1 window(dataFolder, parent);
    QString message = text;
    window.ShowTextWord(message);
}

}  // namespace

FolderAccess claimDataFolder(archive::FolderLock& lock, const QString& dataFolder, QWidget* parent)
{
    // A folder where no lock can be made cannot be written either: its saves fail and
    // say so, and nothing can be overwritten.
    if (lock.acquire() != archive::FolderLock::State::HeldByOther)
        return FolderAccess::Write;
    const QString holder = lock.holder();
    const bool readOnly = askYesNo(
        parent, QStringLiteral("SecondCopyQuestion"), QStringLiteral("彩票对奖器已经在运行"),
        QStringLiteral("彩票对奖器已经在运行%1，它正在使用存档文件夹：\n%2\n\n"
                       "同时开两个对奖器，一个保存时会覆盖另一个的彩票号码。\n\n"
                       "点“否”退出这个对奖器（推荐）；\n"
                       "点“是”只读打开：可以查看和对奖，但不能保存任何数据。")
            .arg(holder.isEmpty() ? QString() : QStringLiteral("（") + holder + QStringLiteral("）"),
                 native(dataFolder)),
        false);
    if (!readOnly)
        return FolderAccess::Quit;
    archive::setWritesAllowed(false);
    return FolderAccess::ReadOnly;
}

void offerSlotsBesideProgram(const archive::AppFolders& folders, QWidget* parent)
{
    if (folders.filesBesideProgram.isEmpty() || !archive::writesAllowed()
        || !archive::importWouldChange(folders.programFolder, folders.data))
        return;
    const bool copy = askYesNo(
        parent, QStringLiteral("CopySlotsQuestion"), QStringLiteral("复制存档"),
        QStringLiteral("对奖器不能在程序文件夹里保存彩票号码：%1。\n程序文件夹：%2\n\n"
                       "您的彩票号码现在保存在：\n%3\n\n程序文件夹里有：%4\n\n"
                       "要把它们复制到现在的保存位置吗？\n（程序文件夹里的文件不会被移动或删除）")
            .arg(folders.notPortableReason, native(folders.programFolder), native(folders.data),
                 folders.filesBesideProgram.join(QStringLiteral("、"))),
        true);
    if (!copy)
        return;
    copySlotsFrom(folders.programFolder, QStringLiteral("程序文件夹"), folders.data, parent);
}

archive::ImportResult copySlotsFrom(const QString& source, const QString& sourceName,
                                    const QString& dataFolder, QWidget* parent)
{
    const archive::ImportResult result =
        archive::importSlots(source, dataFolder, [parent, &sourceName](int slot) {
            return askYesNo(parent, QStringLiteral("ReplaceSlotQuestion"), QStringLiteral("替换存档"),
                            QStringLiteral("现在的保存位置里，存档0%1已经有彩票号码。\n"
                                           "要用%2里的存档0%1替换它吗？")
                                .arg(slot)
                                .arg(sourceName),
                            false);
        });
    showMessage(dataFolder, archive::importResultText(result, dataFolder), parent);
    return result;
}

}  // namespace startup
