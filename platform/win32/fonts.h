// The GDI font services the game uses to build its bitmap fonts: create a
// font by face name and cell height, select it into the window's device
// context, and turn its glyphs into GL display lists. Implemented over
// fontconfig (face lookup) and FreeType (glyph rendering).
#pragma once

#include "platform/win32/win32.h"

// Font weights.
enum : int { FW_NORMAL = 400, FW_BOLD = 700 };

// Character sets, precisions, qualities.
enum : DWORD { ANSI_CHARSET = 0 };
enum : DWORD { OUT_TT_PRECIS = 4 };
enum : DWORD { CLIP_DEFAULT_PRECIS = 0 };
enum : DWORD { ANTIALIASED_QUALITY = 4 };
enum : DWORD { DEFAULT_PITCH = 0 };

// A font of the face `faceName`, or of the closest installed look-alike when
// that face is missing. A positive `height` is the cell height in pixels
// (ascent plus descent), a negative one the em height, 0 a default size.
// A weight of 600 or more asks for bold. NULL only when no usable font is
// installed at all. Width, escapement, orientation, underline, strike-out,
// character set, precisions, quality and pitch are accepted and not used:
// glyphs are always upright, unstyled and of their natural width.
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCSTR faceName);

// Makes `object` the device context's current object and returns the one it
// replaces (NULL if none). A selected font is what wglUseFontBitmapsA reads.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);

// Fills the display lists listBase .. listBase + count - 1 with the glyphs of
// character codes first .. first + count - 1 (taken as Latin-1) of the font
// selected in `dc`. Each list draws the glyph with glBitmap, its origin on
// the baseline at the current raster position, in the colour latched by
// glRasterPos, and advances the raster position by the glyph's advance
// width. Needs a current GL context; FALSE (lists untouched) when no font is
// selected or the font cannot be read.
BOOL wglUseFontBitmapsA(HDC dc, DWORD first, DWORD count, DWORD listBase);
