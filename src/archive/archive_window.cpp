#include "archive/archive_window.h"

#include "archive/data_folder_start_ui.h"
#include "archive/durable_write.h"
#include "messages/cue_literals.h"
#include "messages/message_text.h"
#include "session/session.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/ticket_box.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kOpenVerb = QStringLiteral("打开");
const QString kSaveVerb = QStringLiteral("保存");

QString slotCaption(int slot, const QString& time)
{
    return QStringLiteral("存档0%1  时间:").arg(slot) + time;
}

}  // namespace

Load2::Load2(Session& session, QWidget* parent) : SecondaryWindow(parent), m_session(session)
{
    setObjectName(QStringLiteral("Load2"));
    setWindowTitle(QStringLiteral("打开存档"));
    buildControls();
    Form_Load();
}

void Load2::buildControls()
{
    const QFont labelFont = fonts::font(fonts::kHei, 15);
    const QFont buttonFont = fonts::font(fonts::kSong, 15, true);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(12, 12, 12, 12);
    root->setSpacing(8);
    for (int i = 0; i < archive::kSlotCount; ++i) {
        Frame1[i] = new QFrame(this);
        Frame1[i]->setObjectName(QStringLiteral("Frame1(%1)").arg(i));
        Frame1[i]->setFrameShape(QFrame::StyledPanel);

        Label1[i] = new QLabel(QStringLiteral("存档0%1  时间:..").arg(i), Frame1[i]);
        Label1[i]->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        Label1[i]->setFont(labelFont);
        Label1[i]->setMinimumWidth(fonts::px(420));

        Command1[i] = new QPushButton(QStringLiteral("打开存档"), Frame1[i]);
        Command1[i]->setObjectName(QStringLiteral("Command1(%1)").arg(i));
        Command1[i]->setFont(buttonFont);
        Command1[i]->setMinimumSize(fonts::px(150), fonts::px(52));
        Command1[i]->setAutoDefault(false);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });

        auto* row = new QHBoxLayout(Frame1[i]);
        row->setContentsMargins(12, 6, 8, 6);
        row->addWidget(Label1[i], 1);
        row->addWidget(Command1[i]);
        root->addWidget(Frame1[i]);
    }
    ImportSlots = new QPushButton(QStringLiteral("从文件夹导入存档"), this);
    ImportSlots->setObjectName(QStringLiteral("ImportSlots"));
    ImportSlots->setFont(buttonFont);
    ImportSlots->setMinimumHeight(fonts::px(52));
    ImportSlots->setAutoDefault(false);
    connect(ImportSlots, &QPushButton::clicked, this, &Load2::chooseFolderAndImport);
    root->addWidget(ImportSlots, 0, Qt::AlignRight);
}

void Load2::Form_Load()
{
    resetToOpenMode();
}

void Load2::resetToOpenMode()
{
    OpenOrSaveW = kOpenVerb;
    nowDoing1 = 0;
}

void Load2::onCloseButton()
{
    // Nothing is opened or saved; the window is unloaded and comes back in open mode.
    resetToOpenMode();
}

void Load2::fall1()
{
    const bool saving = nowDoing1 != 0;
    if (saving) {
        setWindowTitle(QStringLiteral("另存为"));
        OpenOrSaveW = kSaveVerb;
    } else {
        OpenOrSaveW = kOpenVerb;
        setWindowTitle(QStringLiteral("打开存档"));
        if (m_session.isUnsaved()) {
            // A warning only: opening another slot will replace the unsaved tickets.
            setWindowTitle(QStringLiteral("打开存档  注意：彩票号码未保存.."));
            m_session.playCue(cues::kUnsaved);
        }
    }
    // A read-only copy may write nothing, so it offers no import.
    ImportSlots->setVisible(!saving && archive::writesAllowed());
    for (int i = 0; i < archive::kSlotCount; ++i) {
        Command1[i]->setText(OpenOrSaveW + QStringLiteral("存档"));
        Command1[i]->setEnabled(true);
        if (m_session.NowOpenFile == archive::dataFileName(i)) {
            Command1[i]->setText(QStringLiteral("当前存档"));
            // The current slot cannot be re-opened, but it can be saved into.
            Command1[i]->setEnabled(saving);
        }
        const archive::TextRead time =
            archive::readTimeFirstLine(m_session.dataFolder(), archive::timeFileName(i));
        // A time file that is not one (a pipe, megabytes) is not shown, only named.
        Label1[i]->setText(slotCaption(i, time.refusal.isEmpty() ? time.text.value_or(QString())
                                                                 : QStringLiteral("(时间文件无法读取)")));
    }
}

void Load2::Command1_Click(int Index)
{
    if (nowDoing1 == 0 && !replaceUnsavedAgreed(Index))
        return;
    if (nowDoing1 != 0 && !replaceSlotAgreed(Index))
        return;
    for (QPushButton* button : Command1)
        button->setEnabled(false);
    const QString dataFile = archive::dataFileName(Index);
    const QString failure = nowDoing1 != 0
        ? m_session.saveBoxInto(dataFile, QStringLiteral("存档0%1").arg(Index))
        : m_session.openSlot(dataFile);
    resetToOpenMode();
    hide();
    if (!failure.isEmpty())
        m_session.showMessage(failure);
}

bool Load2::replaceUnsavedAgreed(int Index)
{
    if (!m_session.isUnsaved())
        return true;
    return askYesNo(this, QStringLiteral("OpenGuard"), QStringLiteral("彩票未保存"),
                    QStringLiteral("当前彩票号码没有保存，打开存档0%1会替换掉它们，确定要打开吗？")
                        .arg(Index),
                    false);
}

bool Load2::replaceSlotAgreed(int Index)
{
    const archive::SlotLoad held =
        archive::loadSlotData(m_session.dataFolder(), archive::dataFileName(Index));
    QString question;
    if (held.refused())
        question = QStringLiteral("存档0%1的数据文件没有打开，另存会替换掉文件里原有的内容，确定要保存吗？");
    else if (held.slot.lineCount > 0 && archive::isUnsaved(m_session.ticketBox().crlfText(), held.slot.text))
        question = QStringLiteral("存档0%1里已有别的彩票号码，另存会替换掉它们，确定要保存吗？");
    else
        return true;  // nothing in the slot would be lost
    return askYesNo(this, QStringLiteral("SaveAsGuard"), QStringLiteral("另存为"), question.arg(Index),
                    false);
}

void Load2::chooseFolderAndImport()
{
    const QString source = QFileDialog::getExistingDirectory(this, QStringLiteral("选择有存档的文件夹"),
                                                             QDir::homePath());
    if (!source.isEmpty())
        importFromFolder(source);
}

void Load2::importFromFolder(const QString& source)
{
    const QString data = m_session.dataFolder();
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(data).canonicalFilePath()) {
        m_session.showMessage(QStringLiteral("提示：BR   所选的文件夹就是现在的存档文件夹，不用导入。"));
        return;
    }
    if (!archive::importWouldChange(source, data)) {
        m_session.showMessage(QStringLiteral("提示：BR   所选文件夹里没有可导入的存档：BR   ")
                           + messages::pathText(source)
                           + QStringLiteral("BR   （存档文件名是 Save00.txt～Save05.txt，对奖记录是 draws.txt；"
                                            "或者它们和现在的存档一样）"));
        return;
    }
    const archive::ImportResult result =
        startup::copySlotsFrom(source, QStringLiteral("所选文件夹"), data, this);
    // The open slot now holds the imported lines: the box shows them, unless it holds
    // lines of its own that were never saved (the next save then asks).
    if (result.copied.contains(m_session.NowOpenFile) && !m_session.isUnsaved())
        m_session.loadCurrentSlot();
    fall1();
}
