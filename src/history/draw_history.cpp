#include "history/draw_history.h"

#include "archive/archive_files.h"
#include "messages/message_text.h"
#include "tickets/ticket_text.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace history {

namespace {

const QString kDateTimeFormat = QStringLiteral("yyyy/M/d H:mm:ss");

// Lines read from the file, each shown in a message exactly as it stands.
QStringList shownLines(const QStringList& lines)
{
    QStringList shown;
    shown.reserve(lines.size());
    for (const QString& line : lines)
        shown.append(messages::asWritten(line));
    return shown;
}

// The draw in a text of exactly seven single-space-separated fields.
std::optional<Draw> drawOfFields(const QString& text)
{
    const QStringList fields = tickets::splitFields(text);
    if (fields.size() != 7)
        return std::nullopt;
    Draw draw;
    for (int k = 0; k < 7; ++k) {
        draw.numbers[k] = numberValue(fields[k]);
        if (draw.numbers[k] == 0)
            return std::nullopt;
        const auto before = draw.numbers.begin() + k;
        if (std::find(draw.numbers.begin(), before, draw.numbers[k]) != before)
            return std::nullopt;
    }
    return draw;
}

// A file line: the seven numbers (20 characters), one space, a date-time text.
Entry parseLine(const QString& line)
{
    Entry entry;
    const QString numbers = line.left(20);
    const QString dateTime = line.mid(21);
    const bool dateOk =
        QDateTime::fromString(dateTime, kDateTimeFormat).isValid();
    if (line.size() > 21 && line[20] == QLatin1Char(' ') && dateOk)
        entry.draw = drawOfFields(numbers);
    if (entry.draw)
        entry.dateTime = dateTime;
    else
        entry.unreadable = line;
    return entry;
}

QString historyPath(const QString& folder)
{
    return archive::filePath(folder, kHistoryFileName);
}

// Drops the oldest draws until at most kMaxDraws remain.
void dropOldestBeyondCap(History& history)
{
    auto draws = std::count_if(history.entries.begin(), history.entries.end(),
                               [](const Entry& e) { return e.draw.has_value(); });
    for (auto it = history.entries.begin(); draws > kMaxDraws && it != history.entries.end();) {
        if (it->draw) {
            it = history.entries.erase(it);
            --draws;
        } else {
            ++it;
        }
    }
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

QString Draw::numbersText() const
{
    QStringList parts;
    for (int n : numbers)
        parts << tickets::numberText(n);
    return parts.join(QLatin1Char(' '));
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

QStringList History::unreadableLines() const
{
    QStringList out;
    for (size_t i = 0; i < entries.size(); ++i)
        if (!entries[i].draw)
            out << QStringLiteral("第%1行：%2").arg(i + 1).arg(entries[i].unreadable);
    return out;
}

History parseHistory(const QStringList& lines)
{
    History history;
    for (const QString& line : lines)
        if (!line.isEmpty())
            history.entries.push_back(parseLine(line));
    return history;
}

QString historyText(const History& history)
{
    QString text;
    for (const Entry& e : history.entries) {
        text += e.draw ? e.draw->numbersText() + QLatin1Char(' ') + e.dateTime : e.unreadable;
        text += tickets::kCrLf;
    }
    return text;
}

bool remember(History& history, const Draw& draw, const QString& dateTime)
{
    const std::vector<int> newest = history.drawsNewestFirst();
    if (!newest.empty() && *history.entries[newest.front()].draw == draw)
        return false;
    history.entries.push_back(Entry{draw, dateTime, QString()});
    dropOldestBeyondCap(history);
    return true;
}

LoadResult loadHistory(const QString& folder)
{
    LoadResult out;
    const QString path = historyPath(folder);
    if (!QFileInfo::exists(path))
        return out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        out.ok = false;
        out.error = messages::pathText(path) + QStringLiteral("：无法读取");
        return out;
    }
    // Text decoded with replacements would lose the bytes of the lines kept as they stand
    // at the next rewrite: such a file is refused like one that cannot be read.
    const std::optional<QString> text = archive::decodeTextStrictly(file.readAll());
    if (!text) {
        out.ok = false;
        out.error = messages::pathText(path) + QStringLiteral("：文字编码无法识别");
        return out;
    }
    out.history = parseHistory(archive::textLines(*text));
    return out;
}

StoreResult storeHistory(const QString& folder, const History& history)
{
    const archive::WriteResult result = archive::writeTextFile(historyPath(folder), historyText(history));
    return {result.ok, result.error};
}

StoreResult rememberDrawLine(const QString& folder, const QString& drawLine, const QString& dateTime)
{
    const std::optional<Draw> draw = parseDraw(drawLine);
    if (!draw)
        return {};
    LoadResult loaded = loadHistory(folder);
    if (!loaded.ok)
        return {false, loaded.error};
    if (!remember(loaded.history, *draw, dateTime))
        return {};
    return storeHistory(folder, loaded.history);
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
                   + shownLines(lines.mid(0, kShown)).join(QStringLiteral("BR   "));
    if (lines.size() > kShown)
        text += QStringLiteral("BR   ……");
    return text;
}

}  // namespace history
