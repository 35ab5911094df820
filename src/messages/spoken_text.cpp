#include "messages/spoken_text.h"

#include "messages/message_text.h"
#include "tickets/ticket_text.h"

#include <QStringList>

namespace speech {

namespace {

QString levelName(int level)
{
    static const QString names[] = {QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"),
                                    QStringLiteral("四"), QStringLiteral("五"), QStringLiteral("六")};
    return names[level - 1] + QStringLiteral("等奖");
}

// Box-drawing characters, blocks and the private-use fences say nothing when read.
bool isSilent(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x2500 && u <= 0x259F) || (u >= 0xE000 && u <= 0xF8FF);
}

bool endsInPause(const QString& line)
{
    static const QString pauses = QStringLiteral("：。！？，；:.!?,;");
    return pauses.contains(line.back());
}

}  // namespace

QString checkResultText(tickets::CheckOutcome outcome, const std::vector<tickets::LineMark>& marks,
                        const QString& money)
{
    if (outcome == tickets::CheckOutcome::NotChecked)
        return QString();
    QString lines;
    int winning = 0;
    for (const tickets::LineMark& mark : marks) {
        if (mark.level < 1 || mark.level > 6)
            continue;
        ++winning;
        lines += QStringLiteral("第%1行，").arg(mark.row + 1) + levelName(mark.level)
                 + QStringLiteral("。");
    }
    if (winning == 0)
        return QStringLiteral("这次没有中奖。");
    QString text = QStringLiteral("共%1行中奖。").arg(winning) + lines;
    if (!money.isEmpty())
        text += endsInPause(money) ? money : money + QStringLiteral("。");
    return text;
}

QString lineDescription(int row, const QString& line, const tickets::LineMark* mark)
{
    const QString numbers = tickets::removeMarkers(line).simplified();
    QString text = QStringLiteral("第%1行，").arg(row + 1) + (numbers.isEmpty() ? QStringLiteral("空行") : numbers);
    if (mark && mark->level >= 1 && mark->level <= 6)
        text += QStringLiteral("，") + levelName(mark->level);
    if (mark && mark->firstRow >= 0)
        text += QStringLiteral("，同第%1行").arg(mark->firstRow + 1);
    return text;
}

QString messageText(const QString& message)
{
    QString plain = messages::brToLineBreaks(message);
    plain.removeIf(isSilent);
    QStringList spoken;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (QString line : plain.split(QLatin1Char('\n'))) {
        line = line.simplified();
        if (line.isEmpty())
            continue;
        spoken << (endsInPause(line) ? line : line + QStringLiteral("。"));
    }
    return spoken.join(QLatin1Char('\n'));
}

QString numberText(int number)
{
    return QString::number(number);
}

}  // namespace speech
