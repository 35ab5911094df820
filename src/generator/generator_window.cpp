#include "generator/generator_window.h"

#include "app/main_window.h"

AutoCode1::AutoCode1(Form1& main, QWidget* parent) : SecondaryWindow(parent), m_main(main)
{
    setObjectName(QStringLiteral("AutoCode1"));
    setWindowTitle(QStringLiteral("生成高效36选7随机号码"));
}
