// editX1: the row replace editor. The user names a ticket line by its row number or by
// its content, keys the replacement line on the window's own digit pad, and replaces the
// line in the main window's ticket box. The three fields take no typing.
#pragma once

#include "widgets/pad_line_edit.h"
#include "widgets/secondary_window.h"

#include <array>

class DigitPad;
class Session;
class QFrame;
class QLabel;
class QPushButton;

namespace editing {
enum class RowEditorField : qint16;
struct RowEditorState;
}

class editX1 : public SecondaryWindow {
    Q_OBJECT
public:
    explicit editX1(Session& session, QWidget* parent = nullptr);

    // "全部重置": empties the fields, disables the pad, puts the line count into the caption.
    void Command1_Click();

    QLabel* Label1 = nullptr;
    QLabel* Label21 = nullptr;
    QLabel* Label2 = nullptr;
    PadLineEdit* Text1 = nullptr;
    QLabel* Label3 = nullptr;
    PadLineEdit* Text2 = nullptr;
    QLabel* Label4 = nullptr;
    PadLineEdit* Text3 = nullptr;
    DigitPad* Frame1 = nullptr;
    std::array<QPushButton*, 10> Command3{};
    QPushButton* Command4 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;

    // The field the pad fills, an editing::RowEditorField: 0 none, 1 Text1, 2 Text2, 3 Text3.
    qint16 GoText1 = 0;

protected:
    void onCloseButton() override;

private:
    void buildControls();
    void connectHandlers();

    void chooseField(editing::RowEditorField field);
    void Command3_Click(int Index);
    void Command4_Click();
    void Command2_Click();
    void Text_KeyDown(int key);

    // The fields, their switches and the pad as the rules see them, and back.
    editing::RowEditorState state() const;
    void showState(const editing::RowEditorState& state);

    Session& m_session;
};
