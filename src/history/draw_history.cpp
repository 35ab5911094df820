#include "history/draw_history.h"

#include "messages/message_text.h"
#include "tickets/ticket_text.h"

#include <QDate>
#include <QSet>
#include <algorithm>

namespace history {

namespace {

// The length of "01 02 03 04 05 06 07".
constexpr int kNumbersLength = 20;

// The draw in a text of exactly seven two-digit fields separated by single spaces.
std::optional<Draw> drawOfFields(QStringView text)
{
    if (text.size() != kNumbersLength)
        return std::nullopt;
    Draw draw;
    quint64 seen = 0;
    for (int k = 0; k < 7; ++k) {
        if (k > 0 && text[3 * k - 1] != QLatin1Char(' '))
            return std::nullopt;
        const int n = numberValue(text.mid(3 * k, 2));
        if (n == 0 || (seen & (quint64(1) << n)))
            return std::nullopt;
        seen |= quint64(1) << n;
        draw.numbers[k] = n;
    }
    return draw;
}

// A number of `min`..`max` digits at `at`, moved past; -1 when there is none.
int digitsAt(QStringView text, qsizetype& at, int min, int max)
{
    int value = 0;
    int count = 0;
    while (at < text.size() && count < max && text[at].unicode() >= '0' && text[at].unicode() <= '9') {
        value = value * 10 + (text[at].unicode() - '0');
        ++at;
        ++count;
    }
    return count >= min ? value : -1;
}

bool charAt(QStringView text, qsizetype& at, char c)
{
    if (at >= text.size() || text[at] != QLatin1Char(c))
        return false;
    ++at;
    return true;
}

// A date-time text as the program writes it, "yyyy/M/d H:mm:ss", of a real day and time.
// Read by hand: a history of ten thousand lines is read at every check.
bool isDateTimeText(QStringView text)
{
    qsizetype at = 0;
    const int year = digitsAt(text, at, 4, 4);
    if (year < 0 || !charAt(text, at, '/'))
        return false;
    const int month = digitsAt(text, at, 1, 2);
    if (month < 0 || !charAt(text, at, '/'))
        return false;
    const int day = digitsAt(text, at, 1, 2);
    if (day < 0 || !charAt(text, at, ' '))
        return false;
    const int hour = digitsAt(text, at, 1, 2);
    if (hour < 0 || !charAt(text, at, ':'))
        return false;
    const int minute = digitsAt(text, at, 2, 2);
    if (minute < 0 || !charAt(text, at, ':'))
        return false;
    const int second = digitsAt(text, at, 2, 2);
    return second >= 0 && at == text.size() && QDate::isValid(year, month, day) && hour < 24
           && minute < 60 && second < 60;
}

bool isIssueText(QStringView text)
{
    return text.size() >= 5 && text.size() <= 7
           && std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; });
}

// "2026-12-01" of a real day in 1900..2099.
QDate drawDateOf(QStringView text)
{
    if (text.size() != 10 || text[4] != QLatin1Char('-') || text[7] != QLatin1Char('-'))
        return QDate();
    qsizetype at = 0;
    const int year = digitsAt(text, at, 4, 4);
    ++at;
    const int month = digitsAt(text, at, 2, 2);
    ++at;
    const int day = digitsAt(text, at, 2, 2);
    if (year < 1900 || year > 2099 || month < 0 || day < 0 || at != text.size() || !QDate::isValid(year, month, day))
        return QDate();
    return QDate(year, month, day);
}

// "2=123456": an announced amount of a floating level after the ones before `after`.
bool readAmount(QStringView token, int after, Entry& entry)
{
    if (token.size() < 3 || token[1] != QLatin1Char('=') || token[0] <= QChar(u'0' + after) || token[0] > u'3')
        return false;
    qsizetype at = 2;
    const int level = token[0].unicode() - '0';
    qint64 amount = 0;
    int digits = 0;
    while (at < token.size() && token[at].unicode() >= '0' && token[at].unicode() <= '9' && digits < 9) {
        amount = amount * 10 + (token[at].unicode() - '0');
        ++at;
        ++digits;
    }
    if (at != token.size())
        return false;
    entry.announced[size_t(level)] = amount;
    return true;
}

// What follows the date-time text: nothing, or the 期号, the draw date and the announced
// amounts, each when known, each after one space.
bool readLabels(QStringView text, Entry& entry)
{
    int field = 0;  // 0 期号, 1 date, 2.. amounts
    int lastLevel = 0;
    while (!text.isEmpty()) {
        if (!text.startsWith(QLatin1Char(' ')))
            return false;
        text = text.mid(1);
        const qsizetype space = text.indexOf(QLatin1Char(' '));
        const QStringView token = space < 0 ? text : text.left(space);
        text = space < 0 ? QStringView() : text.mid(space);
        if (field == 0 && isIssueText(token)) {
            entry.issue = token.toString();
            field = 1;
        } else if (const QDate date = field <= 1 ? drawDateOf(token) : QDate(); date.isValid()) {
            entry.drawDate = date;
            field = 2;
        } else if (readAmount(token, lastLevel, entry)) {
            lastLevel = token[0].unicode() - '0';
            field = 2;
        } else {
            return false;
        }
    }
    return true;
}

// A file line: the seven numbers (20 characters), one space, a date-time text (a day and
// a time, one space between), and the draw's labels.
Entry parseLine(const QString& line)
{
    Entry entry;
    const QStringView view(line);
    if (line.size() > kNumbersLength + 1 && line[kNumbersLength] == QLatin1Char(' ')) {
        const QStringView rest = view.mid(kNumbersLength + 1);
        const qsizetype daySpace = rest.indexOf(QLatin1Char(' '));
        const qsizetype end = daySpace < 0 ? rest.size() : rest.indexOf(QLatin1Char(' '), daySpace + 1);
        const QStringView dateTime = rest.left(end < 0 ? rest.size() : end);
        if (isDateTimeText(dateTime) && readLabels(rest.mid(dateTime.size()), entry)) {
            entry.draw = drawOfFields(view.left(kNumbersLength));
            entry.dateTime = dateTime.toString();
        }
    }
    if (!entry.draw) {
        entry = Entry{};
        entry.unreadable = line;
    }
    return entry;
}

QString historyPath(const QString& folder)
{
    return archive::filePath(folder, kHistoryFileName);
}

StoreResult failedToRead(const LoadResult& loaded)
{
    return {false, loaded.error, 0};
}

}  // namespace

int numberValue(QStringView field)
{
    auto digit = [](QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; };
    if (field.size() != 2 || !digit(field[0]) || !digit(field[1]))
        return 0;
    const int value = (field[0].unicode() - '0') * 10 + (field[1].unicode() - '0');
    return value >= 1 && value <= 36 ? value : 0;
}

namespace {

// The seven numbers as two digits each, single spaces between: a history of ten thousand
// draws is written at every check that adds one.
void appendNumbers(QString& out, const Draw& draw)
{
    for (int k = 0; k < 7; ++k) {
        if (k > 0)
            out += QLatin1Char(' ');
        out += QLatin1Char(char('0' + draw.numbers[k] / 10));
        out += QLatin1Char(char('0' + draw.numbers[k] % 10));
    }
}

}  // namespace

int dropOldestBeyondCap(History& history)
{
    const int excess = history.drawCount() - kMaxDraws;
    if (excess <= 0)
        return 0;
    int toDrop = excess;
    history.entries.erase(std::remove_if(history.entries.begin(), history.entries.end(),
                                         [&toDrop](const Entry& e) {
                                             if (toDrop == 0 || !e.draw)
                                                 return false;
                                             --toDrop;
                                             return true;
                                         }),
                          history.entries.end());
    return excess;
}

QString Draw::numbersText() const
{
    QString text;
    text.reserve(kNumbersLength);
    appendNumbers(text, *this);
    return text;
}

quint64 Draw::key() const
{
    quint64 regular = 0;
    for (int k = 0; k < 6; ++k)
        regular |= quint64(1) << numbers[k];
    return regular | quint64(numbers[6]) << 40;
}

std::optional<Draw> parseDraw(const QString& drawLine)
{
    QString text = tickets::removeMarkers(drawLine);
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return drawOfFields(text);
}

std::vector<int> History::drawsNewestFirst() const
{
    std::vector<int> out;
    for (int i = int(entries.size()) - 1; i >= 0; --i)
        if (entries[i].draw)
            out.push_back(i);
    return out;
}

int History::drawCount() const
{
    return int(std::count_if(entries.begin(), entries.end(),
                             [](const Entry& e) { return e.draw.has_value(); }));
}

bool History::holds(const Draw& draw) const
{
    const quint64 key = draw.key();
    return std::any_of(entries.begin(), entries.end(),
                       [key](const Entry& e) { return e.draw && e.draw->key() == key; });
}

tickets::FloatingAmounts History::announcedFor(const Draw& draw) const
{
    const quint64 key = draw.key();
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [key](const Entry& e) { return e.draw && e.draw->key() == key; });
    return found != entries.end() ? found->announced : tickets::FloatingAmounts{};
}

QStringList History::unreadableLines() const
{
    QStringList out;
    for (size_t i = 0; i < entries.size(); ++i)
        if (!entries[i].draw)
            out << QStringLiteral("第%1行：").arg(i + 1) + messages::quotedLine(entries[i].unreadable);
    return out;
}

History parseHistory(const QStringList& lines)
{
    History history;
    history.entries.reserve(size_t(lines.size()));
    QSet<quint64> seen;
    for (const QString& line : lines) {
        if (line.isEmpty())
            continue;
        Entry entry = parseLine(line);
        if (entry.draw) {
            const quint64 key = entry.draw->key();
            if (seen.contains(key))
                continue;
            seen.insert(key);
        }
        history.entries.push_back(std::move(entry));
    }
    return history;
}

QString historyText(const History& history)
{
    qsizetype length = 0;
    for (const Entry& e : history.entries)
        length += (e.draw ? kNumbersLength + 1 + e.dateTime.size() + 20 : e.unreadable.size()) + 2;
    QString text;
    text.reserve(length);
    for (const Entry& e : history.entries) {
        if (e.draw) {
            appendNumbers(text, *e.draw);
            text += QLatin1Char(' ');
            text += e.dateTime;
            if (!e.issue.isEmpty())
                text += QLatin1Char(' ') + e.issue;
            if (e.drawDate.isValid())
                text += QLatin1Char(' ') + e.drawDate.toString(Qt::ISODate);
            for (int level = 1; level <= 3; ++level)
                if (e.announced[size_t(level)])
                    text += QStringLiteral(" %1=%2").arg(level).arg(*e.announced[size_t(level)]);
        } else {
            text += e.unreadable;
        }
        text += tickets::kCrLf;
    }
    return text;
}

Remembered remember(History& history, const Draw& draw, const QString& dateTime)
{
    Remembered out;
    if (history.holds(draw))
        return out;
    history.entries.push_back(Entry{draw, dateTime, QString(), QString(), QDate(), {}});
    out.added = true;
    out.dropped = dropOldestBeyondCap(history);
    return out;
}

Merged mergeHistory(History& into, const History& from)
{
    QSet<quint64> held;
    for (const Entry& e : into.entries)
        if (e.draw)
            held.insert(e.draw->key());
    Merged out;
    for (const Entry& e : from.entries) {
        if (!e.draw || held.contains(e.draw->key()))
            continue;
        held.insert(e.draw->key());
        into.entries.push_back(e);
        ++out.added;
    }
    out.dropped = dropOldestBeyondCap(into);
    return out;
}

LoadResult historyOfBytes(const QByteArray& bytes)
{
    LoadResult out;
    // Text decoded with replacements would lose the bytes of the lines kept as they stand
    // at the next rewrite: such a file is refused like one that cannot be read.
    const std::optional<archive::DecodedText> decoded = archive::decodeTextStrictly(bytes);
    if (!decoded) {
        out.ok = false;
        out.error = QStringLiteral("文字编码无法识别");
        return out;
    }
    out.history = parseHistory(archive::textLines(decoded->text));
    out.history.encoding = decoded->encoding;
    return out;
}

LoadResult loadHistory(const QString& folder)
{
    const QString path = historyPath(folder);
    const archive::FileRead file = archive::readFile(path, archive::kMaxHistoryBytes);
    LoadResult out;
    if (file.refused()) {
        out.ok = false;
        out.error = file.reason;
    } else if (file.read()) {
        out = historyOfBytes(file.bytes);
    }
    if (!out.ok)
        out.error = messages::pathText(path) + QStringLiteral("：") + out.error;
    return out;
}

StoreResult storeHistory(const QString& folder, const History& history)
{
    const archive::WriteResult result =
        archive::writeTextFile(historyPath(folder), historyText(history), history.encoding);
    return {result.ok, result.error, 0};
}

StoreResult rememberDrawLine(const QString& folder, const QString& drawLine, const QString& dateTime)
{
    if (!parseDraw(drawLine))
        return {};
    return rememberDrawLine(folder, loadHistory(folder), drawLine, dateTime);
}

StoreResult rememberDrawLine(const QString& folder, LoadResult loaded, const QString& drawLine,
                             const QString& dateTime)
{
    const std::optional<Draw> draw = parseDraw(drawLine);
    if (!draw)
        return {};
    if (!loaded.ok)
        return failedToRead(loaded);
    const Remembered remembered = remember(loaded.history, *draw, dateTime);
    if (!remembered.added)
        return {};
    StoreResult stored = storeHistory(folder, loaded.history);
    if (stored.ok)
        stored.dropped = remembered.dropped;
    return stored;
}

tickets::FloatingAmounts announcedAmounts(const LoadResult& loaded, const QString& drawLine)
{
    const std::optional<Draw> draw = parseDraw(drawLine);
    return draw && loaded.ok ? loaded.history.announcedFor(*draw) : tickets::FloatingAmounts{};
}

StoreResult forgetDraw(const QString& folder, const Draw& draw, History& history)
{
    LoadResult loaded = loadHistory(folder);
    if (!loaded.ok)
        return failedToRead(loaded);
    History changed = loaded.history;
    auto& entries = changed.entries;
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [&draw](const Entry& e) { return e.draw && *e.draw == draw; }),
                  entries.end());
    const StoreResult stored = storeHistory(folder, changed);
    history = stored.ok ? std::move(changed) : std::move(loaded.history);
    return stored;
}

StoreResult setAnnouncedAmounts(const QString& folder, const Draw& draw,
                                const tickets::FloatingAmounts& amounts, History& history)
{
    LoadResult loaded = loadHistory(folder);
    if (!loaded.ok)
        return failedToRead(loaded);
    History changed = loaded.history;
    for (Entry& e : changed.entries)
        if (e.draw && *e.draw == draw)
            for (int level = 1; level <= 3; ++level) {
                const std::optional<qint64>& a = amounts[size_t(level)];
                e.announced[size_t(level)] = a && *a >= 0 && *a <= kMaxPrizeAmount ? a : std::nullopt;
            }
    const StoreResult stored = storeHistory(folder, changed);
    history = stored.ok ? std::move(changed) : std::move(loaded.history);
    return stored;
}

QString unreadableLinesMessage(const QString& folder, const History& history)
{
    // A long list is cut short: the message must stay readable.
    constexpr int kShown = 10;
    const QStringList lines = history.unreadableLines();
    if (lines.isEmpty())
        return QString();
    QString text = QStringLiteral("错误提示：BR   开奖记录文件 ")
                   + messages::pathText(historyPath(folder))
                   + QStringLiteral(" 有%1行无法识别，已跳过并原样保留：BR   ").arg(lines.size())
                   + lines.mid(0, kShown).join(QStringLiteral("BR   "));
    if (lines.size() > kShown)
        text += QStringLiteral("BR   ……");
    return text;
}

QString droppedDrawsText(int dropped)
{
    return QStringLiteral("开奖记录最多保存%1期，最早的%2期已从开奖记录中删除。").arg(kMaxDraws).arg(dropped);
}

QString droppedDrawsMessage(int dropped)
{
    return dropped > 0 ? QStringLiteral("提示：BR   ") + droppedDrawsText(dropped) : QString();
}

}  // namespace history
