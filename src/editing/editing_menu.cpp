// Form1's editing entries: free-edit mode, the row replace editor, the counter dialog.
#include "app/main_window.h"

void Form1::g34435_Click() {}
void Form1::editX_Click() {}
void Form1::t34534_Click() {}
