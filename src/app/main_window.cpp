#include "app/main_window.h"

#include "archive/archive_files.h"
#include "archive/archive_window.h"
#include "archive/date_time_text.h"
#include "editing/count_dialog_window.h"
#include "editing/row_editor_window.h"
#include "generator/generator_window.h"
#include "messages/message_text.h"
#include "messages/message_window.h"
#include "messages/sound_cues_ui.h"
#include "messages/speech_ui.h"
#include "messages/version.h"
#include "printing/document_window.h"
#include "tickets/ticket_entry.h"
#include "tickets/ticket_text.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/large_type.h"
#include "widgets/pad_line_edit.h"
#include "widgets/reading_look.h"
#include "widgets/screen_placement.h"
#include "widgets/ticket_box.h"
#include "widgets/ticket_box_accessible.h"
#include "widgets/ticket_marks.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtMath>
#include <algorithm>

namespace {

QAction* makeAction(const QString& name, const QString& text, QObject* parent)
{
    auto* action = new QAction(text, parent);
    action->setObjectName(name);
    return action;
}

void setTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::ButtonText, color);
    widget->setPalette(palette);
}

QFont ticketBoxFont()
{
    return fonts::font(fonts::kHei, 21.75, true);
}

// The height at which the ticket box shows `lines` whole lines in `font`. Its lines are
// short, so the sideways scroll bar, which only an edited line could need, takes no room.
int ticketBoxHeightFor(const QPlainTextEdit* box, const QFont& font, int lines)
{
    const int margins = 2 * (box->frameWidth() + qCeil(box->document()->documentMargin()));
    return lines * QFontMetrics(font).lineSpacing() + margins;
}

}  // namespace

Form1::Form1(const QString& appFolder, QWidget* parent)
    : Form1(archive::portableFolders(appFolder), parent)
{
}

Form1::Form1(const archive::AppFolders& folders, QWidget* parent)
    : QMainWindow(parent), m_session(folders, this)
{
    fonts::installSubstitutions();
    largeType::install();
    ticketAccess::install();
    const archive::Settings& settings = m_session.settingsAtStart();
    look::setHighContrast(settings.highContrast);
    look::setReadingPercent(settings.fontSize);
    // Slot 0 is read on a worker thread while the controls are built (start-up step 4 takes it).
    m_session.preloadFirstSlot(look::readingFont(ticketBoxFont()));
    setObjectName(QStringLiteral("Form1"));
    buildControls();
    m_session.attachBoxes(Text88, Text0);
    buildMenus();
    connectHandlers();
    startUp();
}

Form1::~Form1() = default;

void Form1::applyLook()
{
    QWidget* central = centralWidget();
    QPalette grey = central->palette();
    grey.setColor(QPalette::Window, look::backgroundColour(QColor(224, 224, 224)));
    central->setPalette(grey);
    setTextColor(Label4, look::textColour(Qt::red));
    setTextColor(Text0, look::textColour(QColor(192, 0, 0)));
    setTextColor(CurrentSlot, look::textColour(QColor(0, 0, 160)));
    setTextColor(PrizeMoney, look::textColour(QColor(0, 0, 160)));
    // The status line is light on dark grey, or white on black.
    QPalette status = Label9->palette();
    status.setColor(QPalette::Window, look::highContrast() ? QColor(Qt::black) : QColor(128, 128, 128));
    status.setColor(QPalette::WindowText, look::highContrast() ? QColor(Qt::white) : QColor(255, 255, 224));
    Label9->setPalette(status);

    Text0->setFont(look::readingFont(fonts::font(fonts::kHei, 18, true)));
    Text0->setMinimumWidth(fonts::px(look::readingWidth(420)));
    Text88->setFont(look::readingFont(ticketBoxFont()));
    // Three lines of the design's type at least: a larger reading type shows fewer lines
    // rather than push the window past the screen.
    Text88->setMinimumHeight(ticketBoxHeightFor(Text88, ticketBoxFont(), 3));
    Text88Rows->restyle();
}

void Form1::buildControls()
{
    const QFont heading = fonts::font(fonts::kSong, 15, true);
    const QFont buttonFont = fonts::font(fonts::kSong, 14, true);

    auto* central = new QWidget(this);
    central->setAutoFillBackground(true);
    setCentralWidget(central);

    Label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("南粤风采 36选7"),
                       fonts::font(fonts::kHei, 18, true), central);
    Label1 = makeLabel(QStringLiteral("Label1"), QStringLiteral("一、开奖中奖号码设置："), heading,
                       central);
    Label4 = makeLabel(QStringLiteral("Label4"), QStringLiteral("开奖号码："), heading, central);

    Text0 = new PadLineEdit(central);
    Text0->setObjectName(QStringLiteral("Text0"));
    Command3 = makeButton(QStringLiteral("Command3"), QStringLiteral("清空"), buttonFont, central);
    Command6 = makeButton(QStringLiteral("Command6"), QStringLiteral("查询"), buttonFont, central);

    Label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("二、您的彩票号码数据："), heading,
                       central);
    Label11 = makeLabel(QStringLiteral("Label11"), QStringLiteral(".."),
                        fonts::font(fonts::kSong, 14), central);
    CurrentSlot = makeLabel(QStringLiteral("CurrentSlot"), QString(), heading, central);

    Text88 = new TicketBox(central);
    Text88->setObjectName(QStringLiteral("Text88"));
    Text88->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text88->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text88Rows = new TicketMarks(Text88);

    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("清空"), buttonFont, central);
    Command13 = makeButton(QStringLiteral("Command13"), QStringLiteral("打印"), buttonFont, central);
    Command7 = makeButton(QStringLiteral("Command7"), QStringLiteral("说明"), buttonFont, central);
    Command8 = makeButton(QStringLiteral("Command8"), QStringLiteral("中奖规则"), buttonFont,
                          central);
    Command12 = makeButton(QStringLiteral("Command12"), QStringLiteral("生成高效随机彩票号码"),
                           buttonFont, central);
    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("检查中奖  保存数据"),
                          fonts::font(fonts::kSong, 15.75, true), central);
    Command1->setMinimumHeight(fonts::px(64));
    // Shown after a check until the box or the draw line changes.
    PrizeMoney = makeLabel(QStringLiteral("PrizeMoney"), QString(), fonts::font(fonts::kHei, 18, true),
                           central);
    PrizeMoney->setWordWrap(true);
    PrizeMoney->hide();

    Frame1 = new QFrame(central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    Label9 = makeLabel(QStringLiteral("Label9"), QStringLiteral("请用下面按钮输入号码"),
                       fonts::font(fonts::kLi, 24, true), Frame1);
    Label9->setAutoFillBackground(true);
    Label9->setMinimumHeight(fonts::px(44));

    const QFont padFont = fonts::font(fonts::kHei, 26.25, true);
    for (int i = 1; i <= 36; ++i) {
        num1[i] = makeButton(QStringLiteral("num1(%1)").arg(i), tickets::numberText(i), padFont,
                             Frame1);
        num1[i]->setAccessibleName(QStringLiteral("号码") + tickets::numberText(i));
        num1[i]->setMinimumSize(fonts::px(72), fonts::px(58));
        num1[i]->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    Command5 = makeButton(QStringLiteral("Command5"), QStringLiteral("←"),
                          fonts::font(fonts::kLi, 42, true), Frame1);
    Command5->setToolTip(QStringLiteral("删除一个两位的号码"));
    Command5->setAccessibleName(QStringLiteral("删除"));
    Command5->setAccessibleDescription(Command5->toolTip());
    Text0->setAccessibleName(QStringLiteral("开奖号码"));
    Text0->setAccessibleDescription(QStringLiteral("七个号码，最后一个是特别号，用号码按钮输入"));
    Text88->setAccessibleName(QStringLiteral("彩票号码"));
    Text88->setAccessibleDescription(QStringLiteral("每行七个号码，用号码按钮输入"));
    Text88Rows->setAccessibleName(QStringLiteral("行号和中奖标记"));
    Frame1->setAccessibleName(QStringLiteral("号码按钮"));
    // The two 清空 buttons say which box they empty.
    Command3->setAccessibleName(QStringLiteral("清空开奖号码"));
    Command2->setAccessibleName(QStringLiteral("清空彩票号码"));
    Command5->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);

    // ---- layout, top to bottom ----
    auto* root = new QVBoxLayout(central);
    root->setContentsMargins(fonts::px(10), fonts::px(6), fonts::px(10), fonts::px(8));
    root->setSpacing(fonts::px(6));

    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(Label1);
    titleRow->addStretch();
    titleRow->addWidget(Label3);
    root->addLayout(titleRow);

    auto* drawRow = new QHBoxLayout;
    drawRow->addWidget(Label4);
    drawRow->addWidget(Text0, 1);
    drawRow->addWidget(Command3);
    drawRow->addWidget(Command6);
    root->addLayout(drawRow);

    auto* ticketHead = new QHBoxLayout;
    ticketHead->addWidget(Label2);
    ticketHead->addWidget(CurrentSlot);
    ticketHead->addWidget(Label11);
    ticketHead->addStretch();
    root->addLayout(ticketHead);

    auto* ticketRow = new QHBoxLayout;
    ticketRow->addWidget(Text88, 1);
    // Two by two, so that buttons of a fingertip's height need no more than three lines.
    auto* sideButtons = new QGridLayout;
    sideButtons->addWidget(Command2, 0, 0);
    sideButtons->addWidget(Command13, 0, 1);
    sideButtons->addWidget(Command7, 1, 0);
    sideButtons->addWidget(Command8, 1, 1);
    sideButtons->setRowStretch(2, 1);
    ticketRow->addLayout(sideButtons);
    root->addLayout(ticketRow, 1);
    root->addWidget(PrizeMoney);

    auto* actionRow = new QHBoxLayout;
    actionRow->addWidget(Command12, 2);
    actionRow->addWidget(Command1, 3);
    Command12->setMinimumHeight(fonts::px(64));
    root->addLayout(actionRow);

    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->setContentsMargins(fonts::px(4), fonts::px(4), fonts::px(4), fonts::px(4));
    frameLayout->addWidget(Label9);
    auto* pad = new QGridLayout;
    pad->setSpacing(fonts::px(4));
    for (int i = 1; i <= 36; ++i)
        pad->addWidget(num1[i], (i - 1) / 10, (i - 1) % 10);
    pad->addWidget(Command5, 0, 10, 3, 1);
    frameLayout->addLayout(pad);
    root->addWidget(Frame1);

    applyLook();
    screens::sizeMainWindow(this, QSize(fonts::px(1280), fonts::px(720)));
}

void Form1::buildMenus()
{
    QMenu* F234 = menuBar()->addMenu(QStringLiteral("文件"));
    F234->setObjectName(QStringLiteral("F234"));
    open234 = makeAction(QStringLiteral("open234"), QStringLiteral("打开(彩票存档)"), this);
    savewrete = makeAction(QStringLiteral("savewrete"), QStringLiteral("保存(彩票存档)"), this);
    saveaswr34w = makeAction(QStringLiteral("saveaswr34w"), QStringLiteral("另存(彩票存档)"), this);
    F234->addActions({open234, savewrete, saveaswr34w});

    QMenu* H3453 = menuBar()->addMenu(QStringLiteral("功能及说明"));
    H3453->setObjectName(QStringLiteral("H3453"));
    editX = makeAction(QStringLiteral("editX"), QStringLiteral("编辑第X行彩票数据"), this);
    g34435 = makeAction(QStringLiteral("g34435"), QStringLiteral("允许编辑彩票数据栏"), this);
    g34435->setCheckable(true);
    g34435->setChecked(false);
    t34534 = makeAction(QStringLiteral("t34534"), QStringLiteral("修正行数/第X个数值"), this);
    drawHistory = makeAction(QStringLiteral("drawHistory"), QStringLiteral("开奖记录/多期对奖"), this);
    trendChart = makeAction(QStringLiteral("trendChart"), QStringLiteral("号码走势图"), this);
    multiTicket = makeAction(QStringLiteral("multiTicket"), QStringLiteral("复式/胆拖展开"), this);
    readAloud = makeAction(QStringLiteral("readAloud"), QStringLiteral("朗读结果"), this);
    readAloud->setCheckable(true);
    readAloud->setChecked(m_session.speaker().enabled());
    speechSlower = makeAction(QStringLiteral("speechSlower"), QStringLiteral("朗读慢一点"), this);
    speechFaster = makeAction(QStringLiteral("speechFaster"), QStringLiteral("朗读快一点"), this);
    highContrast = makeAction(QStringLiteral("highContrast"), QStringLiteral("高对比度"), this);
    highContrast->setCheckable(true);
    highContrast->setChecked(look::highContrast());
    fontSize = new QMenu(QStringLiteral("字体大小"), this);
    fontSize->setObjectName(QStringLiteral("fontSize"));
    auto* sizes = new QActionGroup(fontSize);
    for (size_t k = 0; k < fontSizeChoice.size(); ++k) {
        const int percent = archive::kFontSizes[k];
        fontSizeChoice[k] = makeAction(QStringLiteral("fontSize%1").arg(percent),
                                       QStringLiteral("字体大小 %1%").arg(percent), sizes);
        fontSizeChoice[k]->setCheckable(true);
        fontSizeChoice[k]->setChecked(percent == look::readingPercent());
        fontSize->addAction(fontSizeChoice[k]);
    }
    guan23424 = makeAction(QStringLiteral("guan23424"), QStringLiteral("彩票官网"), this);
    h2p09w34 = makeAction(QStringLiteral("h2p09w34"), QStringLiteral("36选7玩法"), this);
    h2w3434w = makeAction(QStringLiteral("h2w3434w"), QStringLiteral("如何算中奖"), this);
    d34fd = makeAction(QStringLiteral("d34fd"), QStringLiteral("我中奖了"), this);
    jianyiw3432 = makeAction(QStringLiteral("jianyiw3432"), QStringLiteral("意见建议"), this);
    home9879 = makeAction(QStringLiteral("home9879"), QStringLiteral("作者主页"), this);
    ding234 = makeAction(QStringLiteral("ding234"), QStringLiteral("我要订制"), this);
    r343 = makeAction(QStringLiteral("r343"), QStringLiteral("使用说明"), this);
    forme3435 = makeAction(QStringLiteral("forme3435"), QStringLiteral("关    于"), this);
    newver345 = makeAction(QStringLiteral("newver345"), QStringLiteral("检查更新"), this);

    // The design's separators are entries captioned "————"; they do nothing.
    auto separator = [H3453] { H3453->addAction(QStringLiteral("————"))->setEnabled(false); };
    H3453->addAction(editX);
    separator();
    H3453->addActions({g34435, t34534, drawHistory, trendChart, multiTicket});
    separator();
    H3453->addActions({readAloud, speechSlower, speechFaster, highContrast});
    H3453->addMenu(fontSize);
    separator();
    H3453->addActions({guan23424, h2p09w34, h2w3434w, d34fd});
    separator();
    H3453->addActions({jianyiw3432, home9879, ding234});
    separator();
    H3453->addActions({r343, forme3435, newver345});
    // The menu bar's own button for menus that do not fit is named for screen readers too.
    if (auto* more = menuBar()->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button")))
        more->setAccessibleName(QStringLiteral("更多菜单"));
}

void Form1::connectHandlers()
{
    connect(&m_session, &Session::statusChanged, Label9, &QLabel::setText);
    connect(&m_session, &Session::captionChanged, this, &QWidget::setWindowTitle);
    connect(&m_session, &Session::slotChanged, this, [this] {
        showDataTime();
        showCurrentSlot();
    });
    connect(Text0, &PadLineEdit::clicked, this, &Form1::Text0_Click);
    connect(Text0, &PadLineEdit::doubleClicked, this, &Form1::Text0_Click);
    connect(Text0, &PadLineEdit::keyDown, this, &Form1::Text0_KeyDown);
    connect(Text88, &TicketBox::clicked, this, &Form1::Text88_Click);
    connect(Text88, &TicketBox::doubleClicked, this, &Form1::Text88_Click);
    connect(Text88, &TicketBox::keyDown, this, &Form1::Text88_KeyDown);
    connect(Text0, &QLineEdit::textChanged, Text88Rows, &TicketMarks::clearMarks);
    connect(Text88Rows, &TicketMarks::checkCleared, PrizeMoney, &QWidget::hide);
    for (int i = 1; i <= 36; ++i)
        connect(num1[i], &QPushButton::clicked, this, [this, i] { num1_Click(i); });
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    connect(Command12, &QPushButton::clicked, this, &Form1::Command12_Click);
    connect(Command13, &QPushButton::clicked, this, &Form1::Command13_Click);

    connect(open234, &QAction::triggered, this, &Form1::open234_Click);
    connect(savewrete, &QAction::triggered, this, &Form1::savewrete_Click);
    connect(saveaswr34w, &QAction::triggered, this, &Form1::saveaswr34w_Click);
    connect(editX, &QAction::triggered, this, &Form1::editX_Click);
    connect(g34435, &QAction::triggered, this, &Form1::g34435_Click);
    connect(t34534, &QAction::triggered, this, &Form1::t34534_Click);
    connect(drawHistory, &QAction::triggered, this, &Form1::drawHistory_Click);
    connect(trendChart, &QAction::triggered, this, &Form1::trendChart_Click);
    connect(multiTicket, &QAction::triggered, this, &Form1::multiTicket_Click);
    connect(readAloud, &QAction::triggered, this, &Form1::readAloud_Click);
    connect(speechSlower, &QAction::triggered, this, &Form1::speechSlower_Click);
    connect(speechFaster, &QAction::triggered, this, &Form1::speechFaster_Click);
    connect(highContrast, &QAction::triggered, this, &Form1::highContrast_Click);
    for (size_t k = 0; k < fontSizeChoice.size(); ++k)
        connect(fontSizeChoice[k], &QAction::triggered, this,
                [this, k] { fontSize_Click(archive::kFontSizes[k]); });
    connect(guan23424, &QAction::triggered, this, &Form1::guan23424_Click);
    connect(h2p09w34, &QAction::triggered, this, &Form1::h2p09w34_Click);
    connect(h2w3434w, &QAction::triggered, this, &Form1::h2w3434w_Click);
    connect(d34fd, &QAction::triggered, this, &Form1::d34fd_Click);
    connect(jianyiw3432, &QAction::triggered, this, &Form1::jianyiw3432_Click);
    connect(home9879, &QAction::triggered, this, &Form1::home9879_Click);
    connect(ding234, &QAction::triggered, this, &Form1::ding234_Click);
    connect(r343, &QAction::triggered, this, &Form1::r343_Click);
    connect(forme3435, &QAction::triggered, this, &Form1::forme3435_Click);
    connect(newver345, &QAction::triggered, this, &Form1::newver345_Click);
}

void Form1::startUp()
{
    archiveWindow();                          // 1
    NowOpenFile = QStringLiteral("Save00.txt");  // 2
    NowIsJi = 0;
    AllList = 0;
    rowEditorWindow();                        // 3
    archive::removeUnfinishedWrites(dataFolder());
    LoadAll();                                // 4
    messageWindow();                          // 5
    generatorWindow();
    JustPress = tickets::kPadFree;            // 6
    Timer1->stop();
    Input2W = tickets::activeBox::kNone;      // 7
    setPadEnabled(false);                     // 8
    NowIsJi2 = 8;                             // 9
    setWindowTitle(version::startCaption());  // 10
    showDataTime();                           // 11
    countDialog();                            // 12
    Text88->appendCrlf(QString(tickets::kMarker));  // 13
    putTicketCaretBeforeMarker();
    playCue(cues::kWelcome);                  // 14
}

// ---- archive operations ----

void Form1::LoadLow()
{
    const archive::TextRead rules = archive::readLowText(shareFolder());
    if (rules.text) {
        Low3 = *rules.text;
        return;
    }
    // The rules text comes with the program; say where it belongs instead of showing nothing.
    Low3 = QStringLiteral("错误提示：BR   找不到或无法读取规则文件 ")
           + messages::shownPath(shareFolder(), QStringLiteral("low.txt"))
           + (rules.refusal.isEmpty() ? QString() : QStringLiteral("（") + rules.refusal + QStringLiteral("）"))
           + QStringLiteral(" ，请把它放回这个位置。");
}

void Form1::LoadAll()
{
    m_session.loadCurrentSlot();
}

bool Form1::saveallnum(QString& Content)
{
    return m_session.saveCurrentSlot(Content);
}

void Form1::setTickets(const QString& text, qint16 numbersInLine, qint16 lines)
{
    m_session.setTickets(text, numbersInLine, lines);
}

void Form1::setDraw(const tickets::DrawEntry& entry)
{
    Text0->setText(entry.text);
    NowIsJi2 = entry.numbers;
    Label9->setText(entry.status);
}

void Form1::showDataTime()
{
    Label11->setText(QStringLiteral("(数据时间:") + Addtime3 + QStringLiteral(")"));
}

void Form1::showCurrentSlot()
{
    CurrentSlot->setText(QStringLiteral("存档") + archive::slotNumberText(NowOpenFile));
}

// ---- secondary windows ----

ShowText1& Form1::messageWindow() { return m_session.messageWindow(); }
Load2& Form1::archiveWindow() { return loadedWindow(m_load2, m_session, this); }
AutoCode1& Form1::generatorWindow() { return loadedWindow(m_autoCode1, m_session, this); }
editX1& Form1::rowEditorWindow() { return loadedWindow(m_editX1, m_session, this); }
editLV& Form1::countDialog() { return loadedWindow(m_editLV, m_session, this); }

// ---- helpers ----

void Form1::showMessage(const QString& text)
{
    m_session.showMessage(text);
}

void Form1::playCue(const QString& cueLiteral)
{
    m_session.playCue(cueLiteral);
}

bool Form1::isUnsaved() const
{
    return m_session.isUnsaved();
}

void Form1::setPadEnabled(bool enabled)
{
    for (int i = 1; i <= 36; ++i)
        num1[i]->setEnabled(enabled);
    Command5->setEnabled(enabled);
}

bool Form1::freeEditOn() const
{
    return g34435->isChecked();
}

void Form1::putTicketCaretBeforeMarker()
{
    m_session.putTicketCaretBeforeMarker();
}

// ---- pad lock release and exit ----

void Form1::Timer1_Timer()
{
    const tickets::PadLock lock = tickets::padLockOf(JustPress);
    Timer1->stop();
    if (lock.wholePad) {
        setPadEnabled(true);
        return;
    }
    if (lock.button != 0)
        num1[lock.button]->setEnabled(true);
    JustPress = tickets::kPadFree;
}

bool Form1::confirmClose()
{
    if (!isUnsaved())
        return true;
    playCue(cues::kUnsaved);
    return askYesNo(this, QStringLiteral("ExitGuard"), QStringLiteral("彩票未保存"),
                    QStringLiteral("系统提示：当前彩票号码没有保存，当前档为“存档")
                        + archive::slotNumberText(NowOpenFile) + QStringLiteral("”，您真的要强制退出吗？"),
                    true);
}

bool Form1::closeOrderSheets()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* sheet = qobject_cast<DocumentWindow*>(w);
        if (sheet && sheet->isVisible() && !sheet->close())
            return false;
    }
    return true;
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (!confirmClose() || !closeOrderSheets()) {
        event->ignore();
        return;
    }
    event->accept();
    // The program ends with its main window: every other window goes with it.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible())
            w->hide();
    for (QWidget* w : {static_cast<QWidget*>(m_session.loadedMessageWindow()), static_cast<QWidget*>(m_load2),
                       static_cast<QWidget*>(m_autoCode1), static_cast<QWidget*>(m_editX1),
                       static_cast<QWidget*>(m_editLV)})
        if (w)
            w->deleteLater();
    // The program ends with its main window (a no-op where no main loop runs, as in tests).
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}
