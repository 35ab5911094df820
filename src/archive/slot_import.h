// Bringing another folder's slots into the data folder: its slot files with their time
// files, and its draw history. The other folder is only read, never changed.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace archive {

struct ImportResult {
    QStringList copied;    // the data folder's files written ("Save00.txt", "t0.txt", …)
    QStringList kept;      // slots of the data folder left as they were ("存档01")
    QStringList failures;  // for the user, one per file that could not be read or written
    int drawsAdded = 0;    // draws of the other history that the data folder lacked
    int drawsDropped = 0;  // the oldest draws dropped to keep the limit
};

// Copies what `source` holds into `target`. A slot of `target` that holds lines (or a
// file that cannot be loaded as a slot) is replaced only when replaceSlot(slot) agrees;
// a slot whose file is the same already is left alone without a question. Draws the
// target's history lacks are added to it, so that nothing of either history is lost.
ImportResult importSlots(const QString& source, const QString& target,
                         const std::function<bool(int slot)>& replaceSlot);

// Whether importing would change anything in `target`.
bool importWouldChange(const QString& source, const QString& target);

// The result in words for the message window.
QString importResultText(const ImportResult& result, const QString& target);

}  // namespace archive
