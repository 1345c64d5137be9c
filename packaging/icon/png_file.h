// PNG files for the icon tool, through libpng's simplified interface.
#pragma once

#include "icon.h"

#include <string>

// Reads any PNG as 8-bit RGBA. Returns false when the file is missing or not a PNG.
bool ReadPng(const std::string& path, IconPicture& picture);

// Writes 8-bit RGBA. Returns false on failure.
bool WritePng(const std::string& path, const IconPicture& picture);
