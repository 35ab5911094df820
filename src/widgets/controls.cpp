#include "widgets/controls.h"

#include "widgets/fonts.h"
#include "widgets/large_type.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

QLabel* makeLabel(const QString& name, const QString& text, const QFont& font, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    return label;
}

QPushButton* makeButton(const QString& name, const QString& text, const QFont& font,
                        QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFont(font);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    return button;
}

void shapeField(QLineEdit* field, const QString& name, const QFont& font, int digits, int margin)
{
    field->setObjectName(name);
    field->setFont(font);
    if (digits <= 0)
        return;
    field->setAlignment(Qt::AlignCenter);
    // Never narrower than a fingertip, however few digits it holds.
    field->setFixedWidth(std::max(QFontMetrics(font).horizontalAdvance(QString(digits, QLatin1Char('0')))
                                      + fonts::px(margin),
                                  fonts::px(largeType::kSmallestTap)));
}

bool askYesNo(QWidget* parent, const QString& name, const QString& title, const QString& text,
              bool yesIsDefault)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(name);
    box.setDefaultButton(yesIsDefault ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
