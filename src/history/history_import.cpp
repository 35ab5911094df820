#include "history/history_import.h"

#include "messages/message_text.h"
#include "tickets/ticket_text.h"

#include <QHash>
#include <algorithm>

namespace history {

namespace {

// The day a draw stands for in the order of the file: its draw date, else the day of its
// first check.
QDate dayOf(const Entry& e)
{
    if (e.drawDate.isValid())
        return e.drawDate;
    return QDate::fromString(e.dateTime.section(QLatin1Char(' '), 0, 0), QStringLiteral("yyyy/M/d"));
}

// The draws oldest first by day, then by 期号 (one without first), then as they stood;
// unreadable lines keep their places.
void sortByDay(History& history)
{
    std::vector<size_t> places;
    std::vector<Entry> draws;
    for (size_t i = 0; i < history.entries.size(); ++i)
        if (history.entries[i].draw) {
            places.push_back(i);
            draws.push_back(std::move(history.entries[i]));
        }
    struct Keyed {
        QDate day;
        qint64 issue;
        size_t index;
    };
    std::vector<Keyed> keys;
    keys.reserve(draws.size());
    for (size_t i = 0; i < draws.size(); ++i)
        keys.push_back({dayOf(draws[i]), draws[i].issue.isEmpty() ? -1 : draws[i].issue.toLongLong(), i});
    std::sort(keys.begin(), keys.end(), [](const Keyed& a, const Keyed& b) {
        if (a.day != b.day)
            return a.day < b.day;  // a null day (never: every entry has a time) sorts first
        if (a.issue != b.issue)
            return a.issue < b.issue;
        return a.index < b.index;
    });
    for (size_t i = 0; i < places.size(); ++i)
        history.entries[places[i]] = std::move(draws[keys[i].index]);
}

// The texts of the lines of `text`, split as importDraws splits them.
QStringList linesOf(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        lines << text.mid(start, end - start).toString();
        start = end + (end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n' ? 2 : 1);
    }
    return lines;
}

}  // namespace

ImportReport importIntoHistory(History& history, QStringView text, const QString& dateTime)
{
    const DrawImport read = importDraws(text);
    ImportReport report;
    report.skipped = read.skipped;
    report.refused = read.refused;
    QHash<quint64, size_t> byNumbers;
    QHash<QString, size_t> byIssue;
    for (size_t i = 0; i < history.entries.size(); ++i) {
        const Entry& e = history.entries[i];
        if (!e.draw)
            continue;
        byNumbers.insert(e.draw->key(), i);
        if (!e.issue.isEmpty())
            byIssue.insert(e.issue, i);
    }
    QStringList lines;  // split only when a line must be quoted
    for (const ImportedDraw& d : read.draws) {
        const auto sameIssue = d.issue.isEmpty() ? byIssue.cend() : byIssue.constFind(d.issue);
        if (sameIssue != byIssue.cend() && !(*history.entries[*sameIssue].draw == d.draw)) {
            if (lines.isEmpty())
                lines = linesOf(text);
            report.refused.push_back(RefusedLine{
                d.line, messages::quotedLine(lines.value(d.line - 1)),
                QStringLiteral("第%1期已在开奖记录里，号码是%2").arg(d.issue, history.entries[*sameIssue].draw->numbersText())});
            continue;
        }
        const auto sameNumbers = byNumbers.constFind(d.draw.key());
        if (sameNumbers != byNumbers.cend()) {
            Entry& held = history.entries[*sameNumbers];
            bool completed = false;
            if (held.issue.isEmpty() && !d.issue.isEmpty()) {
                held.issue = d.issue;
                byIssue.insert(d.issue, *sameNumbers);
                completed = true;
            }
            if (!held.drawDate.isValid() && d.date.isValid()) {
                held.drawDate = d.date;
                completed = true;
            }
            ++report.alreadyThere;
            report.completed += int(completed);
            continue;
        }
        history.entries.push_back(Entry{d.draw, dateTime, QString(), d.issue, d.date, {}});
        byNumbers.insert(d.draw.key(), history.entries.size() - 1);
        if (!d.issue.isEmpty())
            byIssue.insert(d.issue, history.entries.size() - 1);
        ++report.added;
    }
    std::sort(report.refused.begin(), report.refused.end(),
              [](const RefusedLine& a, const RefusedLine& b) { return a.line < b.line; });
    if (report.changed()) {
        sortByDay(history);
        report.dropped = dropOldestBeyondCap(history);
    }
    return report;
}

FolderImport importIntoFolder(const QString& folder, QStringView text, const QString& dateTime)
{
    FolderImport out;
    LoadResult loaded = loadHistory(folder);
    if (!loaded.ok) {
        out.stored = {false, loaded.error, 0};
        return out;
    }
    out.report = importIntoHistory(loaded.history, text, dateTime);
    if (out.report.changed())
        out.stored = storeHistory(folder, loaded.history);
    return out;
}

QString importReportText(const ImportReport& report)
{
    QString text = QStringLiteral("导入开奖记录：BR   新增%1期，开奖记录里已有%2期").arg(report.added).arg(report.alreadyThere);
    if (report.completed > 0)
        text += QStringLiteral("（其中%1期补上了期号或开奖日期）").arg(report.completed);
    text += QStringLiteral("。");
    if (report.dropped > 0)
        text += QStringLiteral("BR   ") + droppedDrawsText(report.dropped);
    if (!report.refused.empty()) {
        text += QStringLiteral("BR   没有导入%1行：").arg(report.refused.size());
        const size_t shown = std::min(report.refused.size(), size_t(kShownRefusals));
        for (size_t i = 0; i < shown; ++i) {
            const RefusedLine& r = report.refused[i];
            text += QStringLiteral("BR   第%1行“%2”：%3").arg(r.line).arg(r.text, r.reason);
        }
        if (report.refused.size() > shown)
            text += QStringLiteral("BR   ……另有%1行没有导入。").arg(report.refused.size() - shown);
    }
    return text;
}

QString exportHistoryText(const History& history)
{
    QString out;
    for (const Entry& e : history.entries)
        if (e.draw)
            out += exportLine(e.issue, e.drawDate, *e.draw) + tickets::kCrLf;
    return out;
}

}  // namespace history
