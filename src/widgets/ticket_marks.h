// The ticket box's margin ("Text88Rows"): the row number beside every line and, after a
// prize check, what the check found on each line. Winning lines get a background by
// prize level and their matched numbers emphasised, as extra selections of the box:
// one full-width selection per winning line carrying its level in
// QTextFormat::UserProperty, one per matched number carrying 1 (regular) or 2 (special)
// in QTextFormat::UserProperty + 1. The margin names the prize ("2等") and the row of an
// earlier identical line ("同3行"), so colour is never the only sign.
// Display only: the box's text is never touched, and the next change of the text
// clears the marks (but the input marker that a click on the box puts at its end).
#pragma once

#include "tickets/prize_check.h"

#include <QColor>
#include <QHash>
#include <QStaticText>
#include <QWidget>
#include <vector>

class QPainter;
class TicketBox;

class TicketMarks : public QWidget {
    Q_OBJECT
public:
    // Becomes the left margin of `box`.
    explicit TicketMarks(TicketBox* box);

    // Shows the marks of a check just applied to the box (none when nothing won) and
    // scrolls the first winning line into view.
    void showMarks(std::vector<tickets::LineMark> marks);
    void clearMarks();
    // Draws the marks again after the look changed (high contrast).
    void restyle();
    // The mark of the last check on `row`, or null.
    const tickets::LineMark* markAt(int row) const { return markOfRow(row); }

    // Background of a winning line: one colour for levels 1-2, one for 3-4, one for 5-6.
    static QColor levelColour(int level);
    // What the margin says beside a marked line: "2等", "同3行" or "2等 同3行".
    static QString markCaption(const tickets::LineMark& mark);

signals:
    // What a check showed is gone: the box or the draw line changed after it.
    void checkCleared();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Clears the marks when the box's document changes.
    void watchDocument();
    // The change only put the input marker into the text.
    bool isMarkerAdded(int position, int removed, int added) const;
    void updateWidth();
    void followBox(const QRect& rect, int dy);
    void placeSelections(bool force);
    const tickets::LineMark* markOfRow(int row) const;
    int rowNumberWidth() const;
    const QStaticText& laidOut(const QString& text);
    // Paints one row's number and caption; the numbers end at x = numberRight.
    void paintRow(QPainter& painter, int numberRight, int row, int top, int height);
    int padding() const;

    TicketBox* m_box;
    std::vector<tickets::LineMark> m_marks;  // by row
    bool m_checkShown = false;               // a check's result is shown, marks or none
    int m_captionWidth = 0;                  // room for the widest caption, 0 without marks
    // Rows whose marks are extra selections now. Only the rows around the visible part
    // get them, so that painting costs the same with ten marked lines and with 30,000.
    int m_selectedFirst = 0;
    int m_selectedEnd = 0;
    QHash<QString, QStaticText> m_laidOut;  // texts drawn lately, laid out once
};
