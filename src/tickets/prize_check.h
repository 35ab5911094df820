// The prize check: every ticket line against the draw line, the prize report, and the
// shapes of the box and of the saved text after the check.
#pragma once

#include <QString>
#include <QStringList>

namespace tickets {

// Prize level 1..6 for a regular match count and whether the special number matched;
// 0 when the line wins nothing.
int prizeLevel(int regularMatches, bool specialEqual);

struct PrizeCheck {
    QString boxBeforeCheck;  // the box without markers, written first
    QString boxText;         // the box after the check
    bool drawCleared = false;  // the draw line had errors: clear it, nothing checked or saved
    bool save = false;
    QString saveText;        // what is saved when `save`
    QString cue;             // cue literal played before the message, or empty
    QString message;         // shown after the cue, before the save; empty for none
    int errorFree = 0;
    int faulty = 0;
    int winning = 0;
};

// Runs the check on the ticket box text (markers allowed) and the draw line.
PrizeCheck checkPrizes(const QString& ticketBox, const QString& drawLine);

}  // namespace tickets
