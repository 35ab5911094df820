#include "widgets/ticket_box_accessible.h"

#include "messages/spoken_text.h"
#include "widgets/ticket_box.h"
#include "widgets/ticket_marks.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QTextBlock>
#include <QWindow>

namespace ticketAccess {

namespace {

// One line of the box. Its name is read from the box when asked, so it never goes stale;
// it is valid while the box has that many lines.
class LineAccessible final : public QAccessibleInterface {
public:
    LineAccessible(TicketBox* box, int row) : m_box(box), m_row(row) {}

    int row() const { return m_row; }

    bool isValid() const override { return m_box && m_row < m_box->document()->blockCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_box ? m_box->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_box); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return QString();
        const auto* marks = m_box->findChild<TicketMarks*>();
        return speech::lineDescription(m_row, m_box->document()->findBlockByNumber(m_row).text(),
                                       marks ? marks->markAt(m_row) : nullptr);
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QTextBlock block = m_box->document()->findBlockByNumber(m_row);
        const QRect inBox = m_box->cursorRect(QTextCursor(block));
        const QRect line(0, inBox.top(), m_box->viewport()->width(), inBox.height());
        return QRect(m_box->viewport()->mapToGlobal(line.topLeft()), line.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        s.selectable = false;
        const QRect line = rect();
        s.invisible = !line.intersects(QRect(m_box->viewport()->mapToGlobal(QPoint(0, 0)), m_box->viewport()->size()));
        return s;
    }

private:
    QPointer<TicketBox> m_box;
    int m_row;
};

// The box as a list of its lines. The lines' interfaces are made when first asked for
// and kept, one per row, until the box goes.
class BoxAccessible final : public QAccessibleWidget {
public:
    explicit BoxAccessible(TicketBox* box) : QAccessibleWidget(box, QAccessible::List) {}

    ~BoxAccessible() override
    {
        for (const QAccessible::Id id : std::as_const(m_lines))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return box()->document()->blockCount(); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        auto it = m_lines.find(index);
        if (it == m_lines.end())
            it = m_lines.insert(index, QAccessible::registerAccessibleInterface(new LineAccessible(box(), index)));
        return QAccessible::accessibleInterface(*it);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* line = dynamic_cast<const LineAccessible*>(child);
        return line && line->isValid() ? line->row() : -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint inViewport = box()->viewport()->mapFromGlobal(QPoint(x, y));
        const QTextCursor at = box()->cursorForPosition(inViewport);
        return box()->viewport()->rect().contains(inViewport) ? child(at.blockNumber()) : nullptr;
    }

private:
    TicketBox* box() const { return static_cast<TicketBox*>(widget()); }

    mutable QHash<int, QAccessible::Id> m_lines;
};

QAccessibleInterface* boxFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TicketBox") && object && object->isWidgetType())
        return new BoxAccessible(static_cast<TicketBox*>(object));
    return nullptr;
}

}  // namespace

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(boxFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace ticketAccess
