// Form1's "打印": the order sheet for the lottery shop.
#include "app/main_window.h"

void Form1::Command13_Click() {}
