// Bringing pasted or read draws into the draw history, and the history's export.
//
// A draw read is one the history already holds when its 期号 or its numbers are there;
// then the entry gains the 期号 and date it lacked. A 期号 the history holds with other
// numbers refuses the line. The draws the import adds take their place by date, so that
// the file stays oldest first.
#pragma once

#include "history/draw_history.h"
#include "history/draw_import.h"

#include <QString>
#include <QStringView>
#include <vector>

namespace history {

struct ImportReport {
    int added = 0;
    int alreadyThere = 0;
    int completed = 0;  // entries already there that gained their 期号 or date
    int skipped = 0;    // blank lines and headers
    int dropped = 0;    // the oldest draws dropped to keep kMaxDraws
    std::vector<RefusedLine> refused;  // in line order
    bool changed() const { return added > 0 || completed > 0; }
};

// Reads `text` (see importDraws) into the history; `dateTime` stands for the first check
// of every draw added.
ImportReport importIntoHistory(History& history, QStringView text, const QString& dateTime);

struct FolderImport {
    StoreResult stored;  // ok with nothing written when the import changed nothing
    ImportReport report;
};
// The same on the folder's draws.txt as it is now, written once, atomically; a file that
// cannot be read is neither changed nor written.
FolderImport importIntoFolder(const QString& folder, QStringView text, const QString& dateTime);

// The report for the message window: added, already there, each refused line (the first
// kShownRefusals of them) with its line number, its text and why.
inline constexpr int kShownRefusals = 20;
QString importReportText(const ImportReport& report);

// The history in the export form, one draw a line, oldest first (unreadable lines left
// out): what importIntoHistory reads back to the same draws.
QString exportHistoryText(const History& history);

}  // namespace history
