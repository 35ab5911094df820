// Load2: the archive window. It lists the six slots with the time of their last save
// and either opens the clicked slot into the ticket box or saves the box into it
// (save-as); either way the clicked slot becomes the current one.
#pragma once

#include "archive/archive_files.h"
#include "widgets/secondary_window.h"

#include <QString>
#include <array>

class Session;
class QFrame;
class QLabel;
class QPushButton;

class Load2 : public SecondaryWindow {
    Q_OBJECT
public:
    explicit Load2(Session& session, QWidget* parent = nullptr);

    QString OpenOrSaveW;  // verb on the slot buttons: "打开" or "保存"
    qint16 nowDoing1 = 0;  // 0 opens a slot, anything else saves into one

    // Prepares the window for the mode in nowDoing1: caption, slot buttons, slot times.
    void fall1();
    // A click on the button of slot Index (0..5).
    void Command1_Click(int Index);

    // Copies the slots of another folder (an old portable copy's) into the data folder;
    // the button asks for the folder in the file dialog first.
    void importFromFolder(const QString& source);

    std::array<QFrame*, archive::kSlotCount> Frame1{};
    std::array<QPushButton*, archive::kSlotCount> Command1{};
    std::array<QLabel*, archive::kSlotCount> Label1{};
    QPushButton* ImportSlots = nullptr;  // shown while opening only

protected:
    void onCloseButton() override;

private:
    void Form_Load();
    void buildControls();
    // True when nothing unsaved is in the box, or the user agrees to replace it.
    bool replaceUnsavedAgreed(int Index);
    // True when the slot holds no other lines and was not refused, or the user agrees to
    // replace what it holds.
    bool replaceSlotAgreed(int Index);
    void resetToOpenMode();
    void chooseFolderAndImport();

    Session& m_session;
};
