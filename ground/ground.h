// The town's ground: the tile file and the ground pass.
#pragma once

#include "shell/main.h"

// Clears the grid, then reads one "%i" value per entry in row order from the
// tile file at path. Entries the file does not give, and every entry after a
// value that cannot be read, stay 0; a missing file leaves all of them 0.
void LoadMapGrid(int (&grid)[MAP_ROWS][MAP_COLS], const char* path);

// Draws columns 27..99 of every row of Main.MapGrid as 10-unit tiles at
// y = -2 in world coordinates; tile numbers without a texture are drawn
// untextured. The literal pass binds and draws tile by tile in row order; the
// fast one draws the same quads texture by texture from vertex arrays. Both
// leave texturing disabled, no client array enabled and the last tile's
// texture bound.
void DrawGround();

// Off in the game: every drawing operation then takes its fast path, which
// draws the same pixels. On, they issue their calls one by one as written
// (a bind per tile, the sphere tessellated anew each frame), so a benchmark
// or a pixel comparison can run the two side by side.
extern bool LiteralDrawing;
