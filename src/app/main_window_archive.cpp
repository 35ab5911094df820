// Form1's "文件" menu: open a slot, save into the current slot, save into another slot.
#include "app/main_window.h"
#include "archive/archive_window.h"
#include "widgets/ticket_box.h"

void Form1::open234_Click()
{
    Load2& window = archiveWindow();
    window.fall1();
    window.exec();
}

void Form1::savewrete_Click()
{
    QString content = Text88->crlfText();
    saveallnum(content);
}

void Form1::saveaswr34w_Click()
{
    Load2& window = archiveWindow();
    window.OpenOrSaveW = QStringLiteral("另存");
    window.nowDoing1 = 1;
    window.fall1();
    window.exec();
}
