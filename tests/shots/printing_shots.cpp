#include "shots.h"

void shootPrintingWindows(Form1&, ShotContext&) {}
