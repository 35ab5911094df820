// Form1: the main window. It owns the session (the shared state and its operations) and
// shows it; its public variables are views of the session's state. The secondary windows
// are given the session, not this window. The handlers are defined in
// main_window_<topic>.cpp beside this file.
#pragma once

#include "archive/app_folders.h"
#include "archive/archive_files.h"
#include "session/session.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QMenu;
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

class Form1 : public QMainWindow {
    Q_OBJECT
    Session m_session;  // first: the state views below refer to it

public:
    // Runs the start-up; appFolder is the folder of the slot files, sound/ and low.txt.
    explicit Form1(const QString& appFolder, QWidget* parent = nullptr);
    // Runs the start-up with the slot files in folders.data, sound/ and low.txt in folders.share.
    explicit Form1(const archive::AppFolders& folders, QWidget* parent = nullptr);
    ~Form1() override;

    Session& session() { return m_session; }

    // ---- shared state: views of the session's ----
    qint16& Input2W = m_session.Input2W;  // tickets::activeBox
    qint16& NowIsJi = m_session.NowIsJi;
    qint16& NowIsJi2 = m_session.NowIsJi2;
    qint16& AllList = m_session.AllList;
    qint16& JustPress = m_session.JustPress;  // tickets::padLockOf
    QString& NowOpenFile = m_session.NowOpenFile;
    QString& SaveOK = m_session.SaveOK;
    QString& AllNum3 = m_session.AllNum3;
    QString& Addtime3 = m_session.Addtime3;
    QString& refusedSlotFile = m_session.refusedSlotFile;
    archive::FileStamp& slotStamp = m_session.slotStamp;
    archive::TextEncoding& slotEncoding = m_session.slotEncoding;
    QString Low3;  // rules text last read

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
    QLabel* PrizeMoney = nullptr;  // what the box's lines won with the draw just checked
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
    QAction* trendChart = nullptr;
    QAction* multiTicket = nullptr;
    QAction* readAloud = nullptr;
    QAction* speechSlower = nullptr;
    QAction* speechFaster = nullptr;
    QAction* highContrast = nullptr;
    QMenu* fontSize = nullptr;  // "字体大小": 100%, 125%, 150%
    std::array<QAction*, 3> fontSizeChoice{};
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
    const QString& dataFolder() const { return m_session.dataFolder(); }    // the slot files
    const QString& shareFolder() const { return m_session.shareFolder(); }  // sound/, low.txt
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
    void num1_Click(int Index);      // main_window_pad.cpp; the rules: tickets/ticket_entry.h
    void Command5_Click();
    void Command2_Click();
    void Command3_Click();
    void Command1_Click();           // main_window_check.cpp
    void Timer1_Timer();

    void open234_Click();       // main_window_archive.cpp
    void savewrete_Click();
    void saveaswr34w_Click();
    void Command6_Click();      // main_window_help.cpp
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
    void Command12_Click();     // main_window_generator.cpp
    void g34435_Click();        // main_window_editing.cpp
    void editX_Click();
    void t34534_Click();
    void Command13_Click();     // main_window_print.cpp
    void drawHistory_Click();   // main_window_history.cpp
    void trendChart_Click();    // main_window_history.cpp
    void multiTicket_Click();   // main_window_multi_ticket.cpp
    void readAloud_Click();     // main_window_access.cpp
    void speechSlower_Click();
    void speechFaster_Click();
    void highContrast_Click();
    void fontSize_Click(int percent);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    // The colours of high contrast or not, and the reading type's size, on this window.
    void applyLook();
    // Remembers a change of the settings file's own entries; says it when not saved.
    template <class Change>
    void rememberSetting(Change change);
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
    // Shows what a check's winning lines are worth with the draw's announced amounts.
    void showPrizeMoney(const QString& text);
    QPointer<Load2> m_load2;
    QPointer<AutoCode1> m_autoCode1;
    QPointer<editX1> m_editX1;
    QPointer<editLV> m_editLV;
};
