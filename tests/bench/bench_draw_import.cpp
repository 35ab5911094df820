// Speed of reading pasted draws, as a ratio measured in one run:
//  (j) importing 10,000 lines ÷ one plain pass over the text (goal ≤ 20).
// The lines cycle through the forms people copy; a plain pass counts the CR LF of the
// text, the least any reader of it can do.
#include "bench_support.h"
#include "history/draw_import.h"
#include "tickets/ticket_text.h"

#include <QDate>
#include <cstdio>

namespace {

constexpr int kLines = 10000;
constexpr double kGoal = 20.0;

// A malformed file: every line refused, for a reason of its own.
QString malformedText(int lines)
{
    const QStringList bad = {QStringLiteral("2026140 2026-12-01 01 02 03 04 05 06"),
                             QStringLiteral("01 02 03 04 05 06 37 销售额12,345,678元"),
                             QStringLiteral("第140期 开奖号码：01 02 03 04 05 06 07"),
                             QStringLiteral("2026-02-30\t01\t02\t03\t04\t05\t06\t07"),
                             QStringLiteral("01 02 03 04 05 06 01 ") + QString(40, QLatin1Char('x'))};
    QStringList out;
    for (int i = 0; i < lines; ++i)
        out << bad[i % bad.size()];
    return out.join(tickets::kCrLf);
}

// Draw i in the (i mod 5)-th form.
QString line(int i, const history::Draw& draw)
{
    const QString issue = QString::number(2000001 + i);
    const QDate date = QDate(1990, 1, 1).addDays(i * 2);
    const QString numbers = draw.numbersText();
    switch (i % 5) {
    case 0:
        return history::exportLine(issue, date, draw);
    case 1:
        return issue + QStringLiteral("期 ") + numbers.left(17).replace(QLatin1Char(' '), QLatin1Char(','))
               + QLatin1Char('+') + numbers.right(2);
    case 2:
        return QStringLiteral("第%1期 开奖日期：%2 开奖号码：%3 特别号：%4")
            .arg(issue, date.toString(QStringLiteral("yyyy年M月d日")), numbers.left(17), numbers.right(2));
    case 3:
        return issue + QLatin1Char('\t') + date.toString(QStringLiteral("yyyy/M/d")) + QStringLiteral(" 21:30\t星期一\t")
               + numbers.left(17) + QLatin1Char('\t') + numbers.right(2) + QStringLiteral("\t12,345,678\t0\t3\t25");
    default:
        return numbers;
    }
}

}  // namespace

int main()
{
    QRandomGenerator random(24);
    const std::vector<history::Draw> draws = bench::randomDraws(kLines, random);
    QStringList lines;
    for (int i = 0; i < kLines; ++i)
        lines << line(i, draws[size_t(i)]);
    const QString text = lines.join(tickets::kCrLf);
    volatile qsizetype sink = 0;
    const double plainPass = bench::fastestNs(51, [&] { sink = text.count(tickets::kCrLf); });
    const history::DrawImport imported = history::importDraws(text);
    const double import = bench::fastestNs(11, [&] { sink = qsizetype(history::importDraws(text).draws.size()); });
    const double ratio = import / plainPass;
    std::printf("draw import: %.2f ms for %d lines, %d characters (%zu draws, %zu refused)\n", import / 1e6,
                kLines, int(text.size()), imported.draws.size(), imported.refused.size());
    std::printf("%-58s %8.2f   (goal <= %.1f) %s\n", "(j) importing 10,000 lines / plain pass", ratio, kGoal,
                ratio <= kGoal ? "ok" : "OVER");
    const QString malformed = malformedText(100000);
    const double refusing = bench::fastestNs(3, [&] { sink = qsizetype(history::importDraws(malformed).refused.size()); });
    std::printf("draw import: %.1f ms for a malformed file of 100,000 lines, %d characters\n", refusing / 1e6,
                int(malformed.size()));
    return 0;
}
