#include "shots.h"

#include "app/main_window.h"
#include "app/widgets.h"

#include <QPushButton>

void shootMainWindows(Form1& form, ShotContext& ctx)
{
    ctx.shoot(&form, QStringLiteral("main_window"));
    ctx.shootModal(QStringLiteral("message_window"), [&] {
        form.showMessage(QStringLiteral("注意：BR    请您点击底下的数字按钮输入！BRBR    第二段文字，用来看清大字体。"));
    });
}
