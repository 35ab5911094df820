#include "editing/count_dialog_window.h"

#include "session/session.h"
#include "tickets/ticket_text.h"
#include "widgets/controls.h"
#include "widgets/digit_pad.h"
#include "widgets/fonts.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// A field's value as a counter: empty, non-numeric and out-of-range entries leave it.
void storeCounter(const QLineEdit* field, qint16& counter)
{
    qint16 value = 0;
    if (!field->text().isEmpty() && tickets::toInt16Rounded(field->text(), &value))
        counter = value;
}

}  // namespace

editLV::editLV(Session& session, QWidget* parent) : SecondaryWindow(parent), m_session(session)
{
    setObjectName(QStringLiteral("editLV"));
    setWindowTitle(QStringLiteral("编辑最后一行数据的所在行及数据个数"));
    buildControls();
    connect(Command1, &QPushButton::clicked, this, &editLV::Command1_Click);
    connect(Frame1, &DigitPad::digitPressed, this, &editLV::Command3_Click);
    connect(Frame1, &DigitPad::erasePressed, this, &editLV::Command4_Click);
    m_padField = Text1;
    for (QLineEdit* field : {Text1, Text2})
        field->installEventFilter(this);
    NewValue1();
}

void editLV::buildControls()
{
    const QFont questionFont = fonts::font(fonts::kSong, 15, true);
    const QFont frameFont = fonts::font(fonts::kSong, 18, true);
    const QFont fieldFont = fonts::font(fonts::kHei, 20, true);

    Label1 = makeLabel(QStringLiteral("Label1"),
                       QStringLiteral("1、最后一行数据位于全部数据的第几行？"), questionFont, this);
    Label2[0] = makeLabel(QStringLiteral("Label2(0)"), QStringLiteral("第"), frameFont, this);
    Text1 = makeField<QLineEdit>(QStringLiteral("Text1"), fieldFont, this, 6, 20);
    Label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("行"), frameFont, this);
    Label4 = makeLabel(QStringLiteral("Label4"),
                       QStringLiteral("2、最后一行数据现有几个两位的号码？"), questionFont, this);
    Label2[1] = makeLabel(QStringLiteral("Label2(1)"), QStringLiteral("有"), frameFont, this);
    Text2 = makeField<QLineEdit>(QStringLiteral("Text2"), fieldFont, this, 6, 20);
    Label5 = makeLabel(QStringLiteral("Label5"), QStringLiteral("个值"), frameFont, this);
    Command1 = new QPushButton(QStringLiteral("保存数据"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFont(fonts::font(fonts::kSong, 16, true));
    Command1->setMinimumHeight(fonts::px(56));
    Command1->setAutoDefault(false);
    Frame1 = new DigitPad(this);
    Command3 = Frame1->digitKeys();
    Command4 = Frame1->eraseKey();

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(16, 12, 16, 14);
    root->setSpacing(8);
    auto framed = [root](QLabel* before, QLineEdit* field, QLabel* after) {
        auto* row = new QHBoxLayout;
        row->addSpacing(24);
        row->addWidget(before);
        row->addWidget(field);
        row->addWidget(after);
        row->addStretch();
        root->addLayout(row);
    };
    root->addWidget(Label1);
    framed(Label2[0], Text1, Label3);
    root->addSpacing(6);
    root->addWidget(Label4);
    framed(Label2[1], Text2, Label5);
    root->addSpacing(6);
    root->addWidget(Frame1);
    root->addWidget(Command1);
}

bool editLV::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && (watched == Text1 || watched == Text2))
        m_padField = static_cast<QLineEdit*>(watched);
    return SecondaryWindow::eventFilter(watched, event);
}

void editLV::Command3_Click(int Index)
{
    m_padField->setText(m_padField->text() + QString::number(Index));
}

void editLV::Command4_Click()
{
    m_padField->setText(m_padField->text().chopped(std::min<qsizetype>(1, m_padField->text().size())));
}

void editLV::NewValue1()
{
    Text1->setText(QString::number(m_session.AllList));
    Text2->setText(QString::number(m_session.NowIsJi));
}

void editLV::Command1_Click()
{
    storeCounter(Text1, m_session.AllList);
    storeCounter(Text2, m_session.NowIsJi);
    hide();
}
