// Checking the ticket box against several draws at once. The box is read once; each
// line becomes a set of numbers and is compared with each draw by a set intersection,
// under the prize check's rules: numbers match by value, a number repeated in a line
// counts once, only complete lines can win. A draw given twice counts once. Nothing is
// changed or saved.
#pragma once

#include "history/draw_history.h"
#include "tickets/prize_money.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace history {

// Kept flat (one text, one list of wins) so that a result of thousands of winning lines
// costs no allocation per line.
struct MultiDrawResult {
    struct Row {
        int row = 0;           // 1-based, counted as the prize report counts rows
        qsizetype start = 0;   // the line within `text`
        qsizetype length = 0;
        int firstWin = 0;      // its wins in `wins`, by draw
        int winCount = 0;
    };
    struct Win {
        int draw = 0;
        int level = 0;  // 1..6
    };
    QString text;                                // the box as the check reads it
    std::vector<Row> rows;                       // the lines that won at least once
    std::vector<Win> wins;
    std::vector<std::array<int, 7>> perDraw;     // per draw: lines won at each level 1..6
    std::vector<bool> repeated;                  // per draw: the same as an earlier one, not counted
    int errorFree = 0;                           // complete lines
    int faulty = 0;                              // incomplete and empty lines

    QString line(size_t row) const { return text.mid(rows[row].start, rows[row].length); }
    // The level a winning row reached against a draw, 0 for none.
    int level(size_t row, int draw) const;
};

MultiDrawResult checkAgainstDraws(const QString& ticketBox, const std::vector<Draw>& draws);

// The result in words: per draw (named by `drawLabels`, in the same order) how many lines
// won each level, what the checked lines cost and won with it (`announced` holds each
// draw's floating amounts, none when shorter), then the totals.
QString multiDrawSummary(const MultiDrawResult& result, const QStringList& drawLabels,
                         const std::vector<tickets::FloatingAmounts>& announced = {});

}  // namespace history
