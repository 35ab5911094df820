// The draw history "draws.txt" in the data folder: one draw a line, its seven numbers
// separated by single spaces, one space, the date-time text of the first check made with
// it (or of its import), then, when known, one space and its 期号 (5 to 7 digits) and one
// space and its draw date (yyyy-MM-dd), and the announced amounts of the floating prizes
// as "level=元" (levels 1 to 3, ascending):
//   01 02 03 04 05 06 07 2026/12/8 21:30:05 2026140 2026-12-01 1=5123456 3=3000
// oldest first. Each draw stands once: the same numbers, or the same 期号, are one draw.
// Lines the program cannot read are kept where they stand, byte for byte.
#pragma once

#include "archive/archive_files.h"
#include "tickets/prize_money.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace history {

inline const QString kHistoryFileName = QStringLiteral("draws.txt");
// The draws kept; a check that adds one more drops the oldest, and says so.
inline constexpr int kMaxDraws = 10000;

// 1..36 for a field of two decimal digits ("01" … "36"), 0 for anything else.
int numberValue(QStringView field);

// A complete draw: six different regular numbers and a special number not among them,
// each 1..36.
struct Draw {
    std::array<int, 7> numbers{};

    // "01 02 03 04 05 06 07", no trailing space.
    QString numbersText() const;
    // The same draw whatever the order its regular numbers were keyed in: the set of the
    // regular numbers and the special number.
    quint64 key() const;
    bool operator==(const Draw& other) const { return key() == other.key(); }
};

// The complete draw a draw line holds (markers and trailing spaces do not count):
// exactly seven fields of two digits 01..36, the first six different, none equal to
// the seventh. std::nullopt for anything else.
std::optional<Draw> parseDraw(const QString& drawLine);

// One line of the file: a draw with its date-time text, or a line kept as it was read.
struct Entry {
    std::optional<Draw> draw;
    QString dateTime;   // the draw's date-time text
    QString unreadable; // the whole line when it could not be read
    QString issue;      // 期号, "" when not known
    QDate drawDate;     // null when not known
    tickets::FloatingAmounts announced;  // the floating prizes' amounts, once keyed
};

struct History {
    std::vector<Entry> entries;     // file order: oldest first
    archive::TextEncoding encoding; // how the file is written back

    // The draws, newest first, as indexes into entries.
    std::vector<int> drawsNewestFirst() const;
    int drawCount() const;
    bool holds(const Draw& draw) const;
    // The announced floating amounts stored with the draw; none when it is not held.
    tickets::FloatingAmounts announcedFor(const Draw& draw) const;
    // The 1-based file line numbers and texts of the unreadable lines.
    QStringList unreadableLines() const;
};

// Reads the file's lines; empty lines are dropped, and so is a draw that an earlier line
// already holds (the first check's time stays).
History parseHistory(const QStringList& lines);
// The file's text: every entry followed by CR LF.
QString historyText(const History& history);

struct Remembered {
    bool added = false;
    int dropped = 0;  // the oldest draws dropped to keep kMaxDraws
};
// Adds the draw as the newest entry unless the history holds it already; then drops the
// oldest draws beyond kMaxDraws in one pass (unreadable lines stay).
Remembered remember(History& history, const Draw& draw, const QString& dateTime);

// Drops the oldest draws until at most kMaxDraws remain (unreadable lines stay), in one
// pass; returns how many.
int dropOldestBeyondCap(History& history);

// Adds the draws of `from` that `into` lacks as its newest entries, in their order; then
// drops the oldest draws beyond kMaxDraws in one pass.
struct Merged {
    int added = 0;
    int dropped = 0;
};
Merged mergeHistory(History& into, const History& from);

// What reading the file gives; a missing file is an empty history.
struct LoadResult {
    History history;
    bool ok = true;  // false: the file exists but could not be read (it must not be rewritten)
    QString error;   // for the user, naming the file
};
LoadResult loadHistory(const QString& folder);
// The reader's rules on the file's bytes.
LoadResult historyOfBytes(const QByteArray& bytes);

struct StoreResult {
    bool ok = true;
    QString error;    // for the user, naming the file
    int dropped = 0;  // draws dropped to keep kMaxDraws
};
StoreResult storeHistory(const QString& folder, const History& history);

// Remembers a checked draw line in the folder's history: nothing happens when the line
// holds no complete draw or the history holds the draw already. A failure is returned,
// never thrown, and leaves the file as it was.
StoreResult rememberDrawLine(const QString& folder, const QString& drawLine,
                             const QString& dateTime);
// The same on the file as `loaded` read it a moment ago, so that a check reads it once.
StoreResult rememberDrawLine(const QString& folder, LoadResult loaded, const QString& drawLine,
                             const QString& dateTime);

// The announced floating amounts a history read holds for the draw of a draw line; none
// when the line holds no complete draw or the file could not be read.
tickets::FloatingAmounts announcedAmounts(const LoadResult& loaded, const QString& drawLine);

// Deletes a draw from the history as the file holds it now, so that what another program
// wrote into it since it was shown stays. `history` receives the file's entries after
// the deletion (as read, when the deletion failed).
StoreResult forgetDraw(const QString& folder, const Draw& draw, History& history);

// Stores the announced amounts of a draw's floating prizes, in the file as it is now (like
// forgetDraw); `history` receives the file's entries afterwards.
StoreResult setAnnouncedAmounts(const QString& folder, const Draw& draw,
                                const tickets::FloatingAmounts& amounts, History& history);
// The largest amount that can be keyed (元 a line).
inline constexpr qint64 kMaxPrizeAmount = 999999999;

// The user's message about unreadable lines ("" when there are none).
QString unreadableLinesMessage(const QString& folder, const History& history);
// What dropping the oldest draws to keep kMaxDraws did, in a sentence; the message
// with its title ("" when none were dropped).
QString droppedDrawsText(int dropped);
QString droppedDrawsMessage(int dropped);

}  // namespace history
