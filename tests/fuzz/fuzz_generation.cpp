// The generation with any settings its fields can hold, drawing from the fuzzer's bytes.
#include "fuzz_input.h"
#include "generator/generation.h"
#include "generator/settings.h"
#include "tickets/ticket_text.h"

namespace {

// Draws come from the input's bytes, then repeat a fixed cycle.
class BytesRandom final : public generator::RandomSource {
public:
    BytesRandom(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    float next() override
    {
        const unsigned v = m_pos < m_size ? m_data[m_pos] : unsigned(m_pos * 37 % 256);
        ++m_pos;
        return float(v) / 256.0f;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// What a field can hold: digits only, as its pad keys them. The line count is kept to one
// digit and the budget to two so that a run stays short: lines are drawn independently,
// and nine reach every branch of the run and its captions (long runs are benchmarked).
QString shortField(const QString& text, int digits)
{
    QString field;
    for (const QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9') && field.size() < digits)
            field += c;
    return field;
}

void requireTicketLines(const generator::Output& out)
{
    int count = 0;
    for (const QStringView line : QStringView(out.text).split(tickets::kCrLf)) {
        if (line.isEmpty())
            continue;
        ++count;
        const tickets::LineFields fields(line);
        // Seven numbers, each followed by its space: the eighth field is empty.
        fuzz::require(fields.count == 8 && fields.field[7].isEmpty(), "a generated line has seven numbers");
        for (int i = 0; i < 7; ++i) {
            const int n = fields.field[i].toInt();
            fuzz::require(fields.field[i].size() == 2 && n >= 1 && n <= 36,
                          "a generated number is 01..36");
        }
    }
    fuzz::require(count == out.lines, "every generated line is counted");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Sixteen fields of digits (line count, 7 low, 7 high bounds, A, B, budget), then the draws.
    const QList<QString> in = fuzz::texts(data, size, 18);
    generator::SettingsTexts texts;
    texts.lineCount = shortField(in[0], 1);
    for (int i = 0; i < generator::kNumbersPerLine; ++i) {
        texts.low[i] = shortField(in[1 + i], 2);
        texts.high[i] = shortField(in[8 + i], 2);
    }
    texts.consecutive = shortField(in[15], 1);
    texts.equal = shortField(in[16], 1);
    texts.budget = shortField(in[17], 2);
    generator::refillDefaults(texts, generator::kNoField);
    generator::repairRanges(texts, generator::kNoField);
    const generator::Settings settings = generator::readSettings(texts);
    BytesRandom random(data, size);
    const auto ignore = [](const QString&) {};
    requireTicketLines(generator::generateCustom(settings, random, ignore, QLocale::c()));
    requireTicketLines(generator::generateAutomatic(settings.lineCount, random, ignore));
    return 0;
}
