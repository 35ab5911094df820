// The ticket data text: numbers of two digits each followed by one space,
// lines joined by CR LF, an input marker "←" at the end while numbers are keyed.
// Every reader of that text goes through these few functions.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>

namespace tickets {

inline const QString kCrLf = QStringLiteral("\r\n");
inline const QChar kMarker = QChar(0x2190);  // "←"
// Shown after a winning single line; like the input marker it is never part of the tickets.
inline const QString kPrizeMark = QStringLiteral(" 已中奖");

// The text with every input marker and every prize mark removed, wherever they stand.
QString removeMarkers(const QString& text);

// Replaces every "  " by " ", left to right over non-overlapping pairs, `passes` times.
QString collapseSpaces(QString text, int passes);

// The prize check and the save clean a text the same way: no marker, five collapsing passes.
QString cleanTicketText(const QString& text);

// Whether two ticket texts hold the same tickets, whatever their display form: markers
// are removed, runs of spaces count as one, spaces at the end of a line and empty lines
// do not count.
bool sameTickets(const QString& a, const QString& b);

// Splits at every CR LF; empty elements are kept.
QStringList splitLines(const QString& text);

// Splits a line at every single space; empty fields are kept.
QStringList splitFields(const QString& line);

// The one numeric test: an optional sign, digits with at most one decimal point
// (at least one digit), nothing else. "07", "+5", "-3", "5." pass; "", "x5", "—", " 5" fail.
bool isNumeric(QStringView field);

// A number field as the readers want it: exactly two characters and numeric.
bool isNumberField(QStringView field);

// The integer value of a numeric field, rounded half to even (2.5 → 2, 3.5 → 4).
// Returns false when the text is not numeric or the value leaves the 16-bit range.
bool toInt16Rounded(QStringView text, qint16* value);

// Two decimal digits with a leading "0" below 10: 7 → "07", 36 → "36".
QString numberText(int value);

// Number of CR LF pairs in a text.
int countLineBreaks(const QString& text);

// The first eight fields of a line, as views into it (no copies: a box may hold tens
// of thousands of lines). Fields beyond the eighth are never looked at.
struct LineFields {
    std::array<QStringView, 8> field;
    int count = 0;  // fields found, at most eight

    explicit LineFields(QStringView line);
    // A complete line: its first seven fields are all present (the seventh is the
    // special number, without which no prize can be known).
    bool complete() const;
};

// Keeps a value of a wider type inside the 16-bit signed range.
qint16 clampToInt16(qint64 value);

}  // namespace tickets
