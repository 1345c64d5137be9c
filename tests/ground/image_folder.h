// A Data folder of small fixture images, laid out as the game reads it.
#pragma once

#include <array>
#include <string>
#include <vector>

struct ImageFile {
    std::string path; // below Data/Images
    std::array<int, 3> colour;
};

// Every image the catalogue loads, each a one-colour picture of its own colour.
std::vector<ImageFile> CatalogueImages();

// The nine ground tile images, in tile order 0..8.
std::vector<ImageFile> MapTileImages();

// Writes the images below root/Data/Images; false when a file cannot be written.
bool WriteImages(const std::string& root, const std::vector<ImageFile>& images);
