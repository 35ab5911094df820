// The date-time text of a save and of the order sheet: short date, a space, long time.
#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

namespace archive {

// "yyyy/M/d H:mm:ss" of the given moment.
QString dateTimeText(const QDateTime& moment);

// The current local time as that text; tests replace the clock.
QString currentDateTimeText();

using Clock = std::function<QDateTime()>;
// Replaces the clock (an empty function restores the system clock).
void setClock(Clock clock);

}  // namespace archive
