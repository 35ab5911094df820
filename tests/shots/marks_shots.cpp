#include "shots.h"

#include "app/main_window.h"
#include "widgets/pad_line_edit.h"
#include "widgets/ticket_box.h"

#include <QLineEdit>
#include <QStringList>

namespace {
// Runs the prize check on `box` against `draw`, shooting the report as `reportName`.
void checkAndShootReport(Form1& form, ShotContext& ctx, const QString& draw, const QString& box,
                         const QString& reportName)
{
    form.Text0->setText(draw);
    form.Text88->setCrlfText(box);
    ctx.shootModal(reportName, [&] { form.Command1_Click(); });
}
}  // namespace

void shootTicketMarks(Form1& form, ShotContext& ctx)
{
    const QString draw = QStringLiteral("01 02 03 04 05 06 07 ");
    const QString example = QStringLiteral("01 02 03 04 10 11 07 \r\n01 02 03 04 05 06 08 \r\n20 21 22 ");
    checkAndShootReport(form, ctx, draw, example, QStringLiteral("message_window_example"));
    ctx.shoot(&form, QStringLiteral("main_window_marks"));

    // The same check in high contrast, and at the largest reading type.
    form.highContrast->trigger();
    checkAndShootReport(form, ctx, draw, example, QStringLiteral("message_window_high_contrast"));
    ctx.shoot(&form, QStringLiteral("main_window_marks_high_contrast"));
    form.highContrast->trigger();
    form.fontSizeChoice[2]->trigger();
    checkAndShootReport(form, ctx, draw, example, QStringLiteral("message_window_150"));
    ctx.shoot(&form, QStringLiteral("main_window_marks_150"));
    form.fontSizeChoice[0]->trigger();

    // Forty lines: the winners (one of each colour) and a repeated line lie far down.
    QStringList lines;
    for (int i = 0; i < 40; ++i)
        lines << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 ")
                     .arg(10 + i % 20).arg(12 + i % 20).arg(14 + i % 19).arg(16 + i % 19)
                     .arg(18 + i % 18).arg(20 + i % 16).arg(22 + i % 14);
    lines[30] = QStringLiteral("01 02 03 04 05 20 21 ");
    lines[32] = QStringLiteral("06 05 04 03 02 01 07 ");
    lines[33] = QStringLiteral("01 03 05 06 30 31 07 ");
    lines[35] = lines[30];
    checkAndShootReport(form, ctx, draw, lines.join(QStringLiteral("\r\n")),
                        QStringLiteral("message_window_forty"));
    ctx.shoot(&form, QStringLiteral("main_window_marks_forty"));
}
