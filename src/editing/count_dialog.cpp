#include "editing/count_dialog.h"

#include "app/main_window.h"

editLV::editLV(Form1& main, QWidget* parent) : SecondaryWindow(parent), m_main(main)
{
    setObjectName(QStringLiteral("editLV"));
    setWindowTitle(QStringLiteral("编辑最后一行数据的所在行及数据个数"));
}
