// Bitmap fonts: system fonts turned into GL display lists, one list per
// printable character, and strings printed with them.
#pragma once

class CFontsMgr {
  public:
    CFontsMgr();
    ~CFontsMgr();

    // Makes the game's three fonts (numbers 0, 1 and 2).
    void InitFonts();
    // The base of a new block of 96 lists for characters 32 to 127 of the
    // face at this cell height, or 0 when the font cannot be created.
    unsigned int CreateBitmapFont(const char* fontName, int fontSize);
    // Draws `str` at the current raster position in the raster colour.
    void PrintString(unsigned int base, const char* str);
    unsigned int GetlistBase(int number) const;
    void CleanUp();

    unsigned int listBase[3];
};
