#include "platform/glpng/decode.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <utility>

namespace glpng {
namespace {

constexpr int kSignatureBytes = 8;
// Deflate never packs more than about 1032 bytes into one.
constexpr double kMaxDeflateRatio = 1032.0;

// libpng's default handlers print; missing or broken images degrade quietly.
[[noreturn]] void OnError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void OnWarning(png_structp, png_const_charp) {}

FileStamp StampFrom(const struct stat& s) {
    return {s.st_dev, s.st_ino, s.st_size, static_cast<long>(s.st_mtim.tv_sec),
            static_cast<long>(s.st_mtim.tv_nsec)};
}

// Every libpng error, and every refusal here (raised with png_error), comes
// back to the setjmp below. Nothing in this frame has a destructor or is
// read after the jump; what it allocates belongs to `image`, owned by the caller.
bool Decode(FILE* file, long fileSize, SizeCheck accepts, Image* image) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }

    png_init_io(png, file);
    png_set_sig_bytes(png, kSignatureBytes);
    png_read_info(png, info);
    png_uint_32 width = 0, height = 0;
    int depth = 0, colour = 0;
    png_get_IHDR(png, info, &width, &height, &depth, &colour, nullptr, nullptr, nullptr);

    // A header claiming more rows than the file could hold is refused before
    // their buffer is allocated.
    if (static_cast<double>(png_get_rowbytes(png, info)) * height >
        static_cast<double>(fileSize) * kMaxDeflateRatio)
        png_error(png, "image data too short");

    // Everything becomes 8-bit RGB, or RGBA when the file has alpha or tRNS.
    // No gamma correction: texels keep the file's values.
    if (colour == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(png);
    if (colour == PNG_COLOR_TYPE_GRAY && depth < 8)
        png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS))
        png_set_tRNS_to_alpha(png);
    if (depth == 16)
        png_set_scale_16(png);
    if (colour == PNG_COLOR_TYPE_GRAY || colour == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);

    const int channels = png_get_channels(png, info);
    if ((channels != 3 && channels != 4) || !accepts(width, height, channels))
        png_error(png, "image size not accepted");

    const size_t rowBytes = png_get_rowbytes(png, info);
    image->pixels = static_cast<png_bytep>(std::malloc(rowBytes * height));
    image->rows = static_cast<png_bytepp>(std::malloc(sizeof(png_bytep) * height));
    if (!image->pixels || !image->rows)
        png_error(png, "out of memory");
    for (png_uint_32 y = 0; y < height; ++y)
        image->rows[y] = image->pixels + rowBytes * y;
    png_read_image(png, image->rows);
    png_read_end(png, nullptr);

    image->width = width;
    image->height = height;
    image->fileDepth = depth;
    image->channels = channels;
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

} // namespace

Image& Image::operator=(Image&& other) noexcept {
    std::swap(width, other.width);
    std::swap(height, other.height);
    std::swap(fileDepth, other.fileDepth);
    std::swap(channels, other.channels);
    std::swap(pixels, other.pixels);
    std::swap(rows, other.rows);
    std::swap(stamp, other.stamp);
    return *this;
}

Image::~Image() {
    std::free(rows);
    std::free(pixels);
}

bool StampOf(const char* filename, FileStamp* stamp) {
    struct stat s {};
    if (stat(filename, &s) != 0)
        return false;
    *stamp = StampFrom(s);
    return true;
}

bool ReadPng(const char* filename, SizeCheck accepts, Image* image) {
    FILE* file = std::fopen(filename, "rb");
    if (!file)
        return false;
    png_byte signature[kSignatureBytes];
    long fileSize = -1;
    struct stat s {};
    const bool stamped = fstat(fileno(file), &s) == 0;
    if (std::fseek(file, 0, SEEK_END) == 0)
        fileSize = std::ftell(file);
    const bool isPng = stamped && fileSize >= kSignatureBytes &&
                       std::fseek(file, 0, SEEK_SET) == 0 &&
                       std::fread(signature, 1, kSignatureBytes, file) == kSignatureBytes &&
                       png_sig_cmp(signature, 0, kSignatureBytes) == 0;
    Image decoded;
    const bool ok = isPng && Decode(file, fileSize, accepts, &decoded);
    std::fclose(file);
    if (!ok)
        return false;
    decoded.stamp = StampFrom(s);
    *image = std::move(decoded);
    return true;
}

} // namespace glpng
