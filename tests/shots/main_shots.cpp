#include "shots.h"

#include "app/main_window.h"

#include <QPushButton>
#include <QTimer>

namespace {
// Presses a pad button as a user would, waiting out the pad lock.
void press(Form1& form, int i)
{
    if (form.Timer1->isActive())
        form.Timer1_Timer();
    form.num1[i]->click();
}
}  // namespace

void shootMainWindows(Form1& form, ShotContext& ctx)
{
    ctx.shoot(&form, QStringLiteral("main_window_start"));
    form.Text0_Click();
    for (int i : {3, 8, 15, 21, 27, 33, 11})
        press(form, i);
    form.Text88_Click();
    for (int i : {2, 9, 14, 20, 26, 31, 7, 5, 12})
        press(form, i);
    ctx.shoot(&form, QStringLiteral("main_window"));
    ctx.shootModal(QStringLiteral("message_window"), [&] { form.Command1_Click(); });
}
