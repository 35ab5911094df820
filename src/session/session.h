// Session: the state every window shares (the current slot, its saved snapshot, the
// counters of the two boxes, the active box) and what is done with it: opening and
// saving slots, filling the ticket box, the status line, messages and cues. The main
// window shows it; the secondary windows are given it instead of the main window.
#pragma once

#include "archive/app_folders.h"
#include "archive/archive_files.h"
#include "archive/settings_file.h"
#include "tickets/pad_state.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class QFont;
class QWidget;
class PadLineEdit;
class ShowText1;
class SlotPreload;
class TicketBox;
namespace speech {
class Speaker;
}

// A window made at first use and again after each unload. A window closed by its close
// button is deleted only when the event loop runs; until then a fresh one stands in for it.
template <typename W, typename... Args>
W& loadedWindow(QPointer<W>& window, Args&&... args)
{
    if (!window || window->isUnloaded())
        window = new W(std::forward<Args>(args)...);
    return *window;
}

class Session : public QObject {
    Q_OBJECT
public:
    // `window` is the parent of the questions and the message window.
    Session(const archive::AppFolders& folders, QWidget* window);
    ~Session() override;

    // Starts reading slot 0, for a ticket box in boxFont, on a worker thread; the first
    // load takes it.
    void preloadFirstSlot(const QFont& boxFont);

    // The two boxes of the main window, given once they exist.
    void attachBoxes(TicketBox* tickets, PadLineEdit* draw);
    TicketBox& ticketBox() const { return *m_tickets; }
    PadLineEdit& drawLine() const { return *m_draw; }

    qint16 Input2W = tickets::activeBox::kNone;  // the box the pad writes into
    qint16 NowIsJi = 0;    // numbers in the last ticket line
    qint16 NowIsJi2 = 8;   // numbers in the draw line
    qint16 AllList = 0;    // ticket lines
    qint16 JustPress = tickets::kPadFree;  // the pad lock
    QString NowOpenFile;   // data file of the current slot, "Save00.txt"
    QString SaveOK;        // saved snapshot of the ticket box, without marker
    QString AllNum3;       // load buffer
    QString Addtime3;      // date-time text of the current slot's last save
    // The data file the last load refused (unreadable or malformed): a save into it while
    // it is still the current slot asks first, since the file on disk still holds its text.
    QString refusedSlotFile;
    // The current slot's data file as last loaded or saved: a save asks first when
    // another program has written it since. Saves write it in the encoding it was read in.
    archive::FileStamp slotStamp;
    archive::TextEncoding slotEncoding;

    const QString& dataFolder() const { return m_folders.data; }    // the slot files
    const QString& shareFolder() const { return m_folders.share; }  // sound/, low.txt
    const archive::AppFolders& folders() const { return m_folders; }

    // Loads the current slot (NowOpenFile) into the ticket box with its counters and time.
    void loadCurrentSlot();
    // Makes slot dataFile current and loads it; the message for the user when its data
    // file exists but cannot be read (nothing changes then), else "".
    QString openSlot(const QString& dataFile);
    // Cleans content (the caller's copy receives the cleaned text) and saves it into the
    // current slot, asking first where the file holds what the user may not want to lose.
    // False, after telling the user, when the data file was not written.
    bool saveCurrentSlot(QString& content);
    // Saves the ticket box into slot dataFile (tidying the box too), which becomes the
    // current slot; the message for the user when not everything was written, else "".
    QString saveBoxInto(const QString& dataFile, const QString& slotName);

    // Puts a ticket text into the box with the counters that go with it.
    void setTickets(const QString& text, qint16 numbersInLine, qint16 lines);
    // Puts a draw line into the draw box with its count of numbers.
    void setDrawLine(const QString& text, qint16 numbers);
    // The ticket box holds other tickets than SaveOK (its display form does not count).
    bool isUnsaved() const;
    // The ticket box's caret at text length − 1 (just before the marker).
    void putTicketCaretBeforeMarker();

    // The status line under the ticket box, and the main window's caption.
    void setStatus(const QString& text);
    void setCaption(const QString& text);

    // The message window, made at first use; the one made, if any.
    ShowText1& messageWindow();
    ShowText1* loadedMessageWindow() const;
    // ShowTextWord of the message window with a copy of the text (modal).
    void showMessage(const QString& text);
    void playCue(const QString& cueLiteral);
    // Read aloud: says texts when the user has switched it on.
    speech::Speaker& speaker() { return *m_speaker; }
    // The settings file as read once at start-up; each change is written by its owner.
    const archive::Settings& settingsAtStart() const { return m_settingsAtStart; }

signals:
    void statusChanged(const QString& text);
    void captionChanged(const QString& text);
    // The current slot or its data time changed.
    void slotChanged();

private:
    // The one save path: writes content into dataFile, which becomes the current slot
    // when its data file was written (true). `failure` receives the message for the user
    // (empty when all was written); the caller shows it when it fits.
    bool saveInto(const QString& dataFile, QString& content, const QString& slotName,
                  QString& failure);
    bool replacingRefusedSlotAgreed();
    bool replacingChangedSlotAgreed();

    archive::AppFolders m_folders;
    archive::Settings m_settingsAtStart;
    QWidget* m_window;
    TicketBox* m_tickets = nullptr;
    PadLineEdit* m_draw = nullptr;
    std::unique_ptr<SlotPreload> m_slotPreload;  // slot 0 until the first load has taken it
    QPointer<ShowText1> m_messages;
    std::unique_ptr<speech::Speaker> m_speaker;
};
