#pragma once

#include "app/widgets.h"

class Form1;

class editLV : public SecondaryWindow {
    Q_OBJECT
public:
    explicit editLV(Form1& main, QWidget* parent = nullptr);

private:
    Form1& m_main;
};
