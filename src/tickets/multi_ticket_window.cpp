#include "tickets/multi_ticket_window.h"

#include "tickets/ticket_text.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int kPadColumns = 9;

bool holds(tickets::NumberSet set, int number)
{
    return (set >> number) & 1U;
}

// A pad key shows its set in words as well as in its look, never in colour alone.
QString keyCaption(const tickets::Picks& picks, int number)
{
    const QString text = tickets::numberText(number);
    if (holds(picks.bankers, number))
        return text + QStringLiteral("胆");
    if (holds(picks.pool, number))
        return text + QStringLiteral("拖");
    return text;
}

}  // namespace

MultiTicket1::MultiTicket1(TicketBoxFeed& box, QWidget* parent) : SecondaryWindow(parent), m_box(box)
{
    setObjectName(QStringLiteral("MultiTicket1"));
    setWindowTitle(QStringLiteral("复式/胆拖展开"));
    buildControls();
    showPicks();
}

void MultiTicket1::buildControls()
{
    const QFont textFont = fonts::font(fonts::kHei, 16);
    const QFont keyFont = fonts::font(fonts::kHei, 16, true);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(fonts::px(12), fonts::px(10), fonts::px(12), fonts::px(12));
    root->setSpacing(fonts::px(8));

    BankerText = makeLabel(QStringLiteral("BankerText"), QString(), textFont, this);
    PoolText = makeLabel(QStringLiteral("PoolText"), QString(), textFont, this);
    SpecialText = makeLabel(QStringLiteral("SpecialText"), QString(), textFont, this);
    for (QLabel* label : {BankerText, PoolText, SpecialText}) {
        label->setWordWrap(true);
        root->addWidget(label);
    }

    auto* options = new QHBoxLayout;
    auto* group = new QButtonGroup(this);
    const std::array<QString, 3> captions = {QStringLiteral("胆码"), QStringLiteral("拖码"), QStringLiteral("特别号")};
    options->addWidget(makeLabel(QStringLiteral("Label1"), QStringLiteral("点号码选为："), textFont, this));
    for (int i = 0; i < 3; ++i) {
        Option2[i] = new QRadioButton(captions[size_t(i)], this);
        Option2[i]->setObjectName(QStringLiteral("Option2(%1)").arg(i));
        Option2[i]->setFont(keyFont);
        Option2[i]->setMinimumHeight(fonts::px(52));
        group->addButton(Option2[i], i);
        options->addWidget(Option2[i]);
    }
    options->addStretch(1);
    Option2[1]->setChecked(true);  // a plain multiple ticket needs the pool only
    root->addLayout(options);

    auto* pad = new QGridLayout;
    pad->setSpacing(fonts::px(6));
    for (int n = 1; n <= 36; ++n) {
        num2[n] = makeButton(QStringLiteral("num2(%1)").arg(n), tickets::numberText(n), keyFont, this);
        num2[n]->setMinimumSize(fonts::px(84), fonts::px(58));
        connect(num2[n], &QPushButton::clicked, this, [this, n] { num2_Click(n); });
        pad->addWidget(num2[n], (n - 1) / kPadColumns, (n - 1) % kPadColumns);
    }
    root->addLayout(pad);

    MultiCount = makeLabel(QStringLiteral("MultiCount"), QString(), fonts::font(fonts::kHei, 18, true), this);
    auto* commands = new QHBoxLayout;
    ExpandLines = makeButton(QStringLiteral("ExpandLines"), QStringLiteral("展开到彩票栏"), keyFont, this);
    ClearPicks = makeButton(QStringLiteral("ClearPicks"), QStringLiteral("清空"), keyFont, this);
    CloseMulti = makeButton(QStringLiteral("CloseMulti"), QStringLiteral("关闭"), keyFont, this);
    commands->addWidget(MultiCount, 1);
    for (QPushButton* button : {ExpandLines, ClearPicks, CloseMulti}) {
        button->setMinimumSize(fonts::px(150), fonts::px(58));
        commands->addWidget(button);
    }
    root->addLayout(commands);
    connect(ExpandLines, &QPushButton::clicked, this, &MultiTicket1::ExpandLines_Click);
    connect(ClearPicks, &QPushButton::clicked, this, &MultiTicket1::ClearPicks_Click);
    connect(CloseMulti, &QPushButton::clicked, this, &QWidget::close);
}

tickets::PickSet MultiTicket1::chosenSet() const
{
    if (Option2[0]->isChecked())
        return tickets::PickSet::Bankers;
    return Option2[2]->isChecked() ? tickets::PickSet::Specials : tickets::PickSet::Pool;
}

void MultiTicket1::num2_Click(int number)
{
    const tickets::PickToggle toggled = tickets::togglePick(m_picks, chosenSet(), number);
    if (!toggled.refusal.isEmpty()) {
        m_box.showMessage(toggled.refusal);
        return;
    }
    m_picks = toggled.picks;
    showPicks();
}

void MultiTicket1::showPicks()
{
    auto words = [](tickets::NumberSet set) {
        const QString text = tickets::setText(set);
        return text.isEmpty() ? QStringLiteral("（未选）") : text;
    };
    BankerText->setText(QStringLiteral("胆码：") + words(m_picks.bankers));
    PoolText->setText(QStringLiteral("拖码：") + words(m_picks.pool));
    SpecialText->setText(QStringLiteral("特别号：") + words(m_picks.specials));
    for (int n = 1; n <= 36; ++n) {
        num2[n]->setText(keyCaption(m_picks, n));
        // A special number is underlined: a number may be a special one and a pool one.
        QFont font = num2[n]->font();
        font.setUnderline(holds(m_picks.specials, n));
        num2[n]->setFont(font);
        num2[n]->setStyleSheet(holds(m_picks.bankers, n) ? QStringLiteral("background:#ffd54f;")
                               : holds(m_picks.pool, n) ? QStringLiteral("background:#aed581;")
                                                        : QString());
    }
    MultiCount->setText(tickets::countText(tickets::lineCount(m_picks)));
}

void MultiTicket1::ExpandLines_Click()
{
    const tickets::Expansion expansion = tickets::expandForBox(m_picks, m_box.completeLines());
    if (!expansion.refusal.isEmpty()) {
        m_box.showMessage(expansion.refusal);
        return;
    }
    const int incomplete = m_box.numbersOnIncompleteLine();
    if (incomplete > 0
        && !askYesNo(this, QStringLiteral("IncompleteLineQuestion"), QStringLiteral("复式/胆拖展开"),
                     QStringLiteral("彩票栏最后一行只有%1个号码，还没有输完。\n"
                                    "展开的%2注号码会接在完整的行后面，这行不完整的号码会去掉。\n\n"
                                    "确定要展开吗？")
                         .arg(incomplete)
                         .arg(expansion.lines),
                     false))
        return;
    m_box.appendLines(expansion.text, expansion.lines);
    close();
}

void MultiTicket1::ClearPicks_Click()
{
    m_picks = {};
    showPicks();
}
