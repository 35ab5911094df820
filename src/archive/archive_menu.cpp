// Form1's "文件" menu: open a slot, save into the current slot, save into another slot.
#include "app/main_window.h"

void Form1::open234_Click() {}
void Form1::savewrete_Click() {}
void Form1::saveaswr34w_Click() {}
