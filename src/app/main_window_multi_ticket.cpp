// Form1's "复式/胆拖展开": the multiple and banker ticket window, fed into the ticket box
// through the session, the one way the box is filled.
#include "app/main_window.h"

#include "app/session_ticket_feed.h"
#include "tickets/multi_ticket_window.h"

#include <QPointer>

void Form1::multiTicket_Click()
{
    SessionTicketFeed feed(m_session);
    // The window deletes itself when closed; it lives no longer than the feed.
    QPointer<MultiTicket1> window = new MultiTicket1(feed, this);
    window->exec();
    delete window;
}
