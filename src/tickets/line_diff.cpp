#include "tickets/line_diff.h"

#include <algorithm>

namespace lines {

namespace {

// The end of the line that starts at `start` (the text's length for the last line).
qsizetype lineEnd(QStringView text, qsizetype start)
{
    const qsizetype end = text.indexOf(QLatin1Char('\n'), start);
    return end < 0 ? text.size() : end;
}

// The edit that turns line `a` (at `position`) into line `b`, if they differ.
std::optional<TextEdit> lineEdit(QStringView a, QStringView b, qsizetype position)
{
    const qsizetype shorter = std::min(a.size(), b.size());
    const qsizetype head = std::mismatch(a.begin(), a.begin() + shorter, b.begin()).first - a.begin();
    if (head == a.size() && head == b.size())
        return std::nullopt;
    const qsizetype tail = std::mismatch(a.rbegin(), a.rbegin() + (shorter - head), b.rbegin()).first
                           - a.rbegin();
    return TextEdit{position + head, a.size() - head - tail,
                    b.mid(head, b.size() - head - tail).toString()};
}

}  // namespace

std::optional<std::vector<TextEdit>> lineDiff(QStringView before, QStringView after,
                                              qsizetype limit)
{
    std::vector<TextEdit> edits;
    qsizetype changed = 0;
    qsizetype a = 0;  // start of the current line in `before`
    qsizetype b = 0;  // and in `after`
    for (;;) {
        const qsizetype aEnd = lineEnd(before, a);
        const qsizetype bEnd = lineEnd(after, b);
        const bool aLast = aEnd == before.size();
        const bool bLast = bEnd == after.size();
        if (aLast || bLast) {
            // The rest of the longer text, from this line on, against the last line of the other.
            std::optional<TextEdit> edit = lineEdit(before.mid(a), after.mid(b), a);
            if (edit) {
                changed += edit->removed + edit->inserted.size();
                edits.push_back(std::move(*edit));
            }
            break;
        }
        if (std::optional<TextEdit> edit = lineEdit(before.mid(a, aEnd - a), after.mid(b, bEnd - b), a)) {
            changed += edit->removed + edit->inserted.size();
            edits.push_back(std::move(*edit));
        }
        if (changed > limit)
            return std::nullopt;
        a = aEnd + 1;
        b = bEnd + 1;
    }
    if (changed > limit)
        return std::nullopt;
    std::reverse(edits.begin(), edits.end());
    return edits;
}

}  // namespace lines
