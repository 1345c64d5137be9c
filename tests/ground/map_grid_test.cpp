// The tile file: 7000 "%i" values in row order, read one conversion per entry.
#include "ground/ground.h"
#include "tests/kit/kit.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <utility>
#include <vector>

namespace {

using Grid = int[MAP_ROWS][MAP_COLS];
constexpr int kEntries = MAP_ROWS * MAP_COLS;

std::string Repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

struct TileFileCase {
    const char* name;
    std::string content;
    // Expected values of the first entries in row order; every later entry is 0.
    std::vector<int> leading;
};

const TileFileCase kCases[] = {
    {"empty file", "", {}},
    {"seven thousand zeros", Repeat("0 ", kEntries), {}},
    {"fewer values than entries", "1 2 3", {1, 2, 3}},
    {"any white space separates", " \t1\n\n2\r\n\v3\f4", {1, 2, 3, 4}},
    {"leading zero is octal, so 08 is two values", "08 5", {0, 8, 5}},
    {"octal ten", "010 7", {8, 7}},
    {"hexadecimal", "0x5 0X1f 0xff", {5, 31, 255}},
    {"signs", "-3 +4 -0x10", {-3, 4, -16}},
    {"a fraction stops the reading at its point", "1.5 7", {1}},
    {"a letter stops the reading", "4 4 x 4", {4, 4}},
    {"0x without digits reads 0 and then stops", "0xg 3", {0}},
    {"a lone sign is consumed and the next value still reads", "- 3", {0, 3}},
    {"a control byte that is no white space stops the reading", "6\x01 7", {6}},
    {"high bytes stop the reading", "2 \xff\xfe 3", {2}},
    {"a nul byte stops the reading", std::string("5 \0 6", 5), {5}},
    // The C library keeps the low 32 bits of a value too big for an entry.
    {"a number too big for an entry is consumed whole",
     "99999999999 4 4294967297",
     {1215752191, 4, 1}},
    {"values after the last entry are ignored", Repeat("1 ", kEntries) + "2 2 2",
     std::vector<int>(kEntries, 1)},
};

void PrintTo(const TileFileCase& c, std::ostream* out) {
    *out << c.name;
}

class TileFile : public ::testing::TestWithParam<TileFileCase> {};

TEST_P(TileFile, GivesTheGrid) {
    const TileFileCase& c = GetParam();
    const std::string path = kit::TempDir() + "/MapTex.txt";
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(c.content.data(), 1, c.content.size(), file);
    std::fclose(file);

    static Grid grid;
    for (auto& row : grid)
        for (int& entry : row)
            entry = 77; // every entry must be cleared first
    LoadMapGrid(grid, path.c_str());

    for (int k = 0; k < kEntries; ++k) {
        const int expected = k < static_cast<int>(c.leading.size()) ? c.leading[k] : 0;
        ASSERT_EQ(grid[k / MAP_COLS][k % MAP_COLS], expected) << "entry " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, TileFile, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<TileFileCase>& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

TEST(TileFileLayout, ValueKGoesToRowKDiv100ColumnKMod100) {
    std::string content;
    for (int k = 0; k < kEntries; ++k)
        content += std::to_string(k) + (k % MAP_COLS == MAP_COLS - 1 ? "\n" : " ");
    const std::string path = kit::TempDir() + "/MapTex.txt";
    FILE* file = std::fopen(path.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fputs(content.c_str(), file);
    std::fclose(file);

    static Grid grid;
    LoadMapGrid(grid, path.c_str());
    EXPECT_EQ(grid[0][0], 0);
    EXPECT_EQ(grid[0][99], 99);
    EXPECT_EQ(grid[1][0], 100);
    EXPECT_EQ(grid[35][27], 3527);
    EXPECT_EQ(grid[69][99], 6999);
}

TEST(TileFileLayout, MissingFileGivesAllGrass) {
    static Grid grid;
    for (auto& row : grid)
        for (int& entry : row)
            entry = 77;
    LoadMapGrid(grid, (kit::TempDir() + "/none.txt").c_str());
    for (auto& row : grid)
        for (int entry : row)
            ASSERT_EQ(entry, 0);
}

} // namespace
