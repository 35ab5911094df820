#include "shots.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

// The installed 256-pixel icon on a light and on a dark desktop background.
void shootIcon(Form1&, ShotContext& ctx)
{
    const QPixmap icon(QStringLiteral(LOTTO_ICON_DIR "/256/lotto36x7.png"));
    QWidget panel;
    auto* layout = new QHBoxLayout(&panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const char* background : {"#f0f0f0", "#2b2b2b"}) {
        auto* label = new QLabel(&panel);
        label->setPixmap(icon);
        label->setContentsMargins(24, 24, 24, 24);
        label->setStyleSheet(QStringLiteral("background: %1").arg(QLatin1String(background)));
        layout->addWidget(label);
    }
    ctx.shoot(&panel, QStringLiteral("icon_256"));
}
