#include "tools/town/town_files.h"

#include <cstdio>
#include <memory>

namespace {

using File = std::unique_ptr<FILE, int (*)(FILE*)>;

File Open(const std::string& path, const char* mode) {
    return File(std::fopen(path.c_str(), mode), &std::fclose);
}

// The text a failed conversion stopped at, for the message.
std::string Offending(FILE* f) {
    char word[32] = {};
    if (std::fscanf(f, "%31s", word) != 1)
        return "the end of the file";
    return std::string("'") + word + "'";
}

std::string TilePlace(int k) {
    return "tile row " + std::to_string(k / MAP_COLS) + " column " + std::to_string(k % MAP_COLS);
}

// Reports at most this many bad tile numbers one by one, then a count.
constexpr int TILE_REPORT_LIMIT = 10;

} // namespace

TileFile ReadTileFile(const std::string& path) {
    TileFile out;
    File f = Open(path, "r");
    if (!f) {
        out.Problems.push_back({-1, "tile file " + path + " cannot be opened"});
        return out;
    }
    int read = 0;
    int bad = 0;
    for (; read < TILE_COUNT; ++read) {
        int value = 0;
        if (std::fscanf(f.get(), "%i", &value) != 1)
            break;
        out.Grid.Tiles[read / MAP_COLS][read % MAP_COLS] = value;
        if (value < TILE_FIRST || value > TILE_LAST) {
            if (bad < TILE_REPORT_LIMIT)
                out.Problems.push_back({-1, TilePlace(read) + ": number " + std::to_string(value) +
                                                " has no ground texture"});
            ++bad;
        }
    }
    if (bad > TILE_REPORT_LIMIT)
        out.Problems.push_back(
            {-1, std::to_string(bad - TILE_REPORT_LIMIT) + " more tiles have no ground texture"});
    if (read < TILE_COUNT) {
        out.Problems.push_back({-1, "tile file stops after " + std::to_string(read) + " of " +
                                        std::to_string(TILE_COUNT) + " numbers, at " +
                                        Offending(f.get()) + "; the rest stays grass"});
    } else {
        int extra = 0;
        if (std::fscanf(f.get(), "%i", &extra) == 1)
            out.Problems.push_back({-1, "tile file holds more than " + std::to_string(TILE_COUNT) +
                                            " numbers; the rest is ignored"});
    }
    return out;
}

PropFile ReadPropFile(const std::string& path) {
    PropFile out;
    File f = Open(path, "r");
    if (!f) {
        out.Problems.push_back({-1, "prop file " + path + " cannot be opened"});
        return out;
    }
    // Like the game: one holding variable per column, kept when a read fails.
    PropRecord hold;
    for (int expected = 0;; ++expected) {
        if (std::fscanf(f.get(), "%i", &hold.Index) != 1) {
            if (std::feof(f.get()) && expected > 0)
                break;
            out.Problems.push_back({expected, "record " + std::to_string(expected) +
                                                  ": the index is " + Offending(f.get()) +
                                                  ", not a number; reading stops here"});
            break;
        } else if (hold.Index != expected) {
            out.Problems.push_back({expected, "record " + std::to_string(expected) + ": index " +
                                                  std::to_string(hold.Index) +
                                                  " out of sequence; reading stops here"});
            break;
        }
        if (expected >= MAX_OBJECTS) {
            out.Problems.push_back({expected, "record " + std::to_string(expected) +
                                                  ": the table holds only " +
                                                  std::to_string(MAX_OBJECTS) + " records"});
            break;
        }
        float* reals[] = {&hold.PosX,  &hold.PosY,  &hold.PosZ,
                          &hold.Depth, &hold.Width, &hold.Height};
        bool complete = std::fscanf(f.get(), "%i", &hold.TexID) == 1;
        for (float* real : reals)
            complete = complete && std::fscanf(f.get(), "%f", real) == 1;
        hold.Index = expected;
        out.Records.push_back(hold);
        if (!complete) {
            out.Problems.push_back({expected, "record " + std::to_string(expected) +
                                                  " is incomplete, at " + Offending(f.get()) +
                                                  "; reading stops here"});
            break;
        }
    }
    return out;
}

bool WriteTileFile(const std::string& path, const TileGrid& grid) {
    File f = Open(path, "w");
    if (!f)
        return false;
    for (const auto& row : grid.Tiles) {
        for (int c = 0; c < MAP_COLS; ++c)
            std::fprintf(f.get(), c ? " %d" : "%d", row[c]);
        std::fputc('\n', f.get());
    }
    return std::ferror(f.get()) == 0;
}

bool WritePropFile(const std::string& path, const std::vector<PropRecord>& records) {
    File f = Open(path, "w");
    if (!f)
        return false;
    for (const PropRecord& r : records)
        std::fprintf(f.get(), "%3d %2d %7g %g %7g %5g %5g %5g\n", r.Index, r.TexID, r.PosX, r.PosY,
                     r.PosZ, r.Depth, r.Width, r.Height);
    return std::ferror(f.get()) == 0;
}
