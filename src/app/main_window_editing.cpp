// Form1's editing entries: free-edit mode, the row replace editor, the counter dialog.
#include "app/main_window.h"

#include "editing/count_dialog_window.h"
#include "editing/reformat.h"
#include "editing/row_editor_window.h"
#include "tickets/pad_state.h"
#include "widgets/ticket_box.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

void switchFreeEditOn(Form1& f)
{
    f.g34435->setChecked(true);
    f.Text88->setLocked(false);
    f.Label9->setText(QStringLiteral("数据栏可直接编辑，1行7数值 每数值后1空格"));
    // A pending pad lock must not enable a button again while the box is edited freely.
    f.Timer1->stop();
    f.JustPress = tickets::kPadFree;
    f.setPadEnabled(false);
    f.Command1->setEnabled(false);
    f.showMessage(QStringLiteral(
        "提示：BR    数据栏可直接编辑，部分主要按钮功能关闭。编辑数据一定要注意格式，1行7数字 "
        "每数字两位，每个数字后1空格，第7个号码后也要空一格再换行，这是格式，否则程序识别会出错误。"
        "此允许功能要关闭，部分主要按钮才能正常使用，关闭方法和打开一样，在顶上菜单点同一项。"));
}

void switchFreeEditOff(Form1& f)
{
    const editing::FreeEditEnd end =
        editing::endFreeEdit(f.Text88->crlfText(), f.Input2W == tickets::activeBox::kTickets);
    f.setTickets(end.text, end.numbersInLine, end.lines);
    if (end.marker)
        f.putTicketCaretBeforeMarker();
    if (f.Input2W != tickets::activeBox::kNone)
        f.setPadEnabled(true);
    f.Command1->setEnabled(true);
    f.g34435->setChecked(false);
    f.Text88->setLocked(true);
    f.Label9->setText(QStringLiteral("彩票数据编辑功能已关闭/数据已格式化"));
    if (!end.report.isEmpty())
        f.showMessage(editing::reformatReportMessage(end.report));
}

}  // namespace

void Form1::g34435_Click()
{
    // The menu toggles the check mark before this runs; the box's lock says which way
    // the mode goes, whether the handler runs from the menu or is called directly.
    if (Text88->isLocked())
        switchFreeEditOn(*this);
    else
        switchFreeEditOff(*this);
}

void Form1::editX_Click()
{
    rowEditorWindow().Command1_Click();
    showMessage(QStringLiteral(
        "修改第X行数据：BR    这个功能在购买后比较常用，如果买得多，是随机生成的，打印出来拿去购买，"
        "店主难免眼花有输错的，用笔标出来，您可以在此对主界面的数据进行替换，注意，替换后的数据还没有保存。"
        "对于要被替换的行，您只需要填写行数或者仅填写原数据，然后点“执行替换”键。替换好数据后再进行对奖操作。"));
    rowEditorWindow().exec();
}

void Form1::t34534_Click()
{
    editLV& dialog = countDialog();
    dialog.NewValue1();  // the counters as they are now, not as the dialog last saw them
    dialog.exec();
    countDialog().NewValue1();
}
