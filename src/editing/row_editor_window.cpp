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

using editing::RowEditorFields;

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
    GoText1 = 0;
    Frame1->offer({});
    Command4->setEnabled(false);
    Command2->setEnabled(false);
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
    connect(Text1, &PadLineEdit::clicked, this, &editX1::Text1_Click);
    connect(Text2, &PadLineEdit::clicked, this, &editX1::Text2_Click);
    connect(Text3, &PadLineEdit::clicked, this, &editX1::Text3_Click);
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
    GoText1 = 0;
    Command4->setEnabled(false);
    Text1->clear();
    Text2->clear();
    Text3->clear();
    Frame1->offer({});
    Text1->setEnabled(true);
    Text2->setEnabled(true);
    Command2->setEnabled(false);
    // Only the design caption holds an "N"; later resets leave the count as it is.
    QString caption = windowTitle();
    caption.replace(QLatin1Char('N'), QString::number(m_session.AllList));
    setWindowTitle(caption);
}

// ---- field clicks ----

void editX1::Text1_Click()
{
    FixFields1();
    GoText1 = 1;
    Command4->setEnabled(!Text1->text().isEmpty());
    applyRowRule(true);
    focusAtEnd(Text1);
}

void editX1::Text2_Click() { chooseNumberField(2, Text2); }

void editX1::Text3_Click() { chooseNumberField(3, Text3); }

void editX1::chooseNumberField(qint16 go, PadLineEdit* field)
{
    FixFields1();
    GoText1 = go;
    Command4->setEnabled(!field->text().isEmpty());
    applyNumberRule(field);
    focusAtEnd(field);
}

// ---- digit pad and backspace ----

void editX1::Command3_Click(int Index)
{
    switch (GoText1) {
    case 1:
        Text1->setText(Text1->text() + QString::number(Index));
        focusAtEnd(Text1);
        Text2->clear();
        Text2->setEnabled(false);
        Command4->setEnabled(true);
        applyRowRule(false);
        break;
    case 2:
        Text2->setText(editing::appendNumberDigit(Text2->text(), Index));
        applyNumberRule(Text2);
        focusAtEnd(Text2);
        Text1->setText(editing::kRowPlaceholder);
        Text1->setEnabled(false);
        Command4->setEnabled(true);
        break;
    case 3:
        Text3->setText(editing::appendNumberDigit(Text3->text(), Index));
        applyNumberRule(Text3);
        focusAtEnd(Text3);
        Command4->setEnabled(true);
        break;
    default:
        break;
    }
    FixFields1();
}

void editX1::Command4_Click()
{
    switch (GoText1) {
    case 1: {
        QString row = Text1->text();
        row.chop(1);
        Text1->setText(row);
        focusAtEnd(Text1);
        Text2->setEnabled(false);
        if (row.isEmpty()) {
            Command4->setEnabled(false);
            Text2->clear();
            Text2->setEnabled(true);
        }
        applyRowRule(false);
        break;
    }
    case 2:
        Text2->setText(editing::removeLastNumber(Text2->text()));
        focusAtEnd(Text2);
        if (Text2->text().isEmpty()) {
            Command4->setEnabled(false);
            Text1->clear();
            Text1->setEnabled(true);
        }
        applyNumberRule(Text2);
        break;
    case 3:
        Text3->setText(editing::removeLastNumber(Text3->text()));
        focusAtEnd(Text3);
        applyNumberRule(Text3);
        break;
    default:
        break;
    }
    FixFields1();
}

// ---- replacement ----

void editX1::Command2_Click()
{
    const editing::ReplaceOutcome outcome =
        editing::replaceLine(m_session.ticketBox().crlfText(), fields());
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

RowEditorFields editX1::fields() const
{
    RowEditorFields f;
    f.row = Text1->text();
    f.oldLine = Text2->text();
    f.newLine = Text3->text();
    f.rowEnabled = Text1->isEnabled();
    return f;
}

void editX1::FixFields1()
{
    RowEditorFields f = fields();
    const bool canReplace = editing::checkFields(f);
    for (auto [field, text] : {std::pair{Text1, f.row}, std::pair{Text2, f.oldLine},
                               std::pair{Text3, f.newLine}})
        if (field->text() != text)
            field->setText(text);
    if (!f.rowEnabled)
        Text1->setEnabled(false);
    Command2->setEnabled(canReplace);
}

void editX1::applyRowRule(bool offerAllFirstDigits)
{
    Frame1->offer(editing::rowDigits(Text1->text(), m_session.AllList, offerAllFirstDigits));
}

void editX1::applyNumberRule(const PadLineEdit* field)
{
    Frame1->offer(editing::numberFieldDigits(field->text()));
}

void editX1::focusAtEnd(PadLineEdit* field)
{
    field->setFocus();
    field->setCursorPosition(field->text().size());
}
