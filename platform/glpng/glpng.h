// PNG files into OpenGL textures.
#pragma once

// Mipmap argument: load level 0 only.
constexpr int PNG_NOMIPMAP = 0;
// Transparency argument: the texture's alpha comes from the file's own alpha
// (tRNS included); a file without alpha gives an opaque texture.
constexpr int PNG_ALPHA = -2;

// What the last successful load read: the image size, the file's bits per
// channel and the bits of alpha in the texture (8, or 0 for an opaque one).
// All zero after a failed load.
struct pngInfo {
    unsigned int Width;
    unsigned int Height;
    unsigned int Depth;
    unsigned int Alpha;
};

// Loads the file into a new texture object with the given wrap mode (for s
// and t) and filters, and returns its name; 0 when the file is missing, cannot
// be decoded, is larger than the GL accepts, or the GL refuses the upload or
// one of the parameters. The image's top row is t = 0. Other mipmap and
// transparency modes than the two above are refused. Needs a current GL
// context; leaves the new texture bound when it succeeds. Tests can make one
// call fail with seam::FailNextCall("pngBind").
unsigned int pngBind(const char* filename, int mipmap, int trans, pngInfo* info, int wrapst,
                     int minfilter, int magfilter);

// Starts decoding these files on a background thread, so that the pngBind
// calls that later load them, in any order, mostly only upload. What they
// load is the same as without it: a file changed since it was read is read
// again. A new list replaces the untaken rest of an earlier one. Needs no GL
// context.
void pngDecodeAhead(const char* const* filenames, int count);
