// The generator's settings as its fields hold them: texts of decimal digits, each with
// a field code (the value of ToText1 while it is being keyed). Empty fields are refilled
// with their defaults and inverted ranges repaired, skipping the field being keyed.
#pragma once

#include "generator/generation.h"

#include <QString>
#include <array>

namespace generator {

inline constexpr qint16 kNoField = 0;
inline constexpr qint16 kLineCountField = 1;     // AllBuy1
inline constexpr qint16 kConsecutiveField = 200; // NumSet1
inline constexpr qint16 kEqualField = 300;       // NumSet2
inline constexpr qint16 kBudgetField = 400;      // ErrForNum
// Low and high bound boxes of ticket position 1..7: 11, 21, … 71 and 12, 22, … 72.
constexpr qint16 lowField(int position) { return qint16(position * 10 + 1); }
constexpr qint16 highField(int position) { return qint16(position * 10 + 2); }
constexpr bool isLowField(qint16 code) { return code >= 11 && code <= 71 && code % 10 == 1; }
constexpr bool isHighField(qint16 code) { return code >= 12 && code <= 72 && code % 10 == 2; }
constexpr int positionOf(qint16 code) { return code / 10; }

inline constexpr int kLargestSetting = 32767;

struct SettingsTexts {
    QString lineCount = QStringLiteral("25");
    std::array<QString, kNumbersPerLine> low{"1", "1", "1", "1", "1", "1", "1"};
    std::array<QString, kNumbersPerLine> high{"36", "36", "36", "36", "36", "36", "36"};
    QString consecutive = QStringLiteral("0");
    QString equal = QStringLiteral("0");
    QString budget = QStringLiteral("100");
};

// Every empty field gets its default text, except the field whose code is `skip`.
void refillDefaults(SettingsTexts& texts, qint16 skip);

// A row whose low bound is not below its high bound gets the high bound "36"; a row
// is left alone while either of its boxes is the one being keyed (`skip`).
void repairRanges(SettingsTexts& texts, qint16 skip);

// A field's value as a 16-bit integer. Digits beyond the range read as 32767 and set
// `clamped`; an empty or non-numeric text reads as 0.
qint16 readSetting(const QString& text, bool* clamped = nullptr);

// The values of the fields; `clamped` tells whether the line count or the budget was
// larger than the program can count.
Settings readSettings(const SettingsTexts& texts, bool* clamped = nullptr);

}  // namespace generator
