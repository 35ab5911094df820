// editLV: sets by hand the two counters that steer the number pad, the row of the last
// ticket line (AllList) and the numbers already in it (NowIsJi).
#pragma once

#include "widgets/widgets.h"

#include <array>

class Form1;
class QLabel;
class QLineEdit;
class QPushButton;

class editLV : public SecondaryWindow {
    Q_OBJECT
public:
    explicit editLV(Form1& main, QWidget* parent = nullptr);

    // Shows the current counters in the two fields.
    void NewValue1();

    QLabel* Label1 = nullptr;
    std::array<QLabel*, 2> Label2{};  // "第" and "有"
    QLineEdit* Text1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* Label5 = nullptr;
    QPushButton* Command1 = nullptr;

private:
    void buildControls();
    // "保存数据": stores each field that holds a 16-bit number, then hides the dialog.
    void Command1_Click();

    Form1& m_main;
};
