#include "ground/ground.h"

void LoadMapGrid(int (&)[MAP_ROWS][MAP_COLS], const char*) {}
void DrawGround() {}
