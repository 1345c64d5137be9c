#include "platform/win32/fonts.h"

#include "platform/seam.h"
#include "platform/win32/internal.h"

#include <GL/gl.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// What a font handle stands for: one face of one file, at one size.
struct PlatformFont : PlatformGdiObject {
    PlatformFont() : PlatformGdiObject(Font) {}
    std::string file;
    int index = 0;
    FT_F26Dot6 emSize = 0; // em height in 26.6 pixels
    bool embolden = false; // bold was asked and the family has no bold face
};

// Fonts last as long as the process, as a process's GDI objects do: the game
// leaves its last font selected and releases none.
std::vector<std::unique_ptr<PlatformFont>>& Fonts() {
    static std::vector<std::unique_ptr<PlatformFont>> fonts;
    return fonts;
}

// Chancery faces in the style of the game's calligraphic face, tried in this
// order when the face asked for is not installed.
const char* const kLookAlikes[] = {"Z003", "URW Chancery L", "TeX Gyre Chorus"};

constexpr int kDefaultCellHeight = 16;

// Synthetic bold widens each stroke by this fraction of the em, and not at
// all when that is under half a pixel (26.6 units): a 1-bit glyph would only
// smudge.
constexpr int kEmboldenDivisor = 28;
constexpr FT_Pos kEmboldenMinimum = 32;

// One FreeType face with its own library, released together.
class Face {
  public:
    Face() = default;
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;
    ~Face() {
        if (face_)
            FT_Done_Face(face_);
        if (library_)
            FT_Done_FreeType(library_);
    }

    // True when the file holds a scalable face FreeType can read.
    bool Open(const std::string& file, int index) {
        if (FT_Init_FreeType(&library_) != 0) {
            library_ = nullptr;
            return false;
        }
        if (FT_New_Face(library_, file.c_str(), index, &face_) != 0) {
            face_ = nullptr;
            return false;
        }
        return FT_IS_SCALABLE(face_);
    }

    FT_Face get() const { return face_; }

  private:
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
};

struct Candidate {
    std::string file;
    int index = 0;
    bool bold = false;
};

bool FromPattern(FcPattern* font, Candidate* out) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch)
        return false;
    int index = 0;
    int weight = FC_WEIGHT_REGULAR;
    FcBool embolden = FcFalse;
    FcPatternGetInteger(font, FC_INDEX, 0, &index);
    FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
    // Fontconfig's synthetic-bold rule marks a light face matched for bold
    // with the bold weight and "embolden": that face is not bold itself.
    FcPatternGetBool(font, FC_EMBOLDEN, 0, &embolden);
    out->file = reinterpret_cast<const char*>(file);
    out->index = index;
    out->bold = weight >= FC_WEIGHT_DEMIBOLD && !embolden;
    return true;
}

FcPattern* Request(const char* family, bool bold) {
    FcPattern* request = FcPatternCreate();
    FcPatternAddString(request, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddInteger(request, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(request, FC_SLANT, FC_SLANT_ROMAN);
    FcPatternAddBool(request, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, request, FcMatchPattern);
    FcDefaultSubstitute(request);
    return request;
}

bool HasFamily(FcPattern* font, const char* family) {
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        if (FcStrCmpIgnoreCase(name, reinterpret_cast<const FcChar8*>(family)) == 0)
            return true;
    }
    return false;
}

// The installed face of exactly this family. Fontconfig answers every request
// with some face, so the family of its answer is checked.
bool FindFamily(const char* family, bool bold, Candidate* out) {
    FcPattern* request = Request(family, bold);
    FcResult result = FcResultNoMatch;
    FcPattern* font = FcFontMatch(nullptr, request, &result);
    const bool found = font && HasFamily(font, family) && FromPattern(font, out);
    if (font)
        FcPatternDestroy(font);
    FcPatternDestroy(request);
    return found;
}

// Installed faces from the closest serif to the farthest other font.
std::vector<Candidate> AnyFonts(bool bold) {
    std::vector<Candidate> candidates;
    FcPattern* request = Request("serif", bold);
    FcResult result = FcResultNoMatch;
    FcFontSet* fonts = FcFontSort(nullptr, request, FcTrue, nullptr, &result);
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        Candidate candidate;
        if (FromPattern(fonts->fonts[i], &candidate))
            candidates.push_back(candidate);
    }
    if (fonts)
        FcFontSetDestroy(fonts);
    FcPatternDestroy(request);
    return candidates;
}

// The faces to try first: the family asked for, then its look-alikes.
std::vector<Candidate> Preferred(const char* faceName, bool bold) {
    std::vector<Candidate> candidates;
    Candidate found;
    if (faceName && FindFamily(faceName, bold, &found))
        candidates.push_back(found);
    for (const char* family : kLookAlikes) {
        if (FindFamily(family, bold, &found))
            candidates.push_back(found);
    }
    return candidates;
}

// The cell height in font units: the Windows ascent plus descent where the
// face has them, as GDI measures a cell, else FreeType's ascender and
// descender.
long CellUnits(FT_Face face) {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0)
        return static_cast<long>(os2->usWinAscent) + os2->usWinDescent;
    if (face->ascender - face->descender > 0)
        return face->ascender - face->descender;
    return face->units_per_EM;
}

// One glyph as glBitmap takes it: rows from the bottom up, one bit a pixel,
// the leftmost pixel in the most significant bit. A blank glyph (a space, or
// a character the face lacks) is one unset pixel: Mesa's display lists lose
// the advance of a bitmap with no pixels at all.
struct GlyphBitmap {
    int width = 1;
    int height = 1;
    float xorig = 0.0f;
    float yorig = 0.0f;
    float advance = 0.0f;
    std::vector<GLubyte> bits = std::vector<GLubyte>(1, 0);
};

void RenderGlyph(FT_Face face, FT_ULong code, FT_Pos embolden, GlyphBitmap* glyph) {
    *glyph = GlyphBitmap();
    // glBitmap draws one bit a pixel, so the glyph is hinted and rendered for
    // a 1-bit target: cleaner strokes than cutting antialiased coverage.
    if (FT_Load_Char(face, code, FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_MONO) != 0)
        return;
    FT_GlyphSlot slot = face->glyph;
    FT_Pos advance = slot->advance.x;
    if (embolden > 0 && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        FT_Outline_EmboldenXY(&slot->outline, embolden, embolden / 2);
        advance += embolden;
    }
    glyph->advance = static_cast<float>(advance) / 64.0f;
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0 || slot->bitmap.width == 0 ||
        slot->bitmap.rows == 0 || slot->bitmap.pixel_mode != FT_PIXEL_MODE_MONO)
        return;
    const FT_Bitmap& source = slot->bitmap;
    glyph->width = static_cast<int>(source.width);
    glyph->height = static_cast<int>(source.rows);
    glyph->xorig = static_cast<float>(-slot->bitmap_left);
    glyph->yorig = static_cast<float>(glyph->height - slot->bitmap_top);
    const size_t rowBytes = (source.width + 7) / 8;
    glyph->bits.resize(rowBytes * source.rows);
    for (unsigned int row = 0; row < source.rows; ++row) {
        std::memcpy(&glyph->bits[(source.rows - 1 - row) * rowBytes],
                    source.buffer + static_cast<ptrdiff_t>(row) * source.pitch, rowBytes);
    }
}

// A font of this face, or null when FreeType cannot scale the face.
HFONT MakeFont(const Candidate& candidate, int height, bool bold) {
    Face face;
    if (!face.Open(candidate.file, candidate.index))
        return nullptr;
    const FT_F26Dot6 pixels = height == 0 ? kDefaultCellHeight : std::abs(height);
    auto font = std::make_unique<PlatformFont>();
    font->file = candidate.file;
    font->index = candidate.index;
    font->embolden = bold && !candidate.bold;
    // A cell height scales the em so that ascent plus descent fill the cell.
    font->emSize =
        height < 0 ? pixels * 64 : pixels * 64 * face.get()->units_per_EM / CellUnits(face.get());
    Fonts().push_back(std::move(font));
    return Fonts().back().get();
}

} // namespace

HFONT CreateFontA(int height, int, int, int, int weight, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD,
                  DWORD, DWORD, LPCSTR faceName) {
    if (seam::Enter("CreateFontA"))
        return nullptr;
    const bool bold = weight >= 600;
    for (const Candidate& candidate : Preferred(faceName, bold)) {
        if (HFONT font = MakeFont(candidate, height, bold))
            return font;
    }
    for (const Candidate& candidate : AnyFonts(bold)) {
        if (HFONT font = MakeFont(candidate, height, bold))
            return font;
    }
    return nullptr;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    if (seam::Enter("SelectObject") || !dc || !object)
        return nullptr;
    HGDIOBJ previous = dc->selected;
    dc->selected = object;
    return previous;
}

BOOL wglUseFontBitmapsA(HDC dc, DWORD first, DWORD count, DWORD listBase) {
    if (seam::Enter("wglUseFontBitmapsA") || !dc || !dc->selected ||
        dc->selected->kind != PlatformGdiObject::Font)
        return FALSE;
    const auto* font = static_cast<const PlatformFont*>(dc->selected);
    Face face;
    if (!face.Open(font->file, font->index) ||
        FT_Set_Char_Size(face.get(), 0, font->emSize, 72, 72) != 0)
        return FALSE;
    // Latin-1 codes are Unicode code points; a face without a Unicode map
    // keeps the map it has.
    FT_Select_Charmap(face.get(), FT_ENCODING_UNICODE);
    const FT_Pos strength = font->emSize / kEmboldenDivisor;
    const FT_Pos embolden = font->embolden && strength >= kEmboldenMinimum ? strength : 0;

    // The glyph bits are unpacked when each list is compiled: tight rows.
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
    GlyphBitmap glyph;
    for (DWORD i = 0; i < count; ++i) {
        RenderGlyph(face.get(), first + i, embolden, &glyph);
        glNewList(listBase + i, GL_COMPILE);
        glBitmap(glyph.width, glyph.height, glyph.xorig, glyph.yorig, glyph.advance, 0.0f,
                 glyph.bits.data());
        glEndList();
    }
    glPopClientAttrib();
    return TRUE;
}
