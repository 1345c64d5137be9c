// Writing and reading PNG files with libpng.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Image {
    int width = 0, height = 0;
    bool hasAlpha = false;     // the file carries an alpha channel
    std::vector<uint8_t> rgba; // always 4 bytes a pixel, rows top to bottom
    uint8_t alpha(int x, int y) const { return rgba[(size_t(y) * width + x) * 4 + 3]; }
    const uint8_t* at(int x, int y) const { return &rgba[(size_t(y) * width + x) * 4]; }
};

// Writes 8-bit RGB or RGBA rows with the strongest compression and no time stamp, so the same
// pixels always give the same bytes. Returns false on failure.
bool writePng(const std::string& path, int width, int height, bool withAlpha,
              const std::vector<uint8_t>& pixels);

// Reads any PNG as 8-bit RGBA. Returns false when the file is missing or not a valid PNG.
bool readPng(const std::string& path, Image& image);
