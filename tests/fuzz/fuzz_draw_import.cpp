// Reading pasted draws on any text: every line is a draw, refused or skipped; every draw
// is valid; and the export of what was read reads back to the same draws.
#include "fuzz_input.h"
#include "history/draw_import.h"
#include "messages/message_text.h"

#include <algorithm>

namespace {

// The lines of a text, counted apart from the reader: LF, CR LF and CR end a line, and a
// final empty piece is no line.
int lineCount(const QString& text)
{
    int lines = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' || (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')))
            ++lines;
    }
    const bool openLast = !text.isEmpty() && text.back() != u'\n' && text.back() != u'\r';
    return lines + int(openLast);
}

bool validDraw(const history::ImportedDraw& d)
{
    quint64 used = 0;
    for (const int n : d.draw.numbers) {
        if (n < 1 || n > 36 || (used & (quint64(1) << n)))
            return false;
        used |= quint64(1) << n;
    }
    const bool issueOk = d.issue.isEmpty() || (d.issue.size() >= 5 && d.issue.size() <= 7
                                               && std::all_of(d.issue.begin(), d.issue.end(), [](QChar c) {
                                                      return c >= u'0' && c <= u'9';
                                                  }));
    const bool dateOk = d.date.isNull() || (d.date.isValid() && d.date.year() >= 1900 && d.date.year() <= 2099);
    return issueOk && dateOk;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const history::DrawImport r = history::importDraws(text);
    fuzz::require(r.lines == lineCount(text), "the lines are counted as the text has them");
    fuzz::require(int(r.draws.size() + r.refused.size()) + r.skipped == r.lines, "every line is accounted for");
    int previous = 0;
    for (const history::ImportedDraw& d : r.draws) {
        fuzz::require(validDraw(d), "every draw read is valid");
        fuzz::require(d.line > previous && d.line <= r.lines, "draws keep their line order");
        previous = d.line;
    }
    for (const history::RefusedLine& l : r.refused)
        fuzz::require(!l.reason.isEmpty() && l.line >= 1 && l.line <= r.lines && messages::brToLineBreaks(l.text).size() <= messages::kQuotedLineLength + 1,
                      "a refused line has its reason and a short quote");

    const history::DrawImport again = history::importDraws(history::exportText(r.draws));
    fuzz::require(again.draws.size() == r.draws.size() && again.refused.empty() && again.skipped == 0,
                  "the export reads back, one draw a line");
    for (size_t i = 0; i < r.draws.size(); ++i)
        fuzz::require(again.draws[i].draw.numbers == r.draws[i].draw.numbers && again.draws[i].issue == r.draws[i].issue
                          && again.draws[i].date == r.draws[i].date,
                      "the export reads back to the same draws");
    return 0;
}
