// Reading past draws from pasted text or a text/CSV file, one draw a line, in the forms
// people copy them in, and the one line form the program exports, which reads back to
// the same draws. Text in, values out: the caller reads the file or the clipboard.
//
// How a line is read, in one pass over its characters:
// - Separators: anything that is neither a digit nor a letter: blanks, tabs, "," "，" "、"
//   "|" "+" "#", colons, brackets, quotes of a CSV file. Full-width digits count as digits.
// - A run of digits touching a letter (Chinese or Latin) belongs to a word and is not read:
//   "36选7", "号码1", "3注", "5元", "第1页". Exceptions: "第2026140期" and "2026140期" are
//   期号, "2026年12月1日" is a date.
// - Dates: 2026-12-01, 2026/12/1, 2026.12.1 (one separator throughout), 2026年12月1日, and
//   eight digits beginning with 19 or 20 (20261201); the year must lie in 1900..2099. A
//   date that does not exist refuses the line.
// - Times (21:30, 21：30:05) and other figures (3 or 4 digits, grouped "12,345,678",
//   decimals "1.5", 8 digits not a date, 9 digits or more) are not numbers.
// - 期号: a run of 5 to 7 digits; marked by 期 (or 第…期) it must have 5 to 7 digits.
//   A six-digit run is a 期号, never a date.
// - Numbers: runs of one or two digits (7 = 07); the seventh is the special number.
//   Labels between them ("开奖号码：", "特别号：") are passed over.
// - The numbers of a draw stand together after its 期号 and date: a 期号 or a date after
//   the first number starts the numbers afresh (what came before was a serial column).
// - The draw ends with its seventh number. A number right after it makes the line one of
//   too many numbers; anything else after it (a word, a figure, a time, a later date or
//   期号: the sales, prize and deadline columns of a web table row) is not read.
// - Between the first number and the seventh, a figure counts as a number out of range.
// - The first 期号 and the first date are the draw's; a second, different one refuses the
//   line. Figures, times and words before the numbers are passed over.
// A line with no number, no 期号 and no date (empty, a header, a title) is skipped; any
// other line gives a draw or is refused with its reason.
#pragma once

#include "history/draw_history.h"

#include <QDate>
#include <QString>
#include <QStringView>
#include <vector>

namespace history {

struct ImportedDraw {
    int line = 0;   // 1-based line of the text
    Draw draw;      // the numbers in the order written, the seventh the special number
    QString issue;  // 期号 in ASCII digits, 5 to 7 of them; "" when the line has none
    QDate date;     // draw date; null when the line has none
};

struct RefusedLine {
    int line = 0;    // 1-based line of the text
    QString text;    // the line as a message quotes it (messages::quotedLine)
    QString reason;  // short, Chinese, for the user: "号码37不在01到36之间"
};

struct DrawImport {
    std::vector<ImportedDraw> draws;  // in the order of the text
    std::vector<RefusedLine> refused;
    int skipped = 0;                  // empty lines and lines without a draw (headers)
    int lines = 0;                    // lines of the text: draws + refused + skipped
};

// Reads every line of the text. Lines end with LF, CR LF or CR; a final empty piece after
// the last line end is no line. The same draw twice, or a 期号 twice, is left to the
// merge into the history.
DrawImport importDraws(QStringView text);

// The export line: "2026140 2026-12-01 01 02 03 04 05 06 07"; the 期号 and the date are
// left out when unknown. `issue` is "" or 5 to 7 ASCII digits.
QString exportLine(const QString& issue, const QDate& date, const Draw& draw);
// The export of the draws: each line followed by CR LF.
QString exportText(const std::vector<ImportedDraw>& draws);

}  // namespace history
