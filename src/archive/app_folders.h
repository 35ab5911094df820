// Where the program keeps its files. Portable: the program's own folder holds the slot
// files, sound/ and low.txt, as a copied folder on a USB stick has it. Installed: the
// program's folder is not the user's to write, so the slot files go to the user's data
// folder and sound/ and low.txt are read from the installed share folder.
#pragma once

#include <QString>
#include <QStringList>

namespace archive {

enum class FolderMode { Portable, Installed };

struct AppFolders {
    FolderMode mode = FolderMode::Portable;
    QString data;   // the slot files (Save0N.txt, tN.txt, draws.txt)
    QString share;  // sound/ and low.txt
    // Installed although slot files stand beside the program: that folder, why the
    // program cannot keep its files there, and the files found (all empty otherwise).
    QString programFolder = {};
    QString notPortableReason = {};
    QStringList filesBesideProgram = {};
};

// One folder holding everything (how tests and the portable program run).
AppFolders portableFolders(const QString& folder);

// Portable when programFolder holds "sound" and is writable; installed otherwise, with
// the slots in userDataFolder and the rest in shareFolder. Changes nothing on disk.
AppFolders chooseFolders(const QString& programFolder, const QString& shareFolder,
                         const QString& userDataFolder);

// The user's data folder of the program by the XDG rules: $XDG_DATA_HOME/lotto36x7 when
// that is an absolute path, else $HOME/.local/share/lotto36x7 (a relative value is
// ignored, as the rules say).
QString userDataFolder(const QString& xdgDataHome, const QString& home);

// Creates the data folder and any folder above it that is missing, each for its owner
// alone (0700); an existing folder keeps its mode. Returns why it failed, "" on success.
QString createDataFolder(const QString& folder);

// The installed share folder of a program in <prefix>/bin: <prefix>/share/lotto36x7.
// The relative step comes from the install layout the build was configured with.
QString installedShareFolder(const QString& programFolder);

// The choice as three lines ("mode: installed", "data: …", "share: …") for a quick check
// from the command line.
QString describeFolders(const AppFolders& folders);

}  // namespace archive
