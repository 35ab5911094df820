#pragma once

#include "app/widgets.h"

class Form1;

class Load2 : public SecondaryWindow {
    Q_OBJECT
public:
    explicit Load2(Form1& main, QWidget* parent = nullptr);

private:
    Form1& m_main;
};
