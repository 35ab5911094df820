// Form1's "生成高效随机彩票号码": explains what generation does to the ticket data, warns
// when that data is unsaved, then shows the generator.
#include "app/main_window.h"
#include "messages/message_text.h"

#include "generator/generator_window.h"
#include "messages/cue_literals.h"

#include <QDir>

void Form1::Command12_Click()
{
    showMessage(
        QStringLiteral("随机彩票码：(关闭本说明后进入界面)BR    当前主界面的彩票号码会被清空，如果您要保存，"
                       "请点顶上菜单“文件/另存”另存新档；生成的随机码自动覆盖保存在 ")
        + messages::shownPath(dataFolder(), NowOpenFile)
        + QStringLiteral(" 。BR    购彩点的随机码太多废码，号码不分散，中率太低，只好自己做随机功能。"
                         "这个随机码分散，命中率更高，生成的码打印好拿去购彩门店照单买，麻烦也是营业员麻烦点，"
                         "开奖您填上开奖码就直接对奖(数据已保存了嘛)，免去手动输入之苦。"));
    AutoCode1& generator = generatorWindow();
    if (isUnsaved()) {
        generator.setWindowTitle(QStringLiteral("生成随机号码  注意：彩票号码未保存.."));
        playCue(cues::kUnsaved);
    }
    generator.exec();
}
