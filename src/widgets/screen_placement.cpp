#include "widgets/screen_placement.h"

#include "widgets/fonts.h"
#include "widgets/screen_fit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace screens {

namespace {

QRect availableArea(const QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// The caption and border around the window: known once it has been shown, assumed before.
QMargins frameMargins(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    if (frame == inner)
        return kFrameAllowance;
    return QMargins(inner.left() - frame.left(), inner.top() - frame.top(),
                    frame.right() - inner.right(), frame.bottom() - inner.bottom());
}

bool isPlacedWindow(const QWidget* widget)
{
    const Qt::WindowType type = widget->windowType();
    return widget->isWindow() && (type == Qt::Window || type == Qt::Dialog);
}

// Places each window as it is shown, before it reaches the screen.
class PlacementFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && !event->spontaneous() && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (isPlacedWindow(widget))
                placeInside(widget);
        }
        return false;
    }
};

}  // namespace

void fitWindowsToScreen()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        fonts::setScale(scaleFor(screen->availableGeometry().size()));
    qApp->installEventFilter(new PlacementFilter(qApp));
}

void placeInside(QWidget* window)
{
    if (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QRect available = availableArea(window);
    if (available.isEmpty())
        return;
    const QMargins frame = frameMargins(window);
    const bool leftToToolkit =
        qobject_cast<QDialog*>(window) && !window->testAttribute(Qt::WA_Moved);
    QRect wanted = window->geometry() + frame;
    if (!window->testAttribute(Qt::WA_Moved))
        wanted.moveCenter(available.center());
    const QRect placed = fitInside(wanted, available);
    const QSize inner = (placed - frame).size().expandedTo(window->minimumSize());
    if (inner != window->size())
        window->resize(inner);
    if (!leftToToolkit && placed.topLeft() != window->pos())
        window->move(placed.topLeft());
}

void sizeMainWindow(QWidget* window, const QSize& natural)
{
    const QRect available = availableArea(window);
    const QMargins frame = kFrameAllowance;
    const QSize room = (available - frame).size();
    if (room.width() < natural.width() || room.height() < natural.height()) {
        // Restored from maximised (or where nothing maximises it), it still fits.
        window->resize(room);
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
        return;
    }
    window->resize(natural.width(), room.height());
}

}  // namespace screens
