#include "history/draw_import.h"

#include "messages/message_text.h"
#include "tickets/ticket_text.h"

#include <array>

namespace history {

namespace {

constexpr char16_t kIssueMark = u'期';
constexpr char16_t kOrdinalMark = u'第';
constexpr int kShortestIssue = 5;
constexpr int kLongestIssue = 7;

// 0..9 for an ASCII or a full-width digit, -1 for anything else.
int digitOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'０' && u <= u'９')
        return u - u'０';
    return -1;
}

bool isDigit(QChar c)
{
    return digitOf(c) >= 0;
}

bool isLetter(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
    return c.isLetter();
}

// What a run of digits, with what it is glued to, stands for.
enum class Kind { Number, Figure, Issue, BadIssue, Date, BadDate, Passed };

struct Token {
    Kind kind = Kind::Passed;
    QStringView text;  // the digits as written
    int value = 0;     // a Number's value
    QDate date;        // a Date's day
};

// Reads the tokens of one line; characters that are no digit are passed over, since
// only a run of digits can be a number, a 期号 or a date.
class LineScanner {
public:
    explicit LineScanner(QStringView line) : s_(line) {}

    bool next(Token& token)
    {
        while (at_ < s_.size() && !isDigit(s_[at_]))
            ++at_;
        if (at_ >= s_.size())
            return false;
        const qsizetype start = at_;
        token = read(start);
        token.text = s_.mid(start, at_ - start);
        return true;
    }

private:
    QChar charAt(qsizetype i) const { return i >= 0 && i < s_.size() ? s_[i] : QChar(); }

    qsizetype runEnd(qsizetype i) const
    {
        while (i < s_.size() && isDigit(s_[i]))
            ++i;
        return i;
    }

    int valueOf(qsizetype from, qsizetype to) const
    {
        int v = 0;
        for (qsizetype i = from; i < to; ++i)
            v = v * 10 + digitOf(s_[i]);
        return v;
    }

    // A run of `min`..`max` digits at `i`: its value, and `i` moved past it; -1 when none.
    int shortRun(qsizetype& i, int min, int max) const
    {
        const qsizetype end = runEnd(i);
        if (end - i < min || end - i > max)
            return -1;
        const int v = valueOf(i, end);
        i = end;
        return v;
    }

    static Token dateToken(int year, int month, int day)
    {
        Token t;
        const bool real = year >= 1900 && year <= 2099 && QDate::isValid(year, month, day);
        t.kind = real ? Kind::Date : Kind::BadDate;
        if (real)
            t.date = QDate(year, month, day);
        return t;
    }

    // 2026-12-01, 2026/12/1, 2026.12.1 or 2026年12月1日 after the year's four digits.
    bool readDate(qsizetype yearEnd, Token& token)
    {
        const QChar sep = charAt(yearEnd);
        const bool chinese = sep == u'年';
        if (!chinese && sep != u'-' && sep != u'/' && sep != u'.')
            return false;
        qsizetype i = yearEnd + 1;
        const int month = shortRun(i, 1, 2);
        if (month < 0 || charAt(i) != (chinese ? QChar(u'月') : sep))
            return false;
        ++i;
        const int day = shortRun(i, 1, 2);
        if (day < 0 || (chinese && charAt(i) != u'日'))
            return false;
        token = dateToken(valueOf(at_, yearEnd), month, day);
        at_ = chinese ? i + 1 : i;
        return true;
    }

    // 21:30 or 21:30:05, with ASCII or full-width colons.
    bool readTime(qsizetype hourEnd)
    {
        qsizetype i = hourEnd;
        int parts = 0;
        while ((charAt(i) == u':' || charAt(i) == u'：') && isDigit(charAt(i + 1))) {
            qsizetype j = i + 1;
            if (shortRun(j, 1, 2) < 0)
                break;
            i = j;
            ++parts;
        }
        if (parts == 0)
            return false;
        at_ = i;
        return true;
    }

    // 12,345,678 and 1.5: amounts, never numbers of a draw.
    bool readGroupedOrDecimal(qsizetype runStart, qsizetype end)
    {
        qsizetype i = end;
        if (end - runStart <= 3) {
            while (charAt(i) == u',' && runEnd(i + 1) - (i + 1) == 3)
                i = runEnd(i + 1);
        }
        if (charAt(i) == u'.' && isDigit(charAt(i + 1)))
            i = runEnd(i + 1);
        if (i == end)
            return false;
        at_ = i;
        return true;
    }

    Token read(qsizetype start)
    {
        const qsizetype end = runEnd(start);
        const int length = int(end - start);
        Token token;
        if (length == 4 && readDate(end, token))
            return token;
        if (length <= 2 && readTime(end))
            return token;
        if (readGroupedOrDecimal(start, end)) {
            token.kind = Kind::Figure;
            return token;
        }
        at_ = end;
        const QChar before = charAt(start - 1);
        const QChar after = charAt(end);
        const bool issueLength = length >= kShortestIssue && length <= kLongestIssue;
        if (before == kOrdinalMark && after == kIssueMark) {
            token.kind = issueLength ? Kind::Issue : Kind::BadIssue;
        } else if (after == kIssueMark && issueLength && !isLetter(before)) {
            token.kind = Kind::Issue;
        } else if (isLetter(before) || isLetter(after)) {
            token.kind = Kind::Passed;  // part of a word
        } else if (length <= 2) {
            token.kind = Kind::Number;
            token.value = valueOf(start, end);
        } else if (issueLength) {
            token.kind = Kind::Issue;
        } else if (length == 8 && (valueOf(start, start + 2) == 19 || valueOf(start, start + 2) == 20)) {
            token = dateToken(valueOf(start, start + 4), valueOf(start + 4, start + 6),
                              valueOf(start + 6, end));
        } else {
            token.kind = Kind::Figure;
        }
        return token;
    }

    QStringView s_;
    qsizetype at_ = 0;
};

QString asciiDigits(QStringView digits)
{
    QString out(digits.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < digits.size(); ++i)
        out[i] = QLatin1Char(char('0' + digitOf(digits[i])));
    return out;
}

// One line's draw as its tokens come: the state of the rules in the header.
class LineReading {
public:
    // False once the rest of the line no longer matters.
    bool take(const Token& t)
    {
        if (count_ >= 7) {
            if (t.kind != Kind::Number)
                return false;
            ++count_;  // too many numbers: counted for the reason
            return true;
        }
        switch (t.kind) {
        case Kind::Number:
            addNumber(t.value >= 1 && t.value <= 36 ? t.value : 0, t.text);
            break;
        case Kind::Figure:
            if (count_ > 0)
                addNumber(0, t.text);
            break;
        case Kind::Issue:
            restart();
            if (issue_.isEmpty())
                issue_ = asciiDigits(t.text);
            else if (issue_ != asciiDigits(t.text))
                return fail(QStringLiteral("期号不止一个"));
            break;
        case Kind::BadIssue:
            return fail(QStringLiteral("期号应为5到7位数字"));
        case Kind::Date:
            restart();
            if (!date_.isValid())
                date_ = t.date;
            else if (date_ != t.date)
                return fail(QStringLiteral("开奖日期不止一个"));
            break;
        case Kind::BadDate:
            return fail(QStringLiteral("开奖日期不对"));
        case Kind::Passed:
            break;
        }
        return true;
    }

    // Skipped: nothing of a draw in the line.
    bool empty() const { return reason_.isEmpty() && !seen_ && issue_.isEmpty() && !date_.isValid(); }

    // The reason the line is refused, "" when it holds a draw.
    QString reason() const
    {
        if (!reason_.isEmpty())
            return reason_;
        if (count_ == 0)
            return QStringLiteral("没有开奖号码");
        if (count_ != 7)
            return QStringLiteral("号码有%1个，应为7个").arg(count_);
        quint64 used = 0;
        for (const Seen& n : numbers_) {
            if (n.value == 0)
                return QStringLiteral("号码%1不在01到36之间").arg(n.text);
        }
        for (const Seen& n : numbers_) {
            if (used & (quint64(1) << n.value))
                return QStringLiteral("号码%1重复").arg(tickets::numberText(n.value));
            used |= quint64(1) << n.value;
        }
        return QString();
    }

    ImportedDraw draw(int line) const
    {
        ImportedDraw d;
        d.line = line;
        for (int k = 0; k < 7; ++k)
            d.draw.numbers[k] = numbers_[k].value;
        d.issue = issue_;
        d.date = date_;
        return d;
    }

private:
    struct Seen {
        int value = 0;  // 0: out of range
        QStringView text;
    };

    void addNumber(int value, QStringView text)
    {
        seen_ = true;
        numbers_[count_++] = Seen{value, text};
    }

    // A 期号 or a date after some numbers: those numbers were not the draw's.
    void restart() { count_ = 0; }

    bool fail(const QString& reason)
    {
        reason_ = reason;
        return false;
    }

    std::array<Seen, 7> numbers_{};
    int count_ = 0;
    bool seen_ = false;
    QString issue_;
    QDate date_;
    QString reason_;
};

void readLine(QStringView line, int lineNumber, DrawImport& out)
{
    LineScanner scanner(line);
    LineReading reading;
    Token token;
    while (scanner.next(token) && reading.take(token)) {
    }
    if (reading.empty()) {
        ++out.skipped;
        return;
    }
    const QString reason = reading.reason();
    if (reason.isEmpty())
        out.draws.push_back(reading.draw(lineNumber));
    else
        out.refused.push_back(RefusedLine{lineNumber, messages::quotedLine(line.toString()), reason});
}

void appendDate(QString& out, const QDate& date)
{
    out += QString::number(date.year());
    out += QLatin1Char('-');
    out += tickets::numberText(date.month());
    out += QLatin1Char('-');
    out += tickets::numberText(date.day());
}

}  // namespace

DrawImport importDraws(QStringView text)
{
    DrawImport out;
    const qsizetype size = text.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        readLine(text.mid(start, end - start), ++out.lines, out);
        start = end + (end + 1 < size && text[end] == u'\r' && text[end + 1] == u'\n' ? 2 : 1);
    }
    return out;
}

QString exportLine(const QString& issue, const QDate& date, const Draw& draw)
{
    QString out;
    if (!issue.isEmpty())
        out += issue + QLatin1Char(' ');
    if (date.isValid()) {
        appendDate(out, date);
        out += QLatin1Char(' ');
    }
    return out + draw.numbersText();
}

QString exportText(const std::vector<ImportedDraw>& draws)
{
    QString out;
    for (const ImportedDraw& d : draws)
        out += exportLine(d.issue, d.date, d.draw) + tickets::kCrLf;
    return out;
}

}  // namespace history
