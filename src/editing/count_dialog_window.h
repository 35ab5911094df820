// editLV: sets by hand the two counters that steer the number pad, the row of the last
// ticket line (AllList) and the numbers already in it (NowIsJi). The fields take typed
// digits and the window's own digit pad, which adds to (or deletes from) the end of the
// field last clicked, the first one until another is.
#pragma once

#include "widgets/secondary_window.h"

#include <array>

class DigitPad;
class Session;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class editLV : public SecondaryWindow {
    Q_OBJECT
public:
    explicit editLV(Session& session, QWidget* parent = nullptr);

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
    DigitPad* Frame1 = nullptr;
    std::array<QPushButton*, 10> Command3{};
    QPushButton* Command4 = nullptr;  // "←": deletes the last digit

protected:
    // A field that gets the focus becomes the one the pad types into.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void Command3_Click(int Index);
    void Command4_Click();
    // "保存数据": stores each field that holds a 16-bit number, then hides the dialog.
    void Command1_Click();

    Session& m_session;
    QLineEdit* m_padField = nullptr;
};
