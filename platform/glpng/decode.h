// PNG decoding for the texture loader, shared by pngBind and the decoder that
// works ahead of it.
#pragma once

#include <png.h>

#include <sys/types.h>

namespace glpng {

// Which file, as it stood when it was read: a later read of the same name
// gives the same pixels only if all of this still holds.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long mtimeSec = 0;
    long mtimeNsec = 0;
    bool operator==(const FileStamp& o) const {
        return device == o.device && inode == o.inode && size == o.size && mtimeSec == o.mtimeSec &&
               mtimeNsec == o.mtimeNsec;
    }
};

// The stamp of the file now; false when it cannot be read.
bool StampOf(const char* filename, FileStamp* stamp);

// Decoded image: 8-bit RGB or RGBA, rows tightly packed, top row first.
struct Image {
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int fileDepth = 0;
    int channels = 0;
    png_bytep pixels = nullptr;
    png_bytepp rows = nullptr;
    FileStamp stamp;

    Image() = default;
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;
    Image& operator=(Image&& other) noexcept;
    ~Image();
};

// Whether an image of this size and channel count may be decoded; checked
// before its pixels are allocated.
using SizeCheck = bool (*)(png_uint_32 width, png_uint_32 height, int channels);

// Reads and decodes a PNG file; false (and nothing kept) when it is missing,
// is not a PNG, is damaged, or `accepts` refuses its size.
bool ReadPng(const char* filename, SizeCheck accepts, Image* image);

} // namespace glpng
