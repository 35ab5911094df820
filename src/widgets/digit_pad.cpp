#include "widgets/digit_pad.h"

#include "widgets/controls.h"
#include "widgets/fonts.h"

#include <QHBoxLayout>
#include <QPushButton>

DigitPadLook standardDigitPadLook()
{
    DigitPadLook look;
    look.frameName = QStringLiteral("Frame1");
    look.digitFont = fonts::font(fonts::kHei, 26, true);
    look.digitSize = QSize(64, 60);
    return look;
}

DigitPad::DigitPad(QWidget* parent) : DigitPad(standardDigitPadLook(), parent) {}

DigitPad::DigitPad(const DigitPadLook& look, QWidget* parent) : QFrame(parent)
{
    setObjectName(look.frameName);
    setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 6, 6, 6);
    row->setSpacing(look.spacing);
    for (int k = 0; k <= 9; ++k) {
        QPushButton* key = makeButton(QStringLiteral("Command3(%1)").arg(k), QString::number(k),
                                      look.digitFont, this);
        key->setMinimumSize(fonts::px(look.digitSize.width()), fonts::px(look.digitSize.height()));
        if (look.stretchDigits)
            key->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(key, &QPushButton::clicked, this, [this, k] { emit digitPressed(k); });
        row->addWidget(key);
        m_digits[size_t(k)] = key;
    }
    if (!look.eraseKey)
        return;
    m_erase = makeButton(QStringLiteral("Command4"), QStringLiteral("←"),
                         fonts::font(fonts::kLi, 30, true), this);
    m_erase->setMinimumSize(fonts::px(96), fonts::px(look.digitSize.height()));
    connect(m_erase, &QPushButton::clicked, this, &DigitPad::erasePressed);
    row->addSpacing(8);
    row->addWidget(m_erase);
}

void DigitPad::offer(const tickets::DigitSet& offered)
{
    for (int d = 0; d <= 9; ++d)
        m_digits[size_t(d)]->setEnabled(offered.test(d));
}

tickets::DigitSet DigitPad::offered() const
{
    tickets::DigitSet set;
    for (int d = 0; d <= 9; ++d)
        set[size_t(d)] = m_digits[size_t(d)]->isEnabled();
    return set;
}
