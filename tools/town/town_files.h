// The two town files: the tile file (7000 tile numbers) and the prop file
// (eight numbers per record). Reading mirrors the game's own conversions so
// that the checker sees exactly what the game would load, and every deviation
// is reported with its record or tile position.
#pragma once

#include "props/objects.h"
#include "shell/main.h"

#include <string>
#include <vector>

constexpr int TILE_COUNT = MAP_ROWS * MAP_COLS;
// Tile numbers with a ground texture.
constexpr int TILE_FIRST = 0;
constexpr int TILE_LAST = 8;

struct TileGrid {
    int Tiles[MAP_ROWS][MAP_COLS] = {};
};

// One line of the prop file, in its column order.
struct PropRecord {
    int Index = 0;
    int TexID = 0;
    float PosX = 0;
    float PosY = 0;
    float PosZ = 0;
    float Depth = 0;
    float Width = 0;
    float Height = 0;
};

// A fault found in a town file. Record is the prop record it concerns, or -1.
struct Problem {
    int Record = -1;
    std::string Text;
};

struct TileFile {
    TileGrid Grid;
    std::vector<Problem> Problems;
};

struct PropFile {
    std::vector<PropRecord> Records; // the records the game would load
    std::vector<Problem> Problems;
};

TileFile ReadTileFile(const std::string& path);
PropFile ReadPropFile(const std::string& path);

bool WriteTileFile(const std::string& path, const TileGrid& grid);
bool WritePropFile(const std::string& path, const std::vector<PropRecord>& records);
