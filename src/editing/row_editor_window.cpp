#include "editing/row_editor_window.h"

#include "app/main_window.h"

editX1::editX1(Form1& main, QWidget* parent) : SecondaryWindow(parent), m_main(main)
{
    setObjectName(QStringLiteral("editX1"));
    setWindowTitle(QStringLiteral("修改第X行(组)数据 当前有N行(组)"));
}
