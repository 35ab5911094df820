// Where the program keeps its files. Portable: the program's own folder holds the slot
// files, sound/ and low.txt, as a copied folder on a USB stick has it. Installed: the
// program's folder is not the user's to write, so the slot files go to the user's data
// folder and sound/ and low.txt are read from the installed share folder.
#pragma once

#include <QString>

namespace archive {

enum class FolderMode { Portable, Installed };

struct AppFolders {
    FolderMode mode = FolderMode::Portable;
    QString data;   // the slot files (Save0N.txt, tN.txt)
    QString share;  // sound/ and low.txt
};

// One folder holding everything (how tests and the portable program run).
AppFolders portableFolders(const QString& folder);

// Portable when programFolder holds "sound" and is writable; installed otherwise, with
// the slots in userDataFolder (created when missing) and the rest in shareFolder.
AppFolders chooseFolders(const QString& programFolder, const QString& shareFolder,
                         const QString& userDataFolder);

// The installed share folder of a program in <prefix>/bin: <prefix>/share/lotto36x7.
// The relative step comes from the install layout the build was configured with.
QString installedShareFolder(const QString& programFolder);

// The choice as three lines ("mode: installed", "data: …", "share: …") for a quick check
// from the command line.
QString describeFolders(const AppFolders& folders);

}  // namespace archive
