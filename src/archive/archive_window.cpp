#include "archive/archive_window.h"

#include "app/main_window.h"

Load2::Load2(Form1& main, QWidget* parent) : SecondaryWindow(parent), m_main(main)
{
    setObjectName(QStringLiteral("Load2"));
    setWindowTitle(QStringLiteral("打开存档"));
}
