// The town's ground: the tile file and the ground pass.
#pragma once

#include "shell/main.h"

// Fills the grid from the tile file at path; entries the file does not give stay 0.
void LoadMapGrid(int (&grid)[MAP_ROWS][MAP_COLS], const char* path);

// Draws the visible tiles of Main.MapGrid in world coordinates.
void DrawGround();
