// The draw history "draws.txt" in the data folder: one draw a line, its seven numbers
// separated by single spaces, one space, the date-time text of the first check made with
// it; newest last. Lines the program cannot read are kept where they stand.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace history {

inline const QString kHistoryFileName = QStringLiteral("draws.txt");
inline constexpr int kMaxDraws = 1000;

// 1..36 for a field of two decimal digits ("01" … "36"), 0 for anything else.
int numberValue(QStringView field);

// A complete draw: six different regular numbers and a special number not among them,
// each 1..36.
struct Draw {
    std::array<int, 7> numbers{};

    // "01 02 03 04 05 06 07", no trailing space.
    QString numbersText() const;
    bool operator==(const Draw& other) const { return numbers == other.numbers; }
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
};

struct History {
    std::vector<Entry> entries;  // file order: oldest first

    // The draws, newest first, as indexes into entries.
    std::vector<int> drawsNewestFirst() const;
    // The 1-based file line numbers and texts of the unreadable lines.
    QStringList unreadableLines() const;
};

// Reads the file's lines; empty lines are dropped.
History parseHistory(const QStringList& lines);
// The file's text: every entry followed by CR LF.
QString historyText(const History& history);

// Adds the draw as the newest entry unless it already is the newest; then drops the
// oldest draws beyond kMaxDraws (unreadable lines stay). Returns whether it was added.
bool remember(History& history, const Draw& draw, const QString& dateTime);

// What reading the file gives; a missing file is an empty history.
struct LoadResult {
    History history;
    bool ok = true;  // false: the file exists but could not be read (it must not be rewritten)
    QString error;   // for the user, naming the file
};
LoadResult loadHistory(const QString& folder);

struct StoreResult {
    bool ok = true;
    QString error;  // for the user, naming the file
};
StoreResult storeHistory(const QString& folder, const History& history);

// Remembers a checked draw line in the folder's history: nothing happens when the line
// holds no complete draw or the draw is already the newest. A failure is returned, never
// thrown, and leaves the file as it was.
StoreResult rememberDrawLine(const QString& folder, const QString& drawLine,
                             const QString& dateTime);

// The user's message about unreadable lines ("" when there are none).
QString unreadableLinesMessage(const QString& folder, const History& history);

}  // namespace history
