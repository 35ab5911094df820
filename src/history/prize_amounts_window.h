// PrizeAmounts1: the announced amounts of a draw's floating prizes (一等奖 to 三等奖), keyed
// on an on-screen digit pad into the field last tapped. An empty field is "not announced".
#pragma once

#include "tickets/prize_money.h"
#include "widgets/pad_line_edit.h"
#include "widgets/secondary_window.h"

#include <array>

class PrizeAmounts1 : public SecondaryWindow {
    Q_OBJECT
public:
    PrizeAmounts1(const QString& drawText, const tickets::FloatingAmounts& amounts, QWidget* parent = nullptr);

    // What the fields hold.
    tickets::FloatingAmounts amounts() const;

    std::array<PadLineEdit*, 4> Amount{};  // levels 1..3; 0 unused
    std::array<QPushButton*, 10> Command3{};
    QPushButton* Command4 = nullptr;
    QPushButton* SaveAmounts = nullptr;
    QPushButton* CloseAmounts = nullptr;

private:
    void chooseField(int level);
    void digit_Click(int digit);
    void erase_Click();

    int m_level = 1;
};
