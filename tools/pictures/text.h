// Lettering for signs and title blocks, set with FreeType from the URW base 35 faces
// (Debian package fonts-urw-base35). Sizes are em heights in design units; glyphs keep their
// proportions in design space on canvases whose pixels are not square.
#pragma once

#include "canvas.h"

#include <string>

enum class Face { Sans, Bookman, Gothic, Chancery, Serif, SerifItalic };

struct TextStyle {
    Face face = Face::Sans;
    double size = 1.0;     // em height in design units
    double tracking = 0.0; // extra space between letters, in em
};

// Ink extent of a line of text set with its origin at (0, 0), baseline at y = 0, y down.
Box textInk(const Canvas& canvas, const TextStyle& style, const std::string& text);

// Coverage of a line of text whose baseline starts at (x, y).
Mask textMask(const Canvas& canvas, const TextStyle& style, double x, double y,
              const std::string& text);

// Coverage of a line of text scaled down (never up) from the style's size until its ink fits
// the box, then centred in it.
Mask textInBox(const Canvas& canvas, TextStyle style, const std::string& text, Box box);

// Draws text fitted in a box with an optional outline (outline width in design units).
void drawText(Canvas& canvas, const TextStyle& style, const std::string& text, Box box, Rgba colour,
              Rgba outline = {}, double outlineWidth = 0.0);
