// Form1: the main window and owner of the shared state. The secondary windows read and
// write its public variables and controls directly and call LoadAll, LoadLow and
// saveallnum. Handlers of the entries that belong to a subsystem (archive, help, the
// generator, the editing tools, printing) are defined in that subsystem's folder.
#pragma once

#include "archive/app_folders.h"
#include "archive/archive_files.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class PadLineEdit;
class TicketBox;
class TicketMarks;
class ShowText1;
namespace tickets {
struct DrawEntry;
}
class Load2;
class AutoCode1;
class editX1;
class editLV;
class SlotPreload;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // Runs the start-up; appFolder is the folder of the slot files, sound/ and low.txt.
    explicit Form1(const QString& appFolder, QWidget* parent = nullptr);
    // Runs the start-up with the slot files in folders.data, sound/ and low.txt in folders.share.
    explicit Form1(const archive::AppFolders& folders, QWidget* parent = nullptr);
    ~Form1() override;

    // ---- shared state ----
    qint16 Input2W = 999;  // active box: 999 none, 0 draw line, 88 ticket box
    qint16 NowIsJi = 0;    // numbers in the last ticket line
    qint16 NowIsJi2 = 8;   // numbers in the draw line
    qint16 AllList = 0;    // ticket lines
    qint16 JustPress = 0;  // pad lock: 0 none, 1..36 the locked button, -100 the whole pad
    QString NowOpenFile;   // data file of the current slot, "Save00.txt"
    QString SaveOK;        // saved snapshot of the ticket box, without marker
    QString Low3;          // rules text last read
    QString AllNum3;       // load buffer
    QString Addtime3;      // date-time text of the current slot's last save
    // The data file the last load refused (unreadable or malformed): a save into it while
    // it is still the current slot asks first, since the file on disk still holds its text.
    QString refusedSlotFile;
    // The current slot's data file as last loaded or saved: a save asks first when
    // another program has written it since. Saves write it in the encoding it was read in.
    archive::FileStamp slotStamp;
    archive::TextEncoding slotEncoding;

    // ---- public operations ----
    void LoadLow();
    void LoadAll();
    // Cleans Content (the caller's copy receives the cleaned text) and saves it into the
    // current slot. Returns false, after telling the user, when the data file could not
    // be written; SaveOK is then unchanged.
    bool saveallnum(QString& Content);
    // Puts a ticket text into the box with the counters that go with it (NowIsJi, AllList).
    void setTickets(const QString& text, qint16 numbersInLine, qint16 lines);
    // Shows Addtime3 as the data time beside the ticket box.
    void showDataTime();
    // Names the current slot (NowOpenFile) beside the ticket box: "存档01".
    void showCurrentSlot();

    // ---- controls ----
    QLabel* Label3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label4 = nullptr;
    PadLineEdit* Text0 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command6 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* CurrentSlot = nullptr;  // the slot the box belongs to
    TicketBox* Text88 = nullptr;
    TicketMarks* Text88Rows = nullptr;  // Text88's margin: row numbers and a check's marks
    QPushButton* Command2 = nullptr;
    QPushButton* Command13 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command12 = nullptr;
    QPushButton* Command1 = nullptr;
    QFrame* Frame1 = nullptr;
    QLabel* Label9 = nullptr;
    std::array<QPushButton*, 37> num1{};  // elements 1..36
    QPushButton* Command5 = nullptr;
    QTimer* Timer1 = nullptr;

    QAction* open234 = nullptr;
    QAction* savewrete = nullptr;
    QAction* saveaswr34w = nullptr;
    QAction* editX = nullptr;
    QAction* g34435 = nullptr;
    QAction* t34534 = nullptr;
    QAction* drawHistory = nullptr;
    QAction* guan23424 = nullptr;
    QAction* h2p09w34 = nullptr;
    QAction* h2w3434w = nullptr;
    QAction* d34fd = nullptr;
    QAction* jianyiw3432 = nullptr;
    QAction* home9879 = nullptr;
    QAction* ding234 = nullptr;
    QAction* r343 = nullptr;
    QAction* forme3435 = nullptr;
    QAction* newver345 = nullptr;

    // ---- secondary windows: loaded (created) at first use and again after each unload ----
    ShowText1& messageWindow();
    Load2& archiveWindow();
    AutoCode1& generatorWindow();
    editX1& rowEditorWindow();
    editLV& countDialog();

    // ---- helpers for the handlers ----
    const QString& dataFolder() const { return m_folders.data; }    // the slot files
    const QString& shareFolder() const { return m_folders.share; }  // sound/, low.txt
    // ShowTextWord of the message window with a copy of the text (modal).
    void showMessage(const QString& text);
    void playCue(const QString& cueLiteral);
    // The ticket box holds other tickets than SaveOK (its display form does not count).
    bool isUnsaved() const;
    // Enables or disables the 36 number buttons (in index order) and "←".
    void setPadEnabled(bool enabled);
    // The free-edit mode is the check mark of g34435.
    bool freeEditOn() const;
    // Text88's caret at text length − 1 (just before the marker).
    void putTicketCaretBeforeMarker();

    // ---- handlers of this window ----
    void Text0_Click();
    void Text88_Click();
    void Text0_KeyDown();
    void Text88_KeyDown();
    void num1_Click(int Index);      // the pad's rules: tickets/ticket_entry.h
    void Command5_Click();
    void Command2_Click();
    void Command3_Click();
    void Command1_Click();
    void Timer1_Timer();

    // ---- handlers defined with their subsystems ----
    void open234_Click();       // archive/
    void savewrete_Click();     // archive/
    void saveaswr34w_Click();   // archive/
    void Command6_Click();      // messages/ (help and links)
    void Command7_Click();
    void Command8_Click();
    void guan23424_Click();
    void h2p09w34_Click();
    void h2w3434w_Click();
    void d34fd_Click();
    void jianyiw3432_Click();
    void home9879_Click();
    void ding234_Click();
    void r343_Click();
    void forme3435_Click();
    void newver345_Click();
    void Command12_Click();     // generator/
    void g34435_Click();        // editing/
    void editX_Click();         // editing/
    void t34534_Click();        // editing/
    void Command13_Click();     // printing/
    void drawHistory_Click();   // history/

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void connectHandlers();
    void startUp();
    // Exit guard: true when the window may close.
    bool confirmClose();
    // Closes the open order sheets; an edited one asks first. False when one stays open.
    bool closeOrderSheets();
    // Locks the pressed number button until the timer ticks.
    void lockPadButton(int Index);
    // Puts a draw-line step into the draw line, its counter and the status line.
    void setDraw(const tickets::DrawEntry& entry);
    // Whether a save may replace the current slot's data file that the last load refused.
    bool replacingRefusedSlotAgreed();
    // Whether a save may replace the current slot's data file that another program has
    // changed since it was loaded or saved.
    bool replacingChangedSlotAgreed();

    archive::AppFolders m_folders;
    std::unique_ptr<SlotPreload> m_slotPreload;  // slot 0 until the start-up has taken it
    QPointer<ShowText1> m_showText1;
    QPointer<Load2> m_load2;
    QPointer<AutoCode1> m_autoCode1;
    QPointer<editX1> m_editX1;
    QPointer<editLV> m_editLV;
};
