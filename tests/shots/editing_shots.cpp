#include "shots.h"

#include "app/main_window.h"
#include "editing/count_dialog_window.h"
#include "editing/row_editor_window.h"
#include "support/test_support.h"
#include "widgets/ticket_box.h"

#include <QPushButton>
#include <QTextCursor>

namespace {
void key(editX1& e, const QString& digits)
{
    for (QChar d : digits)
        e.Command3[d.digitValue()]->click();
}
}  // namespace

void shootEditingWindows(Form1& form, ShotContext& ctx)
{
    // The row editor as it opens, then with row 2 and a replacement line keyed.
    editX1& editor = form.rowEditorWindow();
    editor.Command1_Click();
    ctx.shoot(&editor, QStringLiteral("editX1"));
    click(editor.Text1);
    key(editor, QStringLiteral("2"));
    click(editor.Text3);
    key(editor, QStringLiteral("0410162228343"));
    ctx.shoot(&editor, QStringLiteral("editX1_keyed"));
    editor.hide();
    editor.Command1_Click();

    editLV& dialog = form.countDialog();
    dialog.NewValue1();
    ctx.shoot(&dialog, QStringLiteral("editLV"));
    dialog.hide();

    // Free editing: the notice, then the report of a reformat; the box is put back after.
    const QString text = form.Text88->crlfText();
    const qint16 allList = form.AllList;
    const qint16 nowIsJi = form.NowIsJi;
    ctx.shootModal(QStringLiteral("free_edit_notice"), [&] { form.g34435_Click(); });
    form.Text88->setCrlfText(QStringLiteral(
        "05 08 09 15 17 25 32 \r\n01 07 14 \r\n01 18 24 25 26 28 37 \r\nx5 07 14 25 29 31 32\r\n"));
    form.Text88->moveCursor(QTextCursor::Start);
    ctx.shoot(&form, QStringLiteral("main_window_free_edit"));
    ctx.shootModal(QStringLiteral("reformat_report"), [&] { form.g34435_Click(); });
    form.Text88->setCrlfText(text);
    form.AllList = allList;
    form.NowIsJi = nowIsJi;
}
