// The prize check: every ticket line against the draw line, the prize report, and the
// shapes of the box and of the saved text after the check.
#pragma once

#include "tickets/prize_money.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace tickets {

// Prize level 1..6 for a regular match count and whether the special number matched;
// 0 when the line wins nothing.
int prizeLevel(int regularMatches, bool specialEqual);

// How a field of a line matched the draw.
enum FieldMatch : quint8 { kNoMatch = 0, kRegularMatch = 1, kSpecialMatch = 2 };

// What the box shows beside one line after a check; never part of the text.
struct LineMark {
    int row = 0;        // the line's row in the box after the check, from 0 (one per piece between CR LF)
    int level = 0;      // prize level 1..6, 0 for none
    int firstRow = -1;  // row of the first line with the same numbers, -1 when none came before
    std::array<quint8, 7> match{};  // per field of a winning line: a FieldMatch
};

// What a check found, for the cue the window plays before the message.
enum class CheckOutcome { NotChecked, NoPrize, Prize };

struct PrizeCheck {
    QString boxBeforeCheck;  // the box without markers, written first
    QString boxText;         // the box after the check
    bool drawCleared = false;  // the draw line had errors: clear it, nothing checked or saved
    bool save = false;
    QString saveText;        // what is saved when `save`
    CheckOutcome outcome = CheckOutcome::NotChecked;
    QString message;         // shown after the cue, before the save; empty for none
    bool compared = false;   // complete lines were compared with a draw: the money is known
    int errorFree = 0;
    int faulty = 0;
    int winning = 0;
    // The lines that won or repeat an earlier line, by row; matching follows the check's
    // own rules (by value, a repeated number once, complete lines only).
    std::vector<LineMark> marks;
};

// Runs the check on the ticket box text (markers allowed) and the draw line.
PrizeCheck checkPrizes(const QString& ticketBox, const QString& drawLine);

// The lines the check found at each prize level (a repeated line wins again: it is a
// ticket of its own).
LevelCounts wonLevels(const PrizeCheck& check);

}  // namespace tickets
