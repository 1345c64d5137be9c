// The tile file through the start-up's reading, LoadMapGrid, and every ground
// tile's texture lookup.
#include "tests/fuzz/fuzz_support.h"

#include "ground/CTextureMgr.h"
#include "ground/ground.h"
#include "shell/main.h"

#include <cctype>
#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const char* const kTileFile = "./Data//Map//MapTex.txt";

// The values of a text made only of plain decimal numbers (no sign, no
// leading zero, within int) between white space; false for any other text.
bool PlainNumbers(const uint8_t* data, size_t size, std::vector<long>& values) {
    std::string token;
    for (size_t i = 0; i <= size; ++i) {
        const int c = i < size ? data[i] : ' ';
        if (std::isdigit(c)) {
            token += static_cast<char>(c);
            continue;
        }
        if (!std::isspace(c))
            return false;
        if (token.empty())
            continue;
        if ((token.size() > 1 && token[0] == '0') || token.size() > 10)
            return false;
        const long value = std::strtol(token.c_str(), nullptr, 10);
        if (value > INT_MAX)
            return false;
        values.push_back(value);
        token.clear();
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::EnterTempDir();
    fuzz::MakeDirs("Data/Map");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::WriteFile(kTileFile, data, size);
    for (auto& row : Main.MapGrid)
        for (int& entry : row)
            entry = 0x5A5A5A5A;
    LoadMapGrid(Main.MapGrid, kTileFile);

    // Plain numbers fill the grid in row order; entries past them stay 0.
    std::vector<long> values;
    if (PlainNumbers(data, size, values)) {
        for (int k = 0; k < MAP_ROWS * MAP_COLS; ++k) {
            const long expected = k < static_cast<int>(values.size()) ? values[k] : 0;
            FUZZ_CHECK(Main.MapGrid[k / MAP_COLS][k % MAP_COLS] == expected);
        }
    }
    // No texture is loaded here, so every tile, whatever its number, has none.
    for (const auto& row : Main.MapGrid)
        for (int entry : row)
            FUZZ_CHECK(TextureMgr->GetMapTex(entry) == 0);
    return 0;
}
