#include "text.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BBOX_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

const char* faceFile(Face face) {
    switch (face) {
    case Face::Sans:
        return "NimbusSans-Bold.otf";
    case Face::Bookman:
        return "URWBookman-Demi.otf";
    case Face::Gothic:
        return "URWGothic-Demi.otf";
    case Face::Chancery:
        return "Z003-MediumItalic.otf";
    case Face::Serif:
        return "C059-Bold.otf";
    case Face::SerifItalic:
        return "C059-BdIta.otf";
    }
    return "";
}

FT_Library library() {
    static FT_Library lib = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l)) {
            std::fprintf(stderr, "FreeType could not be initialised\n");
            std::exit(2);
        }
        return l;
    }();
    return lib;
}

FT_Face faceFor(Face face) {
    static std::map<Face, FT_Face> faces;
    auto it = faces.find(face);
    if (it != faces.end())
        return it->second;
    std::string file = std::string("/usr/share/fonts/opentype/urw-base35/") + faceFile(face);
    FT_Face f = nullptr;
    if (FT_New_Face(library(), file.c_str(), 0, &f)) {
        std::fprintf(stderr, "font %s is missing (install fonts-urw-base35)\n", file.c_str());
        std::exit(2);
    }
    faces[face] = f;
    return f;
}

constexpr FT_Int32 kLoadFlags = FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP;

// Calls visit(slot) for each glyph with its outline already moved to the pen position, in pixel
// space relative to the text origin (y up, as FreeType has it).
template <class Visit>
void layOut(const Canvas& canvas, const TextStyle& style, const std::string& text, double fracX,
            double fracY, Visit visit) {
    FT_Face face = faceFor(style.face);
    double emX = style.size * canvas.pixelsPerUnitX(), emY = style.size * canvas.pixelsPerUnitY();
    FT_Set_Char_Size(face, FT_F26Dot6(std::lround(emX * 64)), FT_F26Dot6(std::lround(emY * 64)), 72,
                     72);
    double pen = fracX;
    for (unsigned char ch : text) {
        FT_UInt glyph = FT_Get_Char_Index(face, ch);
        if (FT_Load_Glyph(face, glyph, kLoadFlags))
            continue;
        FT_Outline_Translate(&face->glyph->outline, FT_Pos(std::lround(pen * 64)),
                             FT_Pos(std::lround(-fracY * 64)));
        visit(face->glyph);
        pen += face->glyph->advance.x / 64.0 + style.tracking * emX;
    }
}

} // namespace

Box textInk(const Canvas& canvas, const TextStyle& style, const std::string& text) {
    Box ink{1e30, 1e30, -1e30, -1e30};
    layOut(canvas, style, text, 0.0, 0.0, [&](FT_GlyphSlot slot) {
        FT_BBox b;
        FT_Outline_Get_BBox(&slot->outline, &b);
        if (b.xMin >= b.xMax)
            return;
        ink.x0 = std::min(ink.x0, b.xMin / 64.0);
        ink.x1 = std::max(ink.x1, b.xMax / 64.0);
        ink.y0 = std::min(ink.y0, -b.yMax / 64.0);
        ink.y1 = std::max(ink.y1, -b.yMin / 64.0);
    });
    if (ink.x0 > ink.x1)
        return {0, 0, 0, 0};
    double kx = canvas.pixelsPerUnitX(), ky = canvas.pixelsPerUnitY();
    return {ink.x0 / kx, ink.y0 / ky, ink.x1 / kx, ink.y1 / ky};
}

Mask textMask(const Canvas& canvas, const TextStyle& style, double x, double y,
              const std::string& text) {
    Mask mask(canvas.width(), canvas.height());
    double px = x * canvas.pixelsPerUnitX(), py = y * canvas.pixelsPerUnitY();
    int ix = int(std::floor(px)), iy = int(std::floor(py));
    layOut(canvas, style, text, px - ix, py - iy, [&](FT_GlyphSlot slot) {
        if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL))
            return;
        const FT_Bitmap& bm = slot->bitmap;
        for (unsigned row = 0; row < bm.rows; ++row)
            for (unsigned col = 0; col < bm.width; ++col) {
                int cx = ix + slot->bitmap_left + int(col);
                int cy = iy - slot->bitmap_top + int(row);
                if (cx < 0 || cy < 0 || cx >= mask.width || cy >= mask.height)
                    continue;
                float v = bm.buffer[row * bm.pitch + col] / 255.0f;
                if (v > 0)
                    mask.set(cx, cy, std::min(1.0f, mask.at(cx, cy) + v));
            }
    });
    return mask;
}

Mask textInBox(const Canvas& canvas, TextStyle style, const std::string& text, Box box) {
    Box ink = textInk(canvas, style, text);
    double w = ink.x1 - ink.x0, h = ink.y1 - ink.y0;
    double fit = 1.0;
    if (w > 0)
        fit = std::min(fit, (box.x1 - box.x0) / w);
    if (h > 0)
        fit = std::min(fit, (box.y1 - box.y0) / h);
    style.size *= fit;
    ink = {ink.x0 * fit, ink.y0 * fit, ink.x1 * fit, ink.y1 * fit};
    double x = (box.x0 + box.x1) / 2 - (ink.x0 + ink.x1) / 2;
    double y = (box.y0 + box.y1) / 2 - (ink.y0 + ink.y1) / 2;
    return textMask(canvas, style, x, y, text);
}

void drawText(Canvas& canvas, const TextStyle& style, const std::string& text, Box box, Rgba colour,
              Rgba outline, double outlineWidth) {
    Mask mask = textInBox(canvas, style, text, box);
    if (outlineWidth > 0)
        canvas.fillMask(mask.dilated(outlineWidth * canvas.pixelsPerUnitX(),
                                     outlineWidth * canvas.pixelsPerUnitY()),
                        outline);
    canvas.fillMask(mask, colour);
}
