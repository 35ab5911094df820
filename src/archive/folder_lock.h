// One copy of the program per data folder: a lock file in the folder, held while the
// program runs. A copy that ended without releasing it (a crash, a kill) left a lock whose
// process is gone; the next copy takes it over.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace archive {

class FolderLock {
public:
    explicit FolderLock(const QString& folder);

    enum class State {
        Held,         // this copy holds the folder
        HeldByOther,  // another running copy holds it
        Unavailable,  // no lock can be made there (a folder that cannot be written)
    };
    State acquire();

    // Who holds it, for the user ("进程 4711"); "" when not known.
    QString holder() const;

private:
    std::unique_ptr<QLockFile> m_lock;
};

}  // namespace archive
