// The draw history's reader and writer on any bytes, as they are read from draws.txt: a
// rewrite reads back the same entries and rewrites to the same bytes, every unreadable
// line is written back byte for byte, and remembering a draw keeps each draw once.
#include "fuzz_input.h"
#include "history/draw_history.h"

#include <QSet>
#include <QStringEncoder>

namespace {

bool sameEntries(const history::History& a, const history::History& b)
{
    if (a.entries.size() != b.entries.size())
        return false;
    for (size_t i = 0; i < a.entries.size(); ++i) {
        const history::Entry& x = a.entries[i];
        const history::Entry& y = b.entries[i];
        if (x.draw.has_value() != y.draw.has_value() || (x.draw && x.draw->numbers != y.draw->numbers)
            || x.dateTime != y.dateTime || x.unreadable != y.unreadable)
            return false;
    }
    return true;
}

bool eachDrawOnce(const history::History& h)
{
    QSet<quint64> seen;
    for (const history::Entry& e : h.entries) {
        if (!e.draw)
            continue;
        if (seen.contains(e.draw->key()))
            return false;
        seen.insert(e.draw->key());
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const history::LoadResult read = history::historyOfBytes(bytes);
    if (!read.ok)
        return 0;
    const history::History& h = read.history;
    fuzz::require(eachDrawOnce(h), "each draw is read once");
    const QByteArray rewritten = archive::encodeText(history::historyText(h), h.encoding);
    const history::LoadResult again = history::historyOfBytes(rewritten);
    fuzz::require(again.ok && sameEntries(h, again.history), "a rewrite reads back the same entries");
    fuzz::require(archive::encodeText(history::historyText(again.history), again.history.encoding) == rewritten,
                  "a second rewrite writes the same bytes");
    for (const history::Entry& e : h.entries) {
        if (e.draw)
            continue;
        const QByteArray line = h.encoding.gb18030 ? QByteArray(QStringEncoder("GB18030").encode(e.unreadable))
                                                   : e.unreadable.toUtf8();
        fuzz::require(bytes.contains(line) && rewritten.contains(line + "\r\n"),
                      "an unreadable line is written back byte for byte");
    }

    history::History remembered = h;
    const history::Draw draw = *history::parseDraw(QStringLiteral("01 02 03 04 05 06 07"));
    const bool held = h.holds(draw);
    const history::Remembered r = history::remember(remembered, draw, QStringLiteral("2026/1/1 0:00:00"));
    fuzz::require(r.added != held && eachDrawOnce(remembered), "a draw is added once");
    fuzz::require(remembered.drawCount() == h.drawCount() + int(r.added) - r.dropped,
                  "every dropped draw is counted");
    return 0;
}
