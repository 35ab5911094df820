#include "widgets/screen_placement.h"

#include "widgets/fonts.h"
#include "screens/screen_fit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QScreen>
#include <QSet>
#include <QWidget>
#include <QWindow>
#include <cmath>
#include <optional>

namespace screens {

namespace {

QRect availableArea(const QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// The caption and border of the last window the window manager framed: the best guess
// for a window it has not framed yet.
std::optional<QMargins> g_lastFrame;

// Whether the window manager has framed the window, so that its frame is known.
bool isFramed(const QWidget* window)
{
    return window->frameGeometry() != window->geometry();
}

// At a fractional scale the frame and the window are rounded to whole pixels on their
// own, in logical pixels, so a window sized to fit exactly can reach one device pixel
// past the screen's edge. Two logical pixels on the right and at the bottom absorb that.
QMargins roundingSlack(const QWidget* window)
{
    const qreal ratio = window->devicePixelRatioF();
    return ratio == std::floor(ratio) ? QMargins() : QMargins(0, 0, 2, 2);
}

// The caption and border around the window: known once it has been framed, guessed before.
QMargins frameMargins(const QWidget* window)
{
    if (!isFramed(window))
        return g_lastFrame.value_or(kFrameAllowance) + roundingSlack(window);
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    g_lastFrame = QMargins(inner.left() - frame.left(), inner.top() - frame.top(),
                           frame.right() - inner.right(), frame.bottom() - inner.bottom());
    return *g_lastFrame + roundingSlack(window);
}

// Puts the window's frame, caption and border included, at `topLeft`.
void moveFrameTo(QWidget* window, const QPoint& topLeft)
{
    // A framed window: the toolkit adds the frame it knows. One not yet framed: this
    // places its client area, and the window handle asks the window manager to put the
    // frame there instead (the handle's geometry then matches, so showing keeps it).
    window->move(topLeft);
    if (!isFramed(window))
        if (QWindow* handle = window->windowHandle())
            handle->setFramePosition(topLeft);
}

bool isPlacedWindow(const QWidget* widget)
{
    const Qt::WindowType type = widget->windowType();
    return widget->isWindow() && (type == Qt::Window || type == Qt::Dialog);
}

// Places each window as it is shown, before it reaches the screen, and once more when
// the window manager has framed it, should the real frame not fit where the guess did.
class PlacementFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::Show:
            if (!event->spontaneous() && isPlacedWindow(widget)) {
                placeInside(widget);
                if (!isFramed(widget))
                    m_unframed.insert(widget);
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (m_unframed.contains(widget) && isFramed(widget)) {
                m_unframed.remove(widget);
                if (!availableArea(widget).contains(widget->frameGeometry() + roundingSlack(widget)))
                    placeInside(widget);
            }
            break;
        case QEvent::Hide:
        case QEvent::Destroy:
            m_unframed.remove(widget);
            break;
        default:
            break;
        }
        return false;
    }

private:
    QSet<QWidget*> m_unframed;  // shown, not framed yet
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
    if (!leftToToolkit && placed.topLeft() != window->frameGeometry().topLeft())
        moveFrameTo(window, placed.topLeft());
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
