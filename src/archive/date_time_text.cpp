#include "archive/date_time_text.h"

namespace archive {

namespace {
Clock& clock()
{
    static Clock c;
    return c;
}
}  // namespace

QString dateTimeText(const QDateTime& moment)
{
    return moment.toString(QStringLiteral("yyyy/M/d H:mm:ss"));
}

QString currentDateTimeText()
{
    return dateTimeText(clock() ? clock()() : QDateTime::currentDateTime());
}

void setClock(Clock c)
{
    clock() = std::move(c);
}

}  // namespace archive
