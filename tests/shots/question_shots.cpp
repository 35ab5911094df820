#include "shots.h"

#include "app/main_window.h"
#include "archive/archive_window.h"
#include "widgets/ticket_box.h"

#include <QPushButton>

void shootQuestions(Form1& form, ShotContext& ctx)
{
    // One more number than the slot holds: both questions about unsaved lines come up.
    const QString saved = form.Text88->crlfText();
    form.Text88->setCrlfText(saved + QStringLiteral("\r\n09 "));
    Load2& window = form.archiveWindow();
    window.fall1();
    window.show();
    ctx.shootModal(QStringLiteral("question_open_slot"), [&] { window.Command1[1]->click(); });
    window.hide();
    ctx.shootModal(QStringLiteral("question_exit"), [&] { form.close(); });
    form.Text88->setCrlfText(saved);
}
