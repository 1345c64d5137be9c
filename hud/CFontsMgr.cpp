#include "hud/CFontsMgr.h"

#include "platform/win32/fonts.h"
#include "shell/main.h"

#include <GL/gl.h>
#include <cstring>

namespace {

constexpr int FIRST_CHAR = 32;
constexpr int CHAR_COUNT = 96;

bool Printable(unsigned char c) {
    return c >= FIRST_CHAR && c < FIRST_CHAR + CHAR_COUNT;
}

} // namespace

CFontsMgr::CFontsMgr() : listBase{0, 0, 0} {}

CFontsMgr::~CFontsMgr() {
    CleanUp();
}

void CFontsMgr::InitFonts() {
    listBase[0] = CreateBitmapFont("Monotype Corsiva", 35);
    listBase[1] = CreateBitmapFont("Monotype Corsiva", 23);
    listBase[2] = CreateBitmapFont("Monotype Corsiva", 12);
}

unsigned int CFontsMgr::CreateBitmapFont(const char* fontName, int fontSize) {
    const unsigned int base = glGenLists(CHAR_COUNT);
    HFONT font =
        CreateFontA(fontSize, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_PRECIS,
                    CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, fontName);
    if (!font)
        return 0;
    SelectObject(Main.GetHDC(), font);
    wglUseFontBitmapsA(Main.GetHDC(), FIRST_CHAR, CHAR_COUNT, base);
    return base;
}

void CFontsMgr::PrintString(unsigned int base, const char* str) {
    if (base == 0 || !str)
        return;
    glPushAttrib(GL_LIST_BIT);
    glListBase(base - FIRST_CHAR);
    // Bytes outside 32..127 have no list in this block (their lists would be
    // another font's glyphs): each run of printable bytes is one call, so a
    // plain string is one glCallLists.
    const auto* text = reinterpret_cast<const unsigned char*>(str);
    const size_t length = std::strlen(str);
    size_t start = 0;
    while (start < length) {
        size_t end = start;
        while (end < length && Printable(text[end]))
            ++end;
        if (end > start)
            glCallLists(static_cast<GLsizei>(end - start), GL_UNSIGNED_BYTE, text + start);
        start = end;
        while (start < length && !Printable(text[start]))
            ++start;
    }
    glPopAttrib();
}

unsigned int CFontsMgr::GetlistBase(int number) const {
    return listBase[number];
}

void CFontsMgr::CleanUp() {
    for (unsigned int base : listBase) {
        if (base != 0)
            glDeleteLists(base, CHAR_COUNT);
    }
}
