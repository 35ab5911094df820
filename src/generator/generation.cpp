#include "generator/generation.h"

#include "tickets/ticket_text.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numeric>

namespace generator {

namespace {

// "01 " … "36 ": each number as the ticket text writes it, made once.
const std::array<QString, kHighestNumber + 1>& numberTexts()
{
    static const auto table = [] {
        std::array<QString, kHighestNumber + 1> t;
        for (int n = 1; n <= kHighestNumber; ++n)
            t[n] = tickets::numberText(n) + QLatin1Char(' ');
        return t;
    }();
    return table;
}

bool isPlaced(int x) { return x >= 1 && x <= kHighestNumber; }

// floor() for values well inside the int range, without a library call.
inline int floorToInt(double x)
{
    const int t = int(x);
    return t - (x < double(t));
}

// floor(r × span + low): the custom draw, span = high − low + 1.
inline int drawInRange(float r, int low, double span)
{
    return floorToInt(double(r) * span + double(low));
}

// floor(r × 4 + 1): the upward step of a rejected value, 1..4.
inline int nudgeStep(float r)
{
    return floorToInt(double(r) * 4.0 + 1.0);
}

// The value rounded to hundredths, half up, exactly as the double stands (the rounding
// the locale's "%.2f" formatting applies), for 0 <= value <= 100.
quint64 hundredthsHalfUp(double value)
{
    if (!(value > 0))
        return 0;
    int exponent = 0;
    const double mantissa = std::frexp(value, &exponent);  // value = mantissa × 2^exponent
    const quint64 m = quint64(std::ldexp(mantissa, 53));    // value = m × 2^(exponent − 53)
    const quint64 scaled = m * 100;                          // < 2^60 for values up to 100
    const int shift = 53 - exponent;
    if (shift <= 0)
        return scaled << -shift;
    if (shift >= 64)
        return 0;
    const quint64 whole = scaled >> shift;
    const quint64 rest = scaled & ((quint64(1) << shift) - 1);
    return whole + (rest >= (quint64(1) << (shift - 1)) ? 1 : 0);
}

// A run of exactly one line has its own captions and no line break; a count of
// zero or below produces nothing.
int linesFor(int lineCount) { return lineCount == 1 ? 1 : std::max(0, lineCount); }

using Line = std::array<int, kNumbersPerLine>;

// The rejection tests of a value against the numbers before `position` in its line.
Rejections testAgainstEarlier(const Settings& s, int value, int position, const Line& x)
{
    int neighbours = 0;
    int equals = 0;
    if (value > 0) {
        for (int j = 0; j < position; ++j) {
            if (x[j] <= 0)
                continue;
            const int d = value - x[j];
            neighbours += (d == 1 || d == -1);
            equals += (d == 0);
        }
    }
    return rejectionTests(neighbours, equals, s.consecutiveLimit, s.equalLimit);
}

// Whether some number of a finished line fails a test against the numbers before it.
bool breaksLimits(const Settings& s, const Line& x)
{
    for (int position = 0; position < kNumbersPerLine; ++position)
        if (testAgainstEarlier(s, x[position], position, x).count() > 0)
            return true;
    return false;
}

// One number of a custom line: draws until the value is placed or the budget is spent,
// then clamps it into 1..36.
int drawCustomNumber(const Settings& s, int position, const Line& x, RandomSource& random,
                     qint64& attempts)
{
    const int low = s.low[position];
    const double span = double(s.high[position]) - double(low) + 1.0;
    int value = 0;
    int budget = s.attemptBudget;
    while (!isPlaced(value) && budget > 0) {
        --budget;
        ++attempts;
        value = drawInRange(random.next(), low, span);
        const Rejections t = testAgainstEarlier(s, value, position, x);
        if (budget > 1) {
            if (t.count() > 0)
                value = 0;
            continue;
        }
        // The last two attempts: each failed test lifts the value by its own step, and
        // the lifted value is kept without another test.
        for (bool failed : {t.t1, t.t2, t.t3, t.t4})
            if (failed)
                value += nudgeStep(random.next());
    }
    return std::clamp(value, 1, kHighestNumber);
}

}  // namespace

// ---- random source ----

UniformRandom::UniformRandom(quint64 seed)
{
    std::seed_seq seq{quint32(seed), quint32(seed >> 32)};
    m_engine.seed(seq);
}

quint64 UniformRandom::clockSeed()
{
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
    return quint64(wall) ^ (quint64(steady) << 21);
}

float UniformRandom::next()
{
    // The top 24 bits: every value k / 2^24 with k in 0 .. 2^24 − 1, exactly a float.
    return float(m_engine() >> 8) * (1.0f / 16777216.0f);
}

// ---- formulas ----

int customDraw(float r, int low, int high)
{
    return drawInRange(r, low, double(high) - double(low) + 1.0);
}

int nudge(float r)
{
    return nudgeStep(r);
}

Rejections rejectionTests(int neighbours, int equals, int consecutiveLimit, int equalLimit)
{
    Rejections t;
    t.t1 = consecutiveLimit != 0 && neighbours >= consecutiveLimit - 1;
    t.t2 = equalLimit != 0 && equals >= equalLimit - 1;
    t.t3 = consecutiveLimit == 0 && neighbours >= 1;
    t.t4 = equalLimit == 0 && equals >= 1;
    return t;
}

// ---- captions ----

QString numberCaption(int tens)
{
    return QStringLiteral("正在生成 ") + QString::number(tens) + QStringLiteral("0%");
}

LineCaptions::LineCaptions(const QLocale& locale)
    : m_locale(locale),
      m_decimalPoint(locale.decimalPoint()),
      m_plainDigits(locale.zeroDigit() == QLatin1String("0"))
{
}

QString LineCaptions::caption(int k, int n) const
{
    static const QString prefix = QStringLiteral("正在生成 ");
    const double percent = double(k) / double(n) * 100.0;
    if (!m_plainDigits || percent < 0 || percent > 100)
        return prefix + m_locale.toString(percent, 'f', 2) + QLatin1Char('%');
    // A percentage has no group separator, so the locale adds only its decimal point.
    const quint64 h = hundredthsHalfUp(percent);
    const int whole = int(h / 100);
    QString text;
    text.reserve(prefix.size() + m_decimalPoint.size() + 6);
    text += prefix;
    if (whole >= 100)
        text += QLatin1Char('0' + whole / 100);
    if (whole >= 10)
        text += QLatin1Char('0' + whole / 10 % 10);
    text += QLatin1Char('0' + whole % 10);
    text += m_decimalPoint;
    text += QLatin1Char('0' + h % 100 / 10);
    text += QLatin1Char('0' + h % 10);
    text += QLatin1Char('%');
    return text;
}

QString lineCaption(int k, int n, const QLocale& locale)
{
    return LineCaptions(locale).caption(k, n);
}

// ---- runs ----

Output generateAutomatic(qint16 lineCount, RandomSource& random, const CaptionSink& caption)
{
    const auto& texts = numberTexts();
    const int lines = linesFor(lineCount);
    const bool oneLine = lineCount == 1;
    Output out;
    out.text.reserve(lines * (kNumbersPerLine * 3 + 2));
    std::array<int, kHighestNumber> pool;
    for (int k = 0; k < lines; ++k) {
        // Seven picks without replacement: every ordered choice of seven different
        // numbers is equally likely, so each number of 1..36 is too.
        std::iota(pool.begin(), pool.end(), 1);
        for (int j = 0; j < kNumbersPerLine; ++j) {
            const int remaining = kHighestNumber - j;
            const int i = std::clamp(int(std::floor(double(random.next()) * remaining)), 0,
                                     remaining - 1);
            out.text += texts[pool[i]];
            pool[i] = pool[remaining - 1];
            ++out.attempts;
            if (oneLine && caption)
                caption(numberCaption(j + 1));
        }
        if (!oneLine)
            out.text += tickets::kCrLf;
    }
    out.lines = qint16(lines);
    return out;
}

Output generateCustom(const Settings& settings, RandomSource& random, const CaptionSink& caption,
                      const QLocale& locale)
{
    const auto& texts = numberTexts();
    const LineCaptions captions(locale);
    const int lines = linesFor(settings.lineCount);
    const bool oneLine = settings.lineCount == 1;
    Output out;
    out.text.reserve(lines * (kNumbersPerLine * 3 + 2));
    qint64 broken = 0;
    for (int k = 1; k <= lines; ++k) {
        Line x{};
        for (int position = 0; position < kNumbersPerLine; ++position) {
            x[position] = drawCustomNumber(settings, position, x, random, out.attempts);
            out.text += texts[x[position]];
            if (oneLine && caption)
                caption(numberCaption(position));
        }
        broken += breaksLimits(settings, x);
        if (!oneLine) {
            out.text += tickets::kCrLf;
            if (caption)
                caption(captions.caption(k, settings.lineCount));
        }
    }
    out.lines = qint16(lines);
    out.brokenLines = tickets::clampToInt16(broken);
    return out;
}

}  // namespace generator
