// The ticket box as the multiple ticket window sees it: the session's box and counters,
// filled through Session::setTickets like every other fill.
#pragma once

#include "session/session.h"
#include "tickets/multi_ticket_window.h"

class SessionTicketFeed : public TicketBoxFeed {
public:
    explicit SessionTicketFeed(Session& session) : m_session(session) {}

    int completeLines() const override;
    int numbersOnIncompleteLine() const override;
    void appendLines(const QString& lines, qint64 count) override;
    void showMessage(const QString& text) override;

private:
    Session& m_session;
};
