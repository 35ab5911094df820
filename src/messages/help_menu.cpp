// Form1's help buttons and the help and link entries of "功能及说明".
#include "app/main_window.h"

void Form1::Command6_Click() {}
void Form1::Command7_Click() {}
void Form1::Command8_Click() {}
void Form1::guan23424_Click() {}
void Form1::h2p09w34_Click() {}
void Form1::h2w3434w_Click() {}
void Form1::d34fd_Click() {}
void Form1::jianyiw3432_Click() {}
void Form1::home9879_Click() {}
void Form1::ding234_Click() {}
void Form1::r343_Click() {}
void Form1::forme3435_Click() {}
void Form1::newver345_Click() {}
