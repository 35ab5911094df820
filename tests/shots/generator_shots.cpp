#include "shots.h"

void shootGeneratorWindows(Form1&, ShotContext&) {}
