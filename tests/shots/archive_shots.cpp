#include "shots.h"

void shootArchiveWindows(Form1&, ShotContext&) {}
