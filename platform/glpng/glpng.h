// PNG files into OpenGL textures.
#pragma once

// Mipmap argument: load level 0 only.
constexpr int PNG_NOMIPMAP = 0;
// Transparency argument: the texture's alpha comes from the file's own alpha
// (tRNS included); a file without alpha gives an opaque texture.
constexpr int PNG_ALPHA = -2;

struct pngInfo {
    unsigned int Width;
    unsigned int Height;
    unsigned int Depth;
    unsigned int Alpha;
};

// Loads the file into a new texture object with the given wrap mode (for s
// and t) and filters, and returns its name; 0 when the file is missing or
// cannot be decoded. Needs a current GL context.
unsigned int pngBind(const char* filename, int mipmap, int trans, pngInfo* info, int wrapst,
                     int minfilter, int magfilter);
