#include "shots.h"

void shootEditingWindows(Form1&, ShotContext&) {}
