#include "screens/screen_fit.h"

#include <algorithm>

namespace screens {

double scaleFor(const QSize& available, const QSize& need, double floor)
{
    if (available.isEmpty() || need.isEmpty())
        return 1.0;
    const double byWidth = double(available.width()) / need.width();
    const double byHeight = double(available.height()) / need.height();
    return std::clamp(std::min(byWidth, byHeight), floor, 1.0);
}

QRect fitInside(const QRect& frame, const QRect& available)
{
    const QSize size = frame.size().boundedTo(available.size());
    const int x = std::clamp(frame.x(), available.left(), available.left() + available.width() - size.width());
    const int y = std::clamp(frame.y(), available.top(), available.top() + available.height() - size.height());
    return QRect(QPoint(x, y), size);
}

}  // namespace screens
