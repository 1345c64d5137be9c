// The game's desktop icon: the ball's surface picture wrapped on a lit sphere, seen as a disc.
#pragma once

#include <cstdint>
#include <vector>

struct IconPicture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba; // 4 bytes a pixel, rows top to bottom
};

// Paints a size x size picture, transparent around the disc. An empty texture gives the
// ball a plain colour, so an icon can be made before the game's pictures exist.
IconPicture PaintBallIcon(const IconPicture& texture, int size);
