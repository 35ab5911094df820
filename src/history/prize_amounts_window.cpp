#include "history/prize_amounts_window.h"

#include "history/draw_history.h"
#include "widgets/controls.h"
#include "widgets/digit_pad.h"
#include "widgets/fonts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const std::array<QString, 4> kLevelNames = {QString(), QStringLiteral("一等奖"), QStringLiteral("二等奖"),
                                            QStringLiteral("三等奖")};
// 999999999: the most a field takes.
constexpr int kMaxDigits = 9;

}  // namespace

PrizeAmounts1::PrizeAmounts1(const QString& drawText, const tickets::FloatingAmounts& amounts, QWidget* parent)
    : SecondaryWindow(parent)
{
    setObjectName(QStringLiteral("PrizeAmounts1"));
    setWindowTitle(QStringLiteral("公布的奖金"));
    const QFont textFont = fonts::font(fonts::kSong, 16, true);
    const QFont fieldFont = fonts::font(fonts::kHei, 20, true);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(fonts::px(16), fonts::px(12), fonts::px(16), fonts::px(14));
    root->addWidget(makeLabel(QStringLiteral("Label1"),
                              QStringLiteral("开奖号码 %1 每注的奖金（没有公布的不填）：").arg(drawText), textFont,
                              this));
    auto* fields = new QGridLayout;
    for (int level = 1; level <= 3; ++level) {
        Amount[level] = makeField(QStringLiteral("Amount(%1)").arg(level), fieldFont, this, kMaxDigits, 20);
        const std::optional<qint64>& a = amounts[size_t(level)];
        Amount[level]->setText(a ? QString::number(*a) : QString());
        connect(Amount[level], &PadLineEdit::clicked, this, [this, level] { chooseField(level); });
        fields->addWidget(makeLabel(QStringLiteral("Label2(%1)").arg(level), kLevelNames[size_t(level)], textFont, this),
                          level, 0);
        fields->addWidget(Amount[level], level, 1);
        fields->addWidget(makeLabel(QStringLiteral("Label3(%1)").arg(level), QStringLiteral("元"), textFont, this),
                          level, 2);
    }
    fields->setColumnStretch(3, 1);
    root->addLayout(fields);
    auto* pad = new DigitPad(this);
    Command3 = pad->digitKeys();
    Command4 = pad->eraseKey();
    connect(pad, &DigitPad::digitPressed, this, &PrizeAmounts1::digit_Click);
    connect(pad, &DigitPad::erasePressed, this, &PrizeAmounts1::erase_Click);
    root->addWidget(pad);
    SaveAmounts = makeButton(QStringLiteral("SaveAmounts"), QStringLiteral("保存奖金"), textFont, this);
    CloseAmounts = makeButton(QStringLiteral("CloseAmounts"), QStringLiteral("关闭"), textFont, this);
    auto* commands = new QHBoxLayout;
    commands->addStretch(1);
    for (QPushButton* button : {SaveAmounts, CloseAmounts}) {
        button->setMinimumSize(fonts::px(150), fonts::px(58));
        commands->addWidget(button);
    }
    root->addLayout(commands);
    connect(SaveAmounts, &QPushButton::clicked, this, &QDialog::accept);
    connect(CloseAmounts, &QPushButton::clicked, this, &QDialog::reject);
    chooseField(1);
}

tickets::FloatingAmounts PrizeAmounts1::amounts() const
{
    tickets::FloatingAmounts out;
    for (int level = 1; level <= 3; ++level) {
        bool ok = false;
        const qint64 value = Amount[level]->text().toLongLong(&ok);
        if (ok && value >= 0 && value <= history::kMaxPrizeAmount)
            out[size_t(level)] = value;
    }
    return out;
}

void PrizeAmounts1::chooseField(int level)
{
    m_level = level;
    // The field the pad types into is framed in bold, not marked by colour alone.
    for (int l = 1; l <= 3; ++l)
        Amount[l]->setStyleSheet(l == level ? QStringLiteral("border: 3px solid black;") : QString());
}

void PrizeAmounts1::digit_Click(int digit)
{
    QString text = Amount[m_level]->text();
    if (text == QStringLiteral("0"))
        text.clear();  // no leading zero
    if (text.size() < kMaxDigits)
        Amount[m_level]->setText(text + QString::number(digit));
}

void PrizeAmounts1::erase_Click()
{
    Amount[m_level]->setText(Amount[m_level]->text().chopped(Amount[m_level]->text().isEmpty() ? 0 : 1));
}
