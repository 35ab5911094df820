#include "widgets/ticket_marks.h"

#include "tickets/ticket_text.h"
#include "widgets/reading_look.h"
#include "widgets/ticket_box.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>

namespace {

constexpr int kSpareRows = 20;  // rows above and below the visible ones that keep their marks

QColor marginBackground() { return look::backgroundColour(QColor(0xE6, 0xE6, 0xE6)); }
QColor marginRule() { return look::textColour(QColor(0x99, 0x99, 0x99)); }
QColor rowNumberColour() { return look::textColour(QColor(0x44, 0x44, 0x44)); }

bool rowBefore(const tickets::LineMark& mark, int row) { return mark.row < row; }

// A matched regular number: dark blue on white, underlined; the matched special number
// white on dark red. They differ from the other numbers and from each other in
// lightness and shape as well as in colour. In high contrast they are black on white
// and white on black.
QTextCharFormat numberFormat(quint8 match)
{
    QTextCharFormat format;
    const bool special = match == tickets::kSpecialMatch;
    const bool high = look::highContrast();
    format.setForeground(special ? QColor(Qt::white) : high ? QColor(Qt::black) : QColor(0x0B, 0x2E, 0x8A));
    format.setBackground(special ? (high ? QColor(Qt::black) : QColor(0xA3, 0x1F, 0x00)) : QColor(Qt::white));
    format.setFontWeight(QFont::Black);
    format.setFontUnderline(!special);
    format.setProperty(QTextFormat::UserProperty + 1, int(match));
    return format;
}

// The selections of one winning line: its full width, then each matched number.
void addLineSelections(const QTextBlock& block, const tickets::LineMark& mark,
                       QList<QTextEdit::ExtraSelection>& out)
{
    QTextEdit::ExtraSelection line;
    line.cursor = QTextCursor(block);
    line.format.setBackground(TicketMarks::levelColour(mark.level));
    line.format.setProperty(QTextFormat::FullWidthSelection, true);
    line.format.setProperty(QTextFormat::UserProperty, mark.level);
    out.append(line);
    const QString text = block.text();
    const tickets::LineFields fields(text);
    for (int k = 0; k < 7 && k < fields.count; ++k) {
        if (mark.match[k] == tickets::kNoMatch)
            continue;
        const int start = block.position() + int(fields.field[k].data() - text.constData());
        QTextEdit::ExtraSelection number;
        number.cursor = QTextCursor(block);
        number.cursor.setPosition(start);
        number.cursor.setPosition(start + int(fields.field[k].size()), QTextCursor::KeepAnchor);
        number.format = numberFormat(mark.match[k]);
        out.append(number);
    }
}

}  // namespace

TicketMarks::TicketMarks(TicketBox* box) : QWidget(box), m_box(box)
{
    setObjectName(QStringLiteral("Text88Rows"));
    setFont(box->font());
    setAttribute(Qt::WA_OpaquePaintEvent);  // paints every pixel: nothing beneath to draw
    box->installEventFilter(this);
    connect(box, &QPlainTextEdit::blockCountChanged, this, &TicketMarks::updateWidth);
    connect(box, &QPlainTextEdit::updateRequest, this, &TicketMarks::followBox);
    connect(box->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { placeSelections(false); });
    watchDocument();
    connect(box, &TicketBox::documentReplaced, this, [this] {
        clearMarks();
        watchDocument();
    });
    updateWidth();
}

void TicketMarks::watchDocument()
{
    connect(m_box->document(), &QTextDocument::contentsChange, this,
            [this](int position, int removed, int added) {
                if (m_checkShown && !isMarkerAdded(position, removed, added))
                    clearMarks();
            });
}

bool TicketMarks::isMarkerAdded(int position, int removed, int added) const
{
    return removed == 0 && added == 1 && m_box->document()->characterAt(position) == tickets::kMarker;
}

QColor TicketMarks::levelColour(int level)
{
    if (level <= 2)
        return QColor(0xF2, 0xA5, 0x3C);  // orange
    if (level <= 4)
        return QColor(0x9C, 0xD3, 0xF5);  // sky blue
    return QColor(0xFF, 0xF1, 0x9A);      // pale yellow
}

QString TicketMarks::markCaption(const tickets::LineMark& mark)
{
    QString caption;
    if (mark.level > 0)
        caption = QStringLiteral("%1等").arg(mark.level);
    if (mark.firstRow >= 0) {
        if (!caption.isEmpty())
            caption += QLatin1Char(' ');
        caption += QStringLiteral("同%1行").arg(mark.firstRow + 1);
    }
    return caption;
}

void TicketMarks::showMarks(std::vector<tickets::LineMark> marks)
{
    clearMarks();
    m_checkShown = true;
    if (marks.empty())
        return;
    m_marks = std::move(marks);
    // Room for the widest caption, found without measuring every one of them.
    bool anyLevel = false;
    bool anyBoth = false;
    int lastFirstRow = -1;
    for (const tickets::LineMark& m : m_marks) {
        anyLevel |= m.level > 0;
        anyBoth |= m.level > 0 && m.firstRow >= 0;
        lastFirstRow = std::max(lastFirstRow, m.firstRow);
    }
    const QFontMetrics metrics(font());
    const auto captionWidth = [&metrics](int level, int firstRow) {
        tickets::LineMark m;
        m.level = level;
        m.firstRow = firstRow;
        return metrics.horizontalAdvance(markCaption(m));
    };
    m_captionWidth = std::max({anyLevel ? captionWidth(6, -1) : 0,
                               lastFirstRow >= 0 ? captionWidth(0, lastFirstRow) : 0,
                               anyBoth ? captionWidth(6, lastFirstRow) : 0});
    updateWidth();

    const auto firstWin = std::find_if(m_marks.begin(), m_marks.end(),
                                       [](const tickets::LineMark& m) { return m.level > 0; });
    if (firstWin != m_marks.end()) {
        QScrollBar* bar = m_box->verticalScrollBar();
        if (firstWin->row < bar->value() || firstWin->row >= bar->value() + bar->pageStep() - 1)
            bar->setValue(std::max(0, firstWin->row - 1));
    }
    placeSelections(true);
    update();
}

void TicketMarks::clearMarks()
{
    const bool wasShown = m_checkShown;
    m_checkShown = false;
    if (wasShown)
        emit checkCleared();
    m_marks.clear();
    m_captionWidth = 0;
    m_selectedFirst = m_selectedEnd = 0;
    m_box->setExtraSelections({});
    updateWidth();
    update();
}

void TicketMarks::placeSelections(bool force)
{
    if (m_marks.empty())
        return;
    const QScrollBar* bar = m_box->verticalScrollBar();
    const int top = bar->value();
    const int bottom = top + bar->pageStep() + 1;
    if (!force && top >= m_selectedFirst && bottom <= m_selectedEnd)
        return;
    m_selectedFirst = std::max(0, top - kSpareRows);
    m_selectedEnd = bottom + kSpareRows;
    QList<QTextEdit::ExtraSelection> selections;
    const QTextDocument* document = m_box->document();
    for (auto m = std::lower_bound(m_marks.begin(), m_marks.end(), m_selectedFirst, rowBefore);
         m != m_marks.end() && m->row < m_selectedEnd; ++m) {
        const QTextBlock block = document->findBlockByNumber(m->row);
        if (m->level > 0 && block.isValid())
            addLineSelections(block, *m, selections);
    }
    m_box->setExtraSelections(selections);
}

const tickets::LineMark* TicketMarks::markOfRow(int row) const
{
    const auto m = std::lower_bound(m_marks.begin(), m_marks.end(), row, rowBefore);
    return m != m_marks.end() && m->row == row ? &*m : nullptr;
}

int TicketMarks::rowNumberWidth() const
{
    int digits = 2;
    for (int n = m_box->blockCount(); n >= 100; n /= 10)
        ++digits;
    return fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

int TicketMarks::padding() const
{
    return fontMetrics().averageCharWidth() / 2;
}

void TicketMarks::updateWidth()
{
    const int pad = padding();
    const int width = pad + rowNumberWidth() + (m_captionWidth ? 2 * pad + m_captionWidth : 0) + pad;
    if (width == this->width())
        return;
    m_box->setLeftMargin(width);
    const QRect inside = m_box->contentsRect();
    setGeometry(inside.left(), inside.top(), width, inside.height());
}

void TicketMarks::followBox(const QRect& rect, int dy)
{
    if (dy)
        scroll(0, dy);
    else
        update(0, rect.y(), width(), rect.height());
}

bool TicketMarks::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_box) {
        if (event->type() == QEvent::Resize) {
            const QRect inside = m_box->contentsRect();
            setGeometry(inside.left(), inside.top(), width(), inside.height());
            placeSelections(false);
        } else if (event->type() == QEvent::FontChange) {
            setFont(m_box->font());
            m_laidOut.clear();
            updateWidth();
        }
    }
    return QWidget::eventFilter(watched, event);
}

const QStaticText& TicketMarks::laidOut(const QString& text)
{
    // Laying out text costs more than drawing it: the rows on screen keep theirs.
    if (m_laidOut.size() > 1000)
        m_laidOut.clear();
    auto at = m_laidOut.find(text);
    if (at == m_laidOut.end()) {
        at = m_laidOut.insert(text, QStaticText(text));
        at->prepare(QTransform(), font());
    }
    return *at;
}

void TicketMarks::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), marginBackground());
    const QAbstractTextDocumentLayout* layout = m_box->document()->documentLayout();
    const int numberRight = padding() + rowNumberWidth();
    // From the first visible line (the scroll bar counts lines) down to the bottom of the
    // area to paint.
    QTextBlock block = m_box->document()->findBlockByLineNumber(m_box->verticalScrollBar()->value());
    int top = block.isValid() ? m_box->cursorRect(QTextCursor(block)).top() : 0;
    for (; block.isValid() && top <= event->rect().bottom(); block = block.next()) {
        const int height = qRound(layout->blockBoundingRect(block).height());
        if (top + height >= event->rect().top())
            paintRow(painter, numberRight, block.blockNumber(), top, height);
        top += height;
    }
    painter.setPen(marginRule());
    painter.drawLine(width() - 1, event->rect().top(), width() - 1, event->rect().bottom());
}

void TicketMarks::paintRow(QPainter& painter, int numberRight, int row, int top, int height)
{
    const tickets::LineMark* mark = markOfRow(row);
    if (mark && mark->level > 0)
        painter.fillRect(0, top, width(), height, levelColour(mark->level));
    painter.setPen(mark ? QColor(Qt::black) : rowNumberColour());
    const QStaticText& number = laidOut(QString::number(row + 1));
    const int textTop = top + (height - qRound(number.size().height())) / 2;
    painter.drawStaticText(numberRight - qRound(number.size().width()), textTop, number);
    if (mark)
        painter.drawStaticText(numberRight + 2 * padding(), textTop, laidOut(markCaption(*mark)));
}

void TicketMarks::restyle()
{
    placeSelections(true);
    update();
}
