// Writes PNG fixtures of any colour type, bit depth and interlace with libpng.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PngFixture {
    int width = 1;
    int height = 1;
    int colourType = 2; // a libpng PNG_COLOR_TYPE_* value
    int bitDepth = 8;
    bool interlaced = false;
    // One value per channel per pixel, top row first; palette images hold
    // palette indices. Values use the full range of the bit depth.
    std::vector<uint16_t> samples;
    std::vector<uint8_t> palette; // RGB triples
    // tRNS: alpha per palette entry, or one grey value / one RGB triple that
    // stands for transparent.
    std::vector<uint16_t> transparency;
};

// Writes the fixture; false when libpng refuses it.
bool WritePng(const std::string& path, const PngFixture& png);

// A one-colour 8-bit RGB image.
PngFixture SolidRgb(int width, int height, uint8_t r, uint8_t g, uint8_t b);

std::vector<uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
