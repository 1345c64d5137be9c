// What the game's pictures must satisfy, as checks that report each problem found.
#pragma once

#include "catalogue.h"
#include "png_io.h"

#include <string>
#include <vector>

bool isPowerOfTwo(int n);

// Problems of one picture file against its catalogue entry: size, and alpha by kind. An opaque
// picture has no texel below alpha 255; a see-through one has clear texels, solid texels, and
// only a thin rim of partial alpha.
std::vector<std::string> checkPicture(const Picture& entry, const Image& image);

// How well two edges of tiles join when laid side by side: the mean colour step across the
// seam divided by the mean step between neighbouring texels inside the tiles. About 1 means
// the seam is as smooth as the picture itself.
enum class Side { Top, Bottom, Left, Right };
double seamRatio(const Image& a, Side sideOfA, const Image& b, Side sideOfB);

struct Seam {
    const char* a;
    Side sideA;
    const char* b;
    Side sideB;
};
// The tile edges that the town lays side by side and that must join.
const std::vector<Seam>& tileSeams();
