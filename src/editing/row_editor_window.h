#pragma once

#include "app/widgets.h"

class Form1;

class editX1 : public SecondaryWindow {
    Q_OBJECT
public:
    explicit editX1(Form1& main, QWidget* parent = nullptr);

private:
    Form1& m_main;
};
