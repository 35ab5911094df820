#include "editing/row_editor_window.h"

#include "editing/row_replace.h"
#include "messages/cue_literals.h"
#include "session/session.h"
#include "widgets/controls.h"
#include "widgets/digit_pad.h"
#include "widgets/fonts.h"
#include "widgets/ticket_box.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <utility>

using editing::RowEditorField;
using editing::RowEditorState;

namespace {

// Spreads a "第        行" caption, if needed, so that a field of `width` fits into
// its blank middle.
void fitBlanks(QLabel* label, int width)
{
    const int blanks = int(label->text().count(QLatin1Char(' ')));
    const int blankWidth = QFontMetrics(label->font()).horizontalAdvance(QString(blanks, ' '));
    const int missing = width + fonts::px(8) - blankWidth;
    if (blanks == 0 || missing <= 0)
        return;
    QFont font = label->font();
    font.setLetterSpacing(QFont::AbsoluteSpacing, std::ceil(double(missing) / blanks));
    label->setFont(font);
}

const QString kUseThePad =
    QStringLiteral("注意：先点一下文本框，然后通过点下面数字按钮输入数据!!!");

}  // namespace

editX1::editX1(Session& session, QWidget* parent) : SecondaryWindow(parent), m_session(session)
{
    setObjectName(QStringLiteral("editX1"));
    setWindowTitle(QStringLiteral("修改第X行(组)数据 当前有N行(组)"));
    buildControls();
    connectHandlers();
    // Loaded with nothing chosen: the pad waits for a field click.
    showState(editing::resetEditor());
}

void editX1::buildControls()
{
    const QFont labelFont = fonts::font(fonts::kSong, 15, true);
    const QFont fieldFont = fonts::font(fonts::kHei, 20, true);

    Label1 = makeLabel(QStringLiteral("Label1"), QStringLiteral("■修改第X行彩票数据:"),
                       fonts::font(fonts::kHei, 18, true), this);
    Label21 = makeLabel(QStringLiteral("Label21"),
                        QStringLiteral("(如打印购买后有店主输错的，在此对主界面数据进行修正再对奖)"),
                        fonts::font(fonts::kSong, 14), this);
    Label21->setWordWrap(true);
    QPalette hint = Label21->palette();
    hint.setColor(QPalette::WindowText, QColor(0, 0, 160));
    Label21->setPalette(hint);

    Label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("第        行"),
                       fonts::font(fonts::kSong, 18, true), this);
    Text1 = makeField(QStringLiteral("Text1"), fieldFont, this, 5, 14);
    fitBlanks(Label2, Text1->width());
    Label2->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);

    Label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("该行原来的数据，可只填行数"),
                       labelFont, this);
    Text2 = makeField(QStringLiteral("Text2"), fieldFont, this);
    Label4 = makeLabel(QStringLiteral("Label4"), QStringLiteral("将数据替换为 ："), labelFont, this);
    Text3 = makeField(QStringLiteral("Text3"), fieldFont, this);
    const int lineWidth =
        QFontMetrics(fieldFont).horizontalAdvance(QStringLiteral("00 00 00 00 00 00 00 "))
        + fonts::px(24);
    Text2->setMinimumWidth(lineWidth);
    Text3->setMinimumWidth(lineWidth);

    Frame1 = new DigitPad(this);
    Command3 = Frame1->digitKeys();
    Command4 = Frame1->eraseKey();
    Command4->setToolTip(QStringLiteral("删除一个两位的号码"));

    const QFont actionFont = fonts::font(fonts::kSong, 16, true);
    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("执行替换"), actionFont, this);
    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("全部重置"), actionFont, this);
    Command2->setMinimumHeight(fonts::px(58));
    Command1->setMinimumHeight(fonts::px(58));

    // ---- layout, top to bottom ----
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(14, 10, 14, 12);
    root->setSpacing(8);
    root->addWidget(Label1);
    root->addWidget(Label21);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    fields->setVerticalSpacing(8);
    // The row field sits in the blank middle of its "第 … 行" caption.
    auto* rowCell = new QGridLayout;
    rowCell->setContentsMargins(0, 0, 0, 0);
    rowCell->addWidget(Label2, 0, 0);
    rowCell->addWidget(Text1, 0, 0, Qt::AlignCenter);
    fields->addLayout(rowCell, 0, 0, 1, 2, Qt::AlignLeft | Qt::AlignVCenter);
    fields->addWidget(Label3, 1, 0);
    fields->addWidget(Text2, 1, 1);
    fields->addWidget(Label4, 2, 0);
    fields->addWidget(Text3, 2, 1);
    fields->setColumnStretch(1, 1);
    root->addLayout(fields);

    root->addWidget(Frame1);

    auto* actions = new QHBoxLayout;
    actions->addWidget(Command1, 1);
    actions->addWidget(Command2, 2);
    root->addLayout(actions);
}

void editX1::connectHandlers()
{
    connect(Text1, &PadLineEdit::clicked, this, [this] { chooseField(RowEditorField::Row); });
    connect(Text2, &PadLineEdit::clicked, this, [this] { chooseField(RowEditorField::OldLine); });
    connect(Text3, &PadLineEdit::clicked, this, [this] { chooseField(RowEditorField::NewLine); });
    for (PadLineEdit* field : {Text1, Text2, Text3})
        connect(field, &PadLineEdit::keyDown, this, &editX1::Text_KeyDown);
    connect(Frame1, &DigitPad::digitPressed, this, &editX1::Command3_Click);
    connect(Frame1, &DigitPad::erasePressed, this, &editX1::Command4_Click);
    connect(Command2, &QPushButton::clicked, this, &editX1::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &editX1::Command1_Click);
}

// ---- reset ----

void editX1::Command1_Click()
{
    showState(editing::resetEditor());
    // Only the design caption holds an "N"; later resets leave the count as it is.
    QString caption = windowTitle();
    caption.replace(QLatin1Char('N'), QString::number(m_session.AllList));
    setWindowTitle(caption);
}

// ---- field clicks, digit pad and backspace ----

void editX1::chooseField(RowEditorField field)
{
    showState(editing::chooseField(state(), field, m_session.AllList));
}

void editX1::Command3_Click(int Index)
{
    showState(editing::pressDigit(state(), Index, m_session.AllList));
}

void editX1::Command4_Click()
{
    showState(editing::pressErase(state(), m_session.AllList));
}

// ---- replacement ----

void editX1::Command2_Click()
{
    const editing::ReplaceOutcome outcome =
        editing::replaceLine(m_session.ticketBox().crlfText(), state().fields);
    if (outcome.path == editing::ReplacePath::None)
        return;
    if (outcome.text != m_session.ticketBox().crlfText()) {
        m_session.ticketBox().setCrlfText(outcome.text);
        m_session.putTicketCaretBeforeMarker();
    }
    m_session.showMessage(outcome.message);
    if (outcome.replaced)
        Command1_Click();
}

// ---- keys and closing ----

void editX1::Text_KeyDown(int key)
{
    if (key == Qt::Key_Escape) {
        close();  // as everywhere: Esc closes the window
        return;
    }
    m_session.showMessage(kUseThePad);
    m_session.playCue(cues::kUseButtons);
}

void editX1::onCloseButton()
{
    if (m_session.isUnsaved())
        m_session.playCue(cues::kUnsaved);
}

// ---- helpers ----

RowEditorState editX1::state() const
{
    RowEditorState st;
    st.fields.row = Text1->text();
    st.fields.oldLine = Text2->text();
    st.fields.newLine = Text3->text();
    st.fields.rowEnabled = Text1->isEnabled();
    st.oldLineEnabled = Text2->isEnabled();
    st.active = RowEditorField(GoText1);
    st.offered = Frame1->offered();
    st.eraseEnabled = Command4->isEnabled();
    st.canReplace = Command2->isEnabled();
    return st;
}

void editX1::showState(const RowEditorState& st)
{
    for (auto [field, text] : {std::pair{Text1, st.fields.row}, std::pair{Text2, st.fields.oldLine},
                               std::pair{Text3, st.fields.newLine}})
        if (field->text() != text)
            field->setText(text);
    Text1->setEnabled(st.fields.rowEnabled);
    Text2->setEnabled(st.oldLineEnabled);
    GoText1 = qint16(st.active);
    Frame1->offer(st.offered);
    Command4->setEnabled(st.eraseEnabled);
    Command2->setEnabled(st.canReplace);
    const std::array<PadLineEdit*, 4> byField{nullptr, Text1, Text2, Text3};
    if (PadLineEdit* active = byField[size_t(GoText1)]) {
        active->setFocus();
        active->setCursorPosition(active->text().size());
    }
}
