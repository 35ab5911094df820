#include "generator/settings.h"

#include "tickets/ticket_text.h"

namespace generator {

namespace {

void refillField(QString& text, const QString& defaultText, qint16 code, qint16 skip)
{
    if (code != skip && text.isEmpty())
        text = defaultText;
}

}  // namespace

void refillDefaults(SettingsTexts& texts, qint16 skip)
{
    const SettingsTexts defaults;
    refillField(texts.lineCount, defaults.lineCount, kLineCountField, skip);
    for (int k = 0; k < kNumbersPerLine; ++k)
        refillField(texts.low[k], defaults.low[k], lowField(k + 1), skip);
    for (int k = 0; k < kNumbersPerLine; ++k)
        refillField(texts.high[k], defaults.high[k], highField(k + 1), skip);
    refillField(texts.consecutive, defaults.consecutive, kConsecutiveField, skip);
    refillField(texts.equal, defaults.equal, kEqualField, skip);
    refillField(texts.budget, defaults.budget, kBudgetField, skip);
}

void repairRanges(SettingsTexts& texts, qint16 skip)
{
    for (int k = 0; k < kNumbersPerLine; ++k) {
        if (skip == lowField(k + 1) || skip == highField(k + 1))
            continue;
        if (readSetting(texts.low[k]) >= readSetting(texts.high[k]))
            texts.high[k] = QStringLiteral("36");
    }
}

qint16 readSetting(const QString& text, bool* clamped)
{
    qint16 value = 0;
    if (tickets::toInt16Rounded(text, &value))
        return value;
    if (!tickets::isNumeric(text))
        return 0;
    // Numeric but outside the 16-bit range: keep the nearest end of the range.
    if (clamped)
        *clamped = true;
    return text.startsWith(QLatin1Char('-')) ? qint16(-32768) : qint16(kLargestSetting);
}

Settings readSettings(const SettingsTexts& texts, bool* clamped)
{
    Settings s;
    bool over = false;
    s.lineCount = readSetting(texts.lineCount, &over);
    for (int k = 0; k < kNumbersPerLine; ++k) {
        s.low[k] = readSetting(texts.low[k]);
        s.high[k] = readSetting(texts.high[k]);
    }
    s.consecutiveLimit = readSetting(texts.consecutive);
    s.equalLimit = readSetting(texts.equal);
    s.attemptBudget = readSetting(texts.budget, &over);
    if (clamped)
        *clamped = over;
    return s;
}

}  // namespace generator
