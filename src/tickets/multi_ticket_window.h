// MultiTicket1: a multiple or banker ticket (复式 / 胆拖) picked on a pad of 36 numbers and
// expanded into its lines in the ticket box. A tap toggles the number in the set chosen
// by the three option buttons; the sets, the count and the price follow every tap.
#pragma once

#include "tickets/multi_ticket.h"
#include "widgets/secondary_window.h"

#include <array>

class QLabel;
class QRadioButton;

// What the window needs of the ticket box and the main window.
class TicketBoxFeed {
public:
    virtual ~TicketBoxFeed() = default;
    virtual int completeLines() const = 0;
    // The numbers keyed on the last line when it is incomplete, else 0.
    virtual int numbersOnIncompleteLine() const = 0;
    // Puts the `count` lines (CR LF between them) after the box's complete lines,
    // dropping an incomplete last line, through the one way the box is filled.
    virtual void appendLines(const QString& lines, qint64 count) = 0;
    virtual void showMessage(const QString& text) = 0;
};

class MultiTicket1 : public SecondaryWindow {
    Q_OBJECT
public:
    explicit MultiTicket1(TicketBoxFeed& box, QWidget* parent = nullptr);

    const tickets::Picks& picks() const { return m_picks; }

    std::array<QRadioButton*, 3> Option2{};  // 胆码, 拖码, 特别号
    std::array<QPushButton*, 37> num2{};     // 1..36; 0 unused
    QLabel* BankerText = nullptr;
    QLabel* PoolText = nullptr;
    QLabel* SpecialText = nullptr;
    QLabel* MultiCount = nullptr;
    QPushButton* ExpandLines = nullptr;
    QPushButton* ClearPicks = nullptr;
    QPushButton* CloseMulti = nullptr;

private:
    void buildControls();
    void num2_Click(int number);
    void ExpandLines_Click();
    void ClearPicks_Click();
    tickets::PickSet chosenSet() const;
    void showPicks();

    TicketBoxFeed& m_box;
    tickets::Picks m_picks;
};
