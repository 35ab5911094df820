#include "session/session.h"

#include "archive/date_time_text.h"
#include "messages/message_text.h"
#include "messages/message_window.h"
#include "messages/sound_cues_ui.h"
#include "messages/speech_ui.h"
#include "session/slot_preload.h"
#include "tickets/ticket_text.h"
#include "widgets/controls.h"
#include "widgets/pad_line_edit.h"
#include "widgets/ticket_box.h"

#include <QDir>

namespace {

const QString kNotSaved = QStringLiteral("彩票数据未能保存 ..");

}  // namespace

Session::Session(const archive::AppFolders& folders, QWidget* window)
    : m_folders(folders), m_settingsAtStart(archive::loadSettings(folders.data)), m_window(window),
      m_speaker(std::make_unique<speech::Speaker>(folders.data, m_settingsAtStart))
{
    connect(m_speaker.get(), &speech::Speaker::notice, this, &Session::setStatus);
}

Session::~Session() = default;

void Session::preloadFirstSlot(const QFont& boxFont)
{
    m_slotPreload = std::make_unique<SlotPreload>(dataFolder(), QStringLiteral("Save00.txt"), boxFont);
}

void Session::attachBoxes(TicketBox* tickets, PadLineEdit* draw)
{
    m_tickets = tickets;
    m_draw = draw;
}

void Session::loadCurrentSlot()
{
    const QString timeFile = archive::timeFileNameFor(NowOpenFile);
    const archive::TextRead time = archive::readTimeText(dataFolder(), timeFile);
    Addtime3 = time.text.value_or(QString());
    emit slotChanged();
    std::optional<SlotPreload::Slot> preloaded;
    if (m_slotPreload) {
        preloaded = m_slotPreload->take(dataFolder(), NowOpenFile);
        m_slotPreload.reset();
    }
    const archive::SlotLoad load =
        preloaded ? preloaded->load : archive::loadSlotData(dataFolder(), NowOpenFile);
    refusedSlotFile = load.refused() ? NowOpenFile : QString();
    slotStamp = load.stamp;
    slotEncoding = load.encoding;
    AllNum3 = load.slot.text;
    if (preloaded)
        m_tickets->adoptDocument(preloaded->document, AllNum3);
    // A file without a complete line leaves the count of the last line as it was.
    setTickets(AllNum3, load.slot.lastLineCount.value_or(NowIsJi), load.slot.lineCount);
    AllNum3.clear();
    SaveOK = m_tickets->crlfText();
    const QString slot = archive::slotNumberText(NowOpenFile);
    if (load.refused()) {
        setStatus(QStringLiteral("存档") + slot + QStringLiteral("没有打开 .."));
        showMessage(QStringLiteral("错误提示：BR   存档") + slot + QStringLiteral("的数据文件没有打开：")
                    + load.refusal + QStringLiteral("BR   ") + messages::shownPath(dataFolder(), NowOpenFile)
                    + QStringLiteral("BR   文件没有改变；保存到这个存档之前会先问您。"));
    }
    if (!time.refusal.isEmpty())
        showMessage(QStringLiteral("错误提示：BR   存档") + slot + QStringLiteral("的时间文件没有读取：")
                    + time.refusal + QStringLiteral("BR   ") + messages::shownPath(dataFolder(), timeFile));
}

QString Session::openSlot(const QString& dataFile)
{
    const archive::SlotLoad load = archive::loadSlotData(dataFolder(), dataFile);
    if (load.refused()) {
        // Opening it as empty would let the next save overwrite tickets that are still there.
        return QStringLiteral("错误提示：BR   存档") + archive::slotNumberText(dataFile)
               + QStringLiteral("的数据文件没有打开：") + load.refusal + QStringLiteral("BR   ")
               + messages::shownPath(dataFolder(), dataFile)
               + QStringLiteral("BR   当前存档和彩票号码都没有改变。");
    }
    NowOpenFile = dataFile;
    loadCurrentSlot();
    return QString();
}

bool Session::replacingRefusedSlotAgreed()
{
    if (refusedSlotFile.isEmpty() || refusedSlotFile != NowOpenFile)
        return true;
    const bool agreed = askYesNo(
        m_window, QStringLiteral("ReplaceRefusedGuard"), QStringLiteral("存档没有打开"),
        QStringLiteral("存档") + archive::slotNumberText(NowOpenFile)
            + QStringLiteral("的数据文件没有打开，保存会替换掉文件里原有的内容，确定要保存吗？"),
        false);
    if (agreed) {
        refusedSlotFile.clear();
        slotStamp = archive::stampOf(archive::filePath(dataFolder(), NowOpenFile));
    }
    return agreed;
}

bool Session::replacingChangedSlotAgreed()
{
    if (!archive::changedSince(dataFolder(), NowOpenFile, slotStamp))
        return true;
    return askYesNo(
        m_window, QStringLiteral("ChangedSlotGuard"), QStringLiteral("存档被别的程序改过"),
        QStringLiteral("存档") + archive::slotNumberText(NowOpenFile)
            + QStringLiteral("的数据文件在对奖器打开它之后被别的程序改过了：\n")
            + QDir::toNativeSeparators(archive::filePath(dataFolder(), NowOpenFile))
            + QStringLiteral("\n\n保存会用这里的彩票号码替换文件里现在的内容，别的程序写进去的号码会丢失。"
                             "\n确定要替换吗？（点“否”不保存）"),
        false);
}

bool Session::saveCurrentSlot(QString& content)
{
    // A copy opened read-only writes nothing: the questions about replacing are moot.
    if (archive::writesAllowed() && (!replacingRefusedSlotAgreed() || !replacingChangedSlotAgreed())) {
        setStatus(kNotSaved);
        return false;
    }
    QString failure;
    const bool saved = saveInto(NowOpenFile, content, QString(), failure);
    if (!failure.isEmpty())
        showMessage(failure);
    return saved;
}

QString Session::saveBoxInto(const QString& dataFile, const QString& slotName)
{
    // The box itself is tidied too, so that it shows what the slot holds. The slot gets
    // the box's own text, cleaned once, so that no mark can take a space with it.
    QString content = m_tickets->crlfText();
    if (!content.isEmpty())
        m_tickets->setCrlfText(tickets::collapseSpaces(content, 5));
    QString failure;
    saveInto(dataFile, content, slotName, failure);
    return failure;
}

bool Session::saveInto(const QString& dataFile, QString& content, const QString& slotName,
                       QString& failure)
{
    const QString dateTime = archive::currentDateTimeText();
    // The tickets keep the encoding of the slot they came from.
    const archive::SaveResult result =
        archive::saveSlot(dataFolder(), dataFile, content, dateTime, slotEncoding);
    content = result.content;
    failure = archive::saveFailureText(result, slotName, dataFolder());
    if (!result.dataSaved) {
        // Nothing was written: the current slot and the saved snapshot stay as they were.
        setStatus(kNotSaved);
        return false;
    }
    NowOpenFile = dataFile;
    SaveOK = result.content;
    slotStamp = result.data.stamp;
    if (refusedSlotFile == dataFile)
        refusedSlotFile.clear();  // the user chose to replace it
    // The data time shown is the one the time file holds.
    if (result.time.ok)
        Addtime3 = dateTime;
    emit slotChanged();
    setStatus(archive::savedStatusText(archive::slotNumberText(dataFile)));
    return true;
}

void Session::setTickets(const QString& text, qint16 numbersInLine, qint16 lines)
{
    m_tickets->setCrlfText(text);
    NowIsJi = numbersInLine;
    AllList = lines;
}

void Session::setDrawLine(const QString& text, qint16 numbers)
{
    m_draw->setText(text);
    NowIsJi2 = numbers;
}

bool Session::isUnsaved() const
{
    return archive::isUnsaved(m_tickets->crlfText(), SaveOK);
}

void Session::putTicketCaretBeforeMarker()
{
    m_tickets->setCaretFromEnd(1);
}

void Session::setStatus(const QString& text)
{
    emit statusChanged(text);
}

void Session::setCaption(const QString& text)
{
    emit captionChanged(text);
}

ShowText1& Session::messageWindow()
{
    if (!m_messages || m_messages->isUnloaded()) {
        loadedWindow(m_messages, dataFolder(), m_window);
        m_messages->setSpeaker(m_speaker.get());
    }
    return *m_messages;
}

ShowText1* Session::loadedMessageWindow() const
{
    return m_messages;
}

void Session::showMessage(const QString& text)
{
    QString message = text;
    messageWindow().ShowTextWord(message);
}

void Session::playCue(const QString& cueLiteral)
{
    cues::play(shareFolder(), cueLiteral);
}
