#include "ground/ground.h"

#include "ground/CTextureMgr.h"

#include <GL/gl.h>
#include <algorithm>
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

namespace {

constexpr int DRAWN_COLS = MAP_COLS - FIRST_DRAWN_COL;
constexpr int DRAWN_TILES = MAP_ROWS * DRAWN_COLS;
// Tile numbers 0..9 have map textures, every other number draws untextured:
// at most that many different textures, and one more for none.
constexpr int MAX_GROUND_TEXTURES = MAP_TILES + 1;

// One tile corner as glInterleavedArrays(GL_T2F_V3F) reads it.
struct TileCorner {
    float s, t, x, y, z;
};

// The ground as vertex arrays, tiles grouped by texture: the tiles are
// coplanar, opaque and do not overlap, so drawing them texture by texture
// gives the pixels of the tile-by-tile pass with one bind per texture.
// Within a group every run of tiles that follow each other in row order with
// one texture is one draw, as the tile-by-tile pass's quads reach the
// rasteriser, so each tile takes the same way through clipping and set-up.
// Rebuilt whenever a tile's texture differs from the one it was built with.
struct GroundArrays {
    unsigned int tileTexture[DRAWN_TILES];
    TileCorner corners[DRAWN_TILES * 4];
    unsigned int groupTexture[MAX_GROUND_TEXTURES];
    int groups;
    // Runs ordered by group: first corner and corner count of each draw.
    int runFirst[DRAWN_TILES];
    int runCorners[DRAWN_TILES];
    int groupRuns[MAX_GROUND_TEXTURES];
    bool built;
};

GroundArrays Ground;

unsigned int TileTexture(int r, int c) {
    return TextureMgr->GetMapTex(Main.MapGrid[r][c]);
}

// The four corners of tile [r][c], in the order and with the texture
// coordinates the literal pass gives them.
void TileCorners(int r, int c, TileCorner* out) {
    // Rows run along x, centred on x = 0; columns along z, the last one
    // ending at z = -10.
    const float x0 = TILE_SIZE * static_cast<float>(r - MAP_ROWS / 2);
    const float x1 = x0 + TILE_SIZE;
    const float z0 = TILE_SIZE * static_cast<float>(c - MAP_COLS);
    const float z1 = z0 - TILE_SIZE;
    // Counter-clockwise seen from above; t = 0 on the far edge.
    out[0] = {0.0f, 1.0f, x0, GROUND_Y, z0};
    out[1] = {1.0f, 1.0f, x1, GROUND_Y, z0};
    out[2] = {1.0f, 0.0f, x1, GROUND_Y, z1};
    out[3] = {0.0f, 0.0f, x0, GROUND_Y, z1};
}

bool GroundChanged() {
    if (!Ground.built)
        return true;
    const unsigned int* cached = Ground.tileTexture;
    for (int r = 0; r < MAP_ROWS; ++r)
        for (int c = FIRST_DRAWN_COL; c < MAP_COLS; ++c)
            if (*cached++ != TileTexture(r, c))
                return true;
    return false;
}

int GroupOf(unsigned int texture) {
    int g = 0;
    while (g < Ground.groups && Ground.groupTexture[g] != texture)
        ++g;
    if (g == Ground.groups)
        Ground.groupTexture[Ground.groups++] = texture;
    return g;
}

// Groups in the order their textures first appear, tiles in row order within.
void BuildGround() {
    static int tileGroup[DRAWN_TILES];
    static int runGroup[DRAWN_TILES], runTile[DRAWN_TILES], runTiles[DRAWN_TILES];
    int groupTiles[MAX_GROUND_TEXTURES] = {};
    Ground.groups = 0;
    int runs = 0;
    for (int k = 0, r = 0; r < MAP_ROWS; ++r) {
        for (int c = FIRST_DRAWN_COL; c < MAP_COLS; ++c, ++k) {
            const unsigned int texture = TileTexture(r, c);
            Ground.tileTexture[k] = texture;
            tileGroup[k] = GroupOf(texture);
            if (k > 0 && Ground.tileTexture[k - 1] == texture) {
                ++runTiles[runs - 1];
            } else {
                runGroup[runs] = tileGroup[k];
                runTile[runs] = groupTiles[tileGroup[k]];
                runTiles[runs] = 1;
                ++runs;
            }
            ++groupTiles[tileGroup[k]];
        }
    }
    // Each group's tiles and runs follow the groups before it.
    int tileStart[MAX_GROUND_TEXTURES], runNext[MAX_GROUND_TEXTURES];
    for (int g = 0, tiles = 0, groupRuns = 0; g < Ground.groups; ++g) {
        tileStart[g] = tiles;
        runNext[g] = groupRuns;
        tiles += groupTiles[g];
        Ground.groupRuns[g] = 0;
        for (int i = 0; i < runs; ++i)
            Ground.groupRuns[g] += runGroup[i] == g;
        groupRuns += Ground.groupRuns[g];
    }
    int tileNext[MAX_GROUND_TEXTURES];
    std::copy(tileStart, tileStart + Ground.groups, tileNext);
    for (int k = 0, r = 0; r < MAP_ROWS; ++r)
        for (int c = FIRST_DRAWN_COL; c < MAP_COLS; ++c, ++k)
            TileCorners(r, c, &Ground.corners[4 * tileNext[tileGroup[k]]++]);
    for (int i = 0; i < runs; ++i) {
        const int g = runGroup[i];
        Ground.runFirst[runNext[g]] = 4 * (tileStart[g] + runTile[i]);
        Ground.runCorners[runNext[g]] = 4 * runTiles[i];
        ++runNext[g];
    }
    Ground.built = true;
}

void DrawGroundLiteral() {
    for (int r = 0; r < MAP_ROWS; ++r) {
        for (int c = FIRST_DRAWN_COL; c < MAP_COLS; ++c) {
            TileCorner corners[4];
            TileCorners(r, c, corners);
            glBindTexture(GL_TEXTURE_2D, TileTexture(r, c));
            glBegin(GL_QUADS);
            for (const TileCorner& v : corners) {
                glTexCoord2f(v.s, v.t);
                glVertex3f(v.x, v.y, v.z);
            }
            glEnd();
        }
    }
}

void DrawGroundGrouped() {
    if (GroundChanged())
        BuildGround();
    glInterleavedArrays(GL_T2F_V3F, 0, Ground.corners);
    for (int g = 0, run = 0; g < Ground.groups; ++g) {
        glBindTexture(GL_TEXTURE_2D, Ground.groupTexture[g]);
        for (const int end = run + Ground.groupRuns[g]; run < end; ++run)
            glDrawArrays(GL_QUADS, Ground.runFirst[run], Ground.runCorners[run]);
    }
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    // Leave bound what the tile-by-tile pass leaves bound: the last tile's.
    glBindTexture(GL_TEXTURE_2D, TileTexture(MAP_ROWS - 1, MAP_COLS - 1));
}

} // namespace

void DrawGround() {
    glColor3f(1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
    if (LiteralDrawing)
        DrawGroundLiteral();
    else
        DrawGroundGrouped();
    glDisable(GL_TEXTURE_2D);
}
