#include "app/session_ticket_feed.h"

#include "tickets/multi_ticket.h"
#include "tickets/ticket_entry.h"
#include "tickets/ticket_line.h"
#include "widgets/ticket_box.h"

#include <algorithm>

int SessionTicketFeed::completeLines() const
{
    return std::max(0, m_session.AllList - (numbersOnIncompleteLine() > 0 ? 1 : 0));
}

int SessionTicketFeed::numbersOnIncompleteLine() const
{
    const int n = m_session.NowIsJi;
    return n >= 1 && n < tickets::kNumbersPerLine ? n : 0;
}

void SessionTicketFeed::appendLines(const QString& lines, qint64 count)
{
    const tickets::TicketEntry entry = tickets::appendCompleteLines(
        m_session.ticketBox().crlfText(), m_session.NowIsJi, m_session.AllList, lines,
        int(std::min<qint64>(count, tickets::kMaxBoxLines)));
    m_session.setTickets(entry.text, entry.numbersInLine, entry.lines);
    m_session.setStatus(entry.status);
}

void SessionTicketFeed::showMessage(const QString& text)
{
    m_session.showMessage(text);
}
