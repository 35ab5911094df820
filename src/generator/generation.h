// Generation of random ticket lines. Two modes:
// - automatic: seven different numbers per line, each of 01..36 equally likely;
// - custom: each number from its own inclusive range, redrawn while it repeats or
//   neighbours earlier numbers of its line beyond the limits, within an attempt budget;
//   the last two attempts nudge a rejected value upwards instead, and a value still not
//   in 1..36 is clamped into it.
// The random source is injected so that tests can script every draw.
#pragma once

#include "tickets/ticket_line.h"

#include <QLocale>
#include <QString>
#include <QtGlobal>
#include <array>
#include <functional>
#include <random>

namespace generator {

using tickets::kHighestNumber;
using tickets::kNumbersPerLine;

// A uniform source of r in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

// The program's source: a Mersenne Twister giving 24-bit (single-precision) values.
class UniformRandom final : public RandomSource {
public:
    explicit UniformRandom(quint64 seed);
    // A seed taken from the system clock.
    static quint64 clockSeed();
    float next() override;

private:
    std::mt19937 m_engine;
};

struct Settings {
    qint16 lineCount = 25;
    std::array<qint16, kNumbersPerLine> low{1, 1, 1, 1, 1, 1, 1};
    std::array<qint16, kNumbersPerLine> high{36, 36, 36, 36, 36, 36, 36};
    qint16 consecutiveLimit = 0;  // A
    qint16 equalLimit = 0;        // B
    qint16 attemptBudget = 100;   // draws per number
};

struct Output {
    QString text;         // the ticket lines
    qint16 lines = 0;     // lines produced
    qint64 attempts = 0;  // draws of a number (nudges not counted)
    // Custom mode: lines in which some number, as placed, fails a rejection test against
    // the earlier numbers of its line (left by a nudge or the clamp when the budget ran out).
    qint16 brokenLines = 0;
};

// Receives each progress caption at the moment the run sets it.
using CaptionSink = std::function<void(const QString&)>;

// ---- the formulas, one draw of r each ----
// A custom draw from low to high inclusive: floor(r × (high − low + 1) + low).
int customDraw(float r, int low, int high);
// The upward step of a rejected value in the last two attempts: 1..4.
int nudge(float r);

// The four rejection tests of a new number against its neighbour and equal counts.
struct Rejections {
    bool t1 = false;  // A ≠ 0 and neighbours ≥ A − 1
    bool t2 = false;  // B ≠ 0 and equals ≥ B − 1
    bool t3 = false;  // A = 0 and neighbours ≥ 1
    bool t4 = false;  // B = 0 and equals ≥ 1
    int count() const { return int(t1) + int(t2) + int(t3) + int(t4); }
};
Rejections rejectionTests(int neighbours, int equals, int consecutiveLimit, int equalLimit);

// ---- captions ----
// "正在生成 " + tens + "0%": the one-line runs, after each number.
QString numberCaption(int tens);
// "正在生成 " + k ÷ n × 100 with two decimal places in the locale + "%", as the locale
// formats it; made without a locale look-up per line, since a run may have 32,767 lines.
class LineCaptions {
public:
    explicit LineCaptions(const QLocale& locale);
    QString caption(int k, int n) const;

private:
    QLocale m_locale;
    QString m_decimalPoint;
    bool m_plainDigits;
};
QString lineCaption(int k, int n, const QLocale& locale);
inline const QString kFirstCaption = QStringLiteral("正在生成 1%");

// ---- the runs ----
Output generateAutomatic(qint16 lineCount, RandomSource& random, const CaptionSink& caption);
Output generateCustom(const Settings& settings, RandomSource& random, const CaptionSink& caption,
                      const QLocale& locale = QLocale());

}  // namespace generator
