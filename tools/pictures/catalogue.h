// Every picture of the game: where it goes under the Data folder, its size, the design space it
// is drawn in, whether it has see-through parts, and the function that paints it.
#pragma once

#include "canvas.h"

#include <functional>
#include <vector>

enum class Kind {
    Opaque,    // walls, ground tiles, ball surfaces and letter blocks: every texel alpha 255
    SeeThrough // props with an outline: transparent around the shape
};

struct Picture {
    const char* path; // below the Data folder, e.g. "Images/Map/Grass.png"
    int width, height;
    double unitsWide, unitsHigh; // the design space; also the prop's intended proportions
    Kind kind;
    std::function<void(Canvas&)> paint;
};

const std::vector<Picture>& catalogue();
