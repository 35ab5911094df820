// The start-up steps that settle the data folder before the main window opens: one copy
// of the program per folder, and the slots of a portable folder the program cannot use.
#pragma once

#include "archive/app_folders.h"
#include "archive/folder_lock.h"
#include "archive/slot_import.h"

class QWidget;

namespace startup {

enum class FolderAccess { Write, ReadOnly, Quit };

// Takes the data folder's lock. When another running copy holds it, says so and asks
// whether to end (the default) or to open read-only; a copy opened read-only can write
// nothing at all.
FolderAccess claimDataFolder(archive::FolderLock& lock, const QString& dataFolder,
                             QWidget* parent = nullptr);

// When slot files stand beside the program but it keeps its files in the data folder:
// says why and where, and offers to copy them there (they stay where they are). Asks
// before it replaces a slot of the data folder that holds lines.
void offerSlotsBesideProgram(const archive::AppFolders& folders, QWidget* parent = nullptr);

// Copies the slots, time files and draw history of `source` (named for the user by
// `sourceName`, e.g. "程序文件夹") into the data folder, asking before it replaces a slot
// that holds lines, and shows what was done. `source` is only read.
archive::ImportResult copySlotsFrom(const QString& source, const QString& sourceName,
                                    const QString& dataFolder, QWidget* parent);

}  // namespace startup
