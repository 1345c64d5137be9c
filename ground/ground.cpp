#include "ground/ground.h"

#include "ground/CTextureMgr.h"

#include <GL/gl.h>
#include <cstdio>

namespace {

// Columns below this one are read and kept but lie outside the drawn town.
constexpr int FIRST_DRAWN_COL = 27;
constexpr float TILE_SIZE = 10.0f;
constexpr float GROUND_Y = -2.0f;

} // namespace

bool LiteralDrawing = false;

void LoadMapGrid(int (&grid)[MAP_ROWS][MAP_COLS], const char* path) {
    for (auto& row : grid)
        for (int& entry : row)
            entry = 0;
    FILE* file = std::fopen(path, "r");
    if (!file)
        return;
    // One "%i" conversion per entry, results unchecked: a value that cannot
    // be read leaves its entry, and every later one, at 0.
    for (auto& row : grid)
        for (int& entry : row)
            std::fscanf(file, "%i", &entry);
    std::fclose(file);
}

void DrawGround() {
    glColor3f(1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
    for (int r = 0; r < MAP_ROWS; ++r) {
        for (int c = FIRST_DRAWN_COL; c < MAP_COLS; ++c) {
            // Rows run along x, centred on x = 0; columns along z, the last
            // one ending at z = -10.
            const float x0 = TILE_SIZE * static_cast<float>(r - MAP_ROWS / 2);
            const float x1 = x0 + TILE_SIZE;
            const float z0 = TILE_SIZE * static_cast<float>(c - MAP_COLS);
            const float z1 = z0 - TILE_SIZE;
            glBindTexture(GL_TEXTURE_2D, TextureMgr->GetMapTex(Main.MapGrid[r][c]));
            // Counter-clockwise seen from above; t = 0 on the far edge.
            glBegin(GL_QUADS);
            glTexCoord2f(0.0f, 1.0f);
            glVertex3f(x0, GROUND_Y, z0);
            glTexCoord2f(1.0f, 1.0f);
            glVertex3f(x1, GROUND_Y, z0);
            glTexCoord2f(1.0f, 0.0f);
            glVertex3f(x1, GROUND_Y, z1);
            glTexCoord2f(0.0f, 0.0f);
            glVertex3f(x0, GROUND_Y, z1);
            glEnd();
        }
    }
    glDisable(GL_TEXTURE_2D);
}
