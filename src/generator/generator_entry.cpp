// Form1's "生成高效随机彩票号码": opens the generator.
#include "app/main_window.h"

void Form1::Command12_Click() {}
