#include "generator/generator_window.h"

#include "messages/cue_literals.h"
#include "messages/version.h"
#include "session/session.h"
#include "widgets/controls.h"
#include "widgets/digit_pad.h"
#include "widgets/fonts.h"
#include "widgets/large_type.h"
#include "widgets/reading_look.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

using namespace generator;

namespace {

const QString kDesignCaption = QStringLiteral("生成高效36选7随机号码");
const QString kUseButtonsNotice = QStringLiteral("注意：BR    请您点击底下的数字按钮输入！");
const QString kOrderNotice = QStringLiteral("注意：BR    您输入的第一个数字应小于第二个数字！");
constexpr int kPaintIntervalMs = 100;

// The generator's pad: each of its fields takes one digit, so it has no delete key, and
// its keys share the window's width in the window's own type.
DigitPadLook generatorPadLook()
{
    DigitPadLook look;
    look.frameName = QStringLiteral("Frame2");
    look.digitFont = fonts::font(fonts::kSong, 16, true);
    look.digitSize = QSize(72, 64);
    look.eraseKey = false;
    look.spacing = 6;
    look.stretchDigits = true;
    return look;
}

void setIfChanged(PadLineEdit* box, const QString& text)
{
    if (box->text() != text)
        box->setText(text);
}

}  // namespace

AutoCode1::AutoCode1(Session& session, QWidget* parent) : SecondaryWindow(parent), m_session(session)
{
    setObjectName(QStringLiteral("AutoCode1"));
    setWindowTitle(kDesignCaption);
    buildControls();
    applyTextColours();
    layoutControls();
    connectHandlers();
    Form_Load();
}

AutoCode1::~AutoCode1() = default;

// ---- controls with their design texts ----

void AutoCode1::buildControls()
{
    const QFont text = fonts::font(fonts::kSong, 14);
    const QFont strong = fonts::font(fonts::kSong, 14, true);
    const QFont boxFont = fonts::font(fonts::kSong, 16, true);

    Label1 = makeLabel(QStringLiteral("Label1"), QStringLiteral("■随机生成彩票号码数据设置:"),
                       fonts::font(fonts::kSong, 16, true), this);
    Label21 = makeLabel(QStringLiteral("Label21"),
                        QStringLiteral("(请点文本框后，使用底部数字按钮输入)"), text, this);
    Label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("您要购买"), strong, this);
    AllBuy1 = makeField(QStringLiteral("AllBuy1"), boxFont, this, 6, 24);
    AllBuy1->setText(QStringLiteral("25"));
    Label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("组彩票 每组2元钱 赔率001"), strong,
                       this);

    Option1[0] = new QRadioButton(QStringLiteral("  自动分散随机号码 (默认)"), this);
    Option1[0]->setObjectName(QStringLiteral("Option1(0)"));
    Option1[0]->setFont(strong);

    Frame1 = new QGroupBox(QStringLiteral(" 自定义分散性 "), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFont(strong);
    // The frame's caption stands right of the custom-mode button, which reads it as
    // its label.
    Frame1->setStyleSheet(
        QStringLiteral(
            "QGroupBox#Frame1 { border: 2px groove #909090; border-radius: 4px;"
            " margin-top: %1px; padding-top: %2px; }"
            "QGroupBox#Frame1::title { subcontrol-origin: margin; subcontrol-position: top left;"
            " left: %3px; padding: 0 4px; }")
            .arg(fonts::px(14))
            .arg(fonts::px(12))
            .arg(fonts::px(14 + largeType::kCheckMark + 8)));
    // Its caption's margin is not in the size its layout asks for: at its smallest the
    // fields would be squeezed below a fingertip, so it keeps the height it needs.
    Frame1->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    Option1[1] = new QRadioButton(QStringLiteral(" "), Frame1);
    Option1[1]->setObjectName(QStringLiteral("Option1(1)"));
    Option1[1]->setFont(strong);
    Option1[1]->setAutoFillBackground(true);  // the frame's line stops at the button
    Option1[1]->setAccessibleName(QStringLiteral("自定义分散性"));  // its caption is the frame's title
    m_modes = new QButtonGroup(this);
    m_modes->addButton(Option1[0], 0);
    m_modes->addButton(Option1[1], 1);

    for (int k = 1; k <= kNumbersPerLine; ++k) {
        rowLabel[k] = makeLabel(QStringLiteral("Label%1").arg(2 + 2 * k),
                                QStringLiteral("第%1个号的范围：").arg(k), text, Frame1);
        lowBox[k] = makeField(QStringLiteral("Text%1").arg(lowField(k)), boxFont, Frame1, 2, 24);
        lowBox[k]->setText(QStringLiteral("1"));
        dashLabel[k] = makeLabel(QStringLiteral("Label%1").arg(3 + 2 * k), QStringLiteral("—"),
                                 text, Frame1);
        highBox[k] = makeField(QStringLiteral("Text%1").arg(highField(k)), boxFont, Frame1, 2, 24);
        highBox[k]->setText(QStringLiteral("36"));
        C1[k - 1] = new QCheckBox(QStringLiteral("加强打散"), Frame1);
        C1[k - 1]->setObjectName(QStringLiteral("C1(%1)").arg(k - 1));
        C1[k - 1]->setFont(text);
    }
    Label18 = makeLabel(QStringLiteral("Label18"), QStringLiteral("允许几个号连续：      (2-4)"),
                        text, Frame1);
    NumSet1 = makeField(QStringLiteral("NumSet1"), boxFont, Frame1, 1, 24);
    NumSet1->setText(QStringLiteral("0"));
    Label19 = makeLabel(QStringLiteral("Label19"), QStringLiteral("允许几个号相同：     (2-4)"),
                        text, Frame1);
    NumSet2 = makeField(QStringLiteral("NumSet2"), boxFont, Frame1, 1, 24);
    NumSet2->setText(QStringLiteral("0"));
    Label22 = makeLabel(
        QStringLiteral("Label22"),
        QStringLiteral("不符条件重新获取次数：         (数字越大效果越好但运行时间越长)"), text,
        Frame1);
    ErrForNum = makeField(QStringLiteral("ErrForNum"), boxFont, Frame1, 6, 24);
    ErrForNum->setText(QStringLiteral("100"));
    Label20 = makeLabel(
        QStringLiteral("Label20"),
        QStringLiteral("说明：上面每个号的范围，后面的数要比前面的大，最大不要超过36，下面的允许几个号"
                       "连续，比如填3，就是可以有像“10 11 12”这种随机组合存在，但有这种组合，命中率"
                       "就会下降。"),
        fonts::font(fonts::kSong, 14), Frame1);
    Label20->setWordWrap(true);

    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("恢复默认设置"), strong, this);
    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("生成随机号码"),
                          fonts::font(fonts::kSong, 16, true), this);
    Command2->setMinimumHeight(fonts::px(56));
    Command1->setMinimumHeight(fonts::px(56));

    Frame2 = new DigitPad(generatorPadLook(), this);
    Command3 = Frame2->digitKeys();

    // The select-all of the "加强打散" boxes exists but is never shown.
    Command4 = makeButton(QStringLiteral("Command4"), QStringLiteral("全选加强打散"), text, this);
    Command4->setToolTip(QStringLiteral(
        "加强打散，比如这个号范围设为1-36，您买50组，就让这个号在在50组里相对均匀地分布在1-36的范围"
        "内，如果这个号小于10的已有12组，就自动把范围设为20-36。"));
    Command4->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
}

void AutoCode1::layoutControls()
{
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(14, 10, 14, 10);
    root->setSpacing(8);

    auto* heading = new QHBoxLayout;
    heading->addWidget(Label1);
    heading->addStretch();
    heading->addWidget(Label21);
    root->addLayout(heading);

    auto* sentence = new QHBoxLayout;
    sentence->addSpacing(24);
    sentence->addWidget(Label2);
    sentence->addWidget(AllBuy1);
    sentence->addWidget(Label3);
    sentence->addStretch();
    root->addLayout(sentence);

    root->addWidget(Option1[0]);

    // Rows 1 to 4 on the left; rows 5 to 7 on the right, level with rows 2 to 4.
    auto* frame = new QVBoxLayout(Frame1);
    frame->setContentsMargins(12, 8, 12, 8);
    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(6);
    rows->setVerticalSpacing(6);
    for (int k = 1; k <= kNumbersPerLine; ++k) {
        const int row = k <= 4 ? k - 1 : k - 4;
        const int column = k <= 4 ? 0 : 6;
        rows->addWidget(rowLabel[k], row, column);
        rows->addWidget(lowBox[k], row, column + 1);
        rows->addWidget(dashLabel[k], row, column + 2);
        rows->addWidget(highBox[k], row, column + 3);
        rows->addWidget(C1[k - 1], row, column + 4);
    }
    rows->setColumnMinimumWidth(5, fonts::px(40));
    rows->setColumnStretch(5, 1);
    frame->addLayout(rows);

    auto* limits = new QHBoxLayout;
    limits->addWidget(Label18);
    limits->addWidget(NumSet1);
    limits->addSpacing(fonts::px(40));
    limits->addWidget(Label19);
    limits->addWidget(NumSet2);
    limits->addStretch();
    frame->addLayout(limits);

    auto* budget = new QHBoxLayout;
    budget->addWidget(Label22);
    budget->addWidget(ErrForNum);
    budget->addStretch();
    frame->addLayout(budget);
    frame->addWidget(Label20);
    root->addWidget(Frame1);

    // The custom-mode button sits on the frame's top-left corner, before its caption.
    const int titleHeight = QFontMetrics(Frame1->font()).height();
    Option1[1]->adjustSize();
    Option1[1]->move(fonts::px(14),
                     std::max(0, (titleHeight - Option1[1]->height()) / 2 + fonts::px(4)));
    Option1[1]->raise();

    auto* actions = new QHBoxLayout;
    actions->addWidget(Command2, 1);
    actions->addWidget(Command1, 3);
    root->addLayout(actions);

    root->addWidget(Frame2);

    Command4->move(width() - 20, 0);
}

void AutoCode1::connectHandlers()
{
    connect(Command1, &QPushButton::clicked, this, &AutoCode1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &AutoCode1::Command2_Click);
    connect(Command4, &QPushButton::clicked, this, &AutoCode1::Command4_Click);
    connect(Timer1, &QTimer::timeout, this, &AutoCode1::Timer1_Timer);
    connect(Frame2, &DigitPad::digitPressed, this, &AutoCode1::Command3_Click);

    auto selects = [this](PadLineEdit* box, qint16 code) {
        connect(box, &PadLineEdit::clicked, this, [this, code] { Field_Click(code); });
    };
    selects(AllBuy1, kLineCountField);
    for (int k = 1; k <= kNumbersPerLine; ++k) {
        selects(lowBox[k], lowField(k));
        selects(highBox[k], highField(k));
    }
    selects(NumSet1, kConsecutiveField);
    selects(NumSet2, kEqualField);
    selects(ErrForNum, kBudgetField);
    connect(ErrForNum, &PadLineEdit::doubleClicked, this, [this] { Field_Click(kBudgetField); });

    connect(AllBuy1, &PadLineEdit::keyDown, this, &AutoCode1::AllBuy1_KeyDown);
    for (int k = 1; k <= kNumbersPerLine; ++k) {
        connect(lowBox[k], &PadLineEdit::keyDown, this, &AutoCode1::Field_KeyDown);
        connect(highBox[k], &PadLineEdit::keyDown, this, &AutoCode1::Field_KeyDown);
    }
    for (PadLineEdit* box : {NumSet1, NumSet2, ErrForNum})
        connect(box, &PadLineEdit::keyDown, this, &AutoCode1::Field_KeyDown);
}

// ---- load, defaults, timer ----

void AutoCode1::applyTextColours()
{
    for (auto [label, colour] : {std::pair{Label21, QColor(0xc0, 0, 0)}, std::pair{Label20, QColor(0x40, 0x40, 0x40)}}) {
        const QString sheet = QStringLiteral("color: %1;").arg(look::textColour(colour).name());
        if (label->styleSheet() != sheet)
            label->setStyleSheet(sheet);
    }
}

void AutoCode1::showEvent(QShowEvent* event)
{
    applyTextColours();
    SecondaryWindow::showEvent(event);
}

void AutoCode1::Form_Load()
{
    Option1[0]->setChecked(true);
    ToText1 = kNoField;
    Frame2->offer({});
    Timer1->stop();
    // The only seeding: later runs in this loaded window continue the sequence.
    m_random = std::make_unique<UniformRandom>(UniformRandom::clockSeed());
}

void AutoCode1::Command2_Click()
{
    setWindowTitle(kDesignCaption);
    Option1[0]->setChecked(true);
    ToText1 = kNoField;
    for (QCheckBox* box : C1)
        box->setChecked(false);
    Frame2->offer({});
    Timer1->stop();
    setSettingsTexts(SettingsTexts());
}

void AutoCode1::Command4_Click()
{
    const bool check = !C1[0]->isChecked();
    for (QCheckBox* box : C1)
        box->setChecked(check);
}

void AutoCode1::Timer1_Timer()
{
    SettingsTexts texts = settingsTexts();
    refillDefaults(texts, ToText1);
    repairRanges(texts, ToText1);
    setSettingsTexts(texts);
}

void AutoCode1::closeEvent(QCloseEvent* event)
{
    if (m_running) {
        event->ignore();
        return;
    }
    SecondaryWindow::closeEvent(event);
}

// ---- field input ----

PadLineEdit* AutoCode1::field(qint16 code) const
{
    if (code == kLineCountField)
        return AllBuy1;
    if (code == kConsecutiveField)
        return NumSet1;
    if (code == kEqualField)
        return NumSet2;
    if (code == kBudgetField)
        return ErrForNum;
    if (isLowField(code))
        return lowBox[positionOf(code)];
    if (isHighField(code))
        return highBox[positionOf(code)];
    return nullptr;
}

void AutoCode1::Field_Click(qint16 code)
{
    PadLineEdit* box = field(code);
    if (!box)
        return;
    box->setText(QString());
    ToText1 = code;
    if (!Timer1->isActive())
        Timer1->start();
    QString lowText;
    if (isHighField(code)) {
        PadLineEdit* low = lowBox[positionOf(code)];
        if (low->text().isEmpty())
            low->setText(QStringLiteral("1"));
        lowText = low->text();
    }
    Frame2->offer(digitsOnClick(code, lowText));
}

void AutoCode1::Command3_Click(int Index)
{
    if (!Timer1->isActive())
        Timer1->start();
    PadLineEdit* box = field(ToText1);
    if (!box)
        return;
    const qint16 code = ToText1;
    box->setText(box->text() + QString::number(Index));
    Frame2->offer(digitsAfterKey(code, box->text()));
    noteClampedValue(code);
    box->setFocus();
    box->setCursorPosition(box->text().size());
    if (isHighField(code) && box->text().size() == 2
        && boundsOutOfOrder(lowBox[positionOf(code)]->text(), box->text()))
        m_session.showMessage(kOrderNotice);
}

// A count keyed beyond what the program can count is read as 32767; the caption says so
// at once, while the user is still keying.
void AutoCode1::noteClampedValue(qint16 code)
{
    if (code != kLineCountField && code != kBudgetField)
        return;
    bool clamped = false;
    readSetting(field(code)->text(), &clamped);
    if (!clamped)
        return;
    setWindowTitle(code == kLineCountField
                       ? QStringLiteral("生成随机号码  注意：最多生成32767组，多出的按32767组算..")
                       : QStringLiteral("生成随机号码  注意：重新获取次数最多32767，多出的按32767算.."));
}

void AutoCode1::AllBuy1_KeyDown()
{
    m_session.showMessage(kUseButtonsNotice);
    m_session.playCue(cues::kUseButtons);
}

void AutoCode1::Field_KeyDown()
{
    m_session.showMessage(kUseButtonsNotice);
}

SettingsTexts AutoCode1::settingsTexts() const
{
    SettingsTexts t;
    t.lineCount = AllBuy1->text();
    for (int k = 1; k <= kNumbersPerLine; ++k) {
        t.low[k - 1] = lowBox[k]->text();
        t.high[k - 1] = highBox[k]->text();
    }
    t.consecutive = NumSet1->text();
    t.equal = NumSet2->text();
    t.budget = ErrForNum->text();
    return t;
}

void AutoCode1::setSettingsTexts(const SettingsTexts& t)
{
    setIfChanged(AllBuy1, t.lineCount);
    for (int k = 1; k <= kNumbersPerLine; ++k) {
        setIfChanged(lowBox[k], t.low[k - 1]);
        setIfChanged(highBox[k], t.high[k - 1]);
    }
    setIfChanged(NumSet1, t.consecutive);
    setIfChanged(NumSet2, t.equal);
    setIfChanged(ErrForNum, t.budget);
}

void AutoCode1::setRandomSource(std::unique_ptr<RandomSource> source)
{
    m_random = std::move(source);
}

// ---- generation ----

void AutoCode1::Command1_Click()
{
    // The progress paints let no user input through, and this guard keeps a run whole
    // whatever else arrives meanwhile.
    if (m_running)
        return;
    const QScopedValueRollback<bool> running(m_running, true);

    clearMainWindow();
    Command1->setEnabled(false);
    Command2->setEnabled(false);
    Timer1->stop();  // no repair tick between the progress paints
    m_paintClock.invalidate();
    showProgress(kFirstCaption);

    SettingsTexts texts = settingsTexts();
    refillDefaults(texts, kNoField);
    repairRanges(texts, kNoField);
    setSettingsTexts(texts);
    const Settings settings = readSettings(texts);

    if (Option1[0]->isChecked())
        runAutomatic(settings);
    else
        runCustom(settings);

    Timer1->stop();
    Command1->setEnabled(true);
    Command2->setEnabled(true);
    Command1->setText(QStringLiteral("生成随机号码"));
    hide();
    m_session.playCue(cues::kGenerated);
}

void AutoCode1::clearMainWindow()
{
    m_session.setTickets(QString(), 0, 0);
    m_session.setStatus(QStringLiteral("彩票数据栏已清除 正在生成随机数据.."));
    m_session.setCaption(version::clearedCaption());
}

void AutoCode1::runAutomatic(const Settings& settings)
{
    const Output out = generateAutomatic(settings.lineCount, *m_random,
                                         [this](const QString& c) { showProgress(c); });
    handOver(out, QStringLiteral("普通随机代码已成功生成"), QStringLiteral("普通随机代码已生成"));
}

void AutoCode1::runCustom(const Settings& settings)
{
    const Output out = generateCustom(settings, *m_random,
                                      [this](const QString& c) { showProgress(c); });
    const bool saved =
        handOver(out, QStringLiteral("自定分散随机码已生成"), QStringLiteral("自定分散随机码已生成"));
    Command2_Click();
    if (!saved)
        return;
    if (out.brokenLines > 0)
        m_session.setStatus(QStringLiteral("已生成并保存，但有%1组含重复或相邻号码，建议加大重新获取次数 ..")
                                   .arg(out.brokenLines));
    else
        m_session.setStatus(QStringLiteral("随机码成功生成并保存，打印拿去购买吧 .."));
}

bool AutoCode1::handOver(const Output& out, const QString& savedLead, const QString& unsavedLead)
{
    QString text = out.text;
    const bool saved = m_session.saveCurrentSlot(text);
    const QString lines = QString::number(out.lines);
    // A failed save was reported by saveallnum; the status line must not claim it.
    m_session.setStatus(saved ? savedLead + lines + QStringLiteral("组，已保存")
                                 : unsavedLead + lines + QStringLiteral("组，但未能保存"));
    m_session.setTickets(text, tickets::kNumbersPerLine, out.lines);
    return saved;
}

void AutoCode1::showProgress(const QString& caption)
{
    setWindowTitle(caption);
    if (m_paintClock.isValid() && m_paintClock.elapsed() < kPaintIntervalMs)
        return;
    m_paintClock.start();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
