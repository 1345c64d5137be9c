#include "platform/glpng/glpng.h"

#include "platform/seam.h"

#include <GL/gl.h>
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kSignatureBytes = 8;
// Deflate never packs more than about 1032 bytes into one.
constexpr double kMaxDeflateRatio = 1032.0;

// Decoded image: 8-bit RGB or RGBA, rows tightly packed, top row first.
struct Image {
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int fileDepth = 0;
    int channels = 0;
    png_bytep pixels = nullptr;
    png_bytepp rows = nullptr;

    ~Image() {
        std::free(rows);
        std::free(pixels);
    }
};

// libpng's default handlers print; missing or broken images degrade quietly.
[[noreturn]] void OnError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void OnWarning(png_structp, png_const_charp) {}

GLenum InternalFormat(int channels) {
    return channels == 4 ? GL_RGBA8 : GL_RGB8;
}
GLenum PixelFormat(int channels) {
    return channels == 4 ? GL_RGBA : GL_RGB;
}

// True when the GL can hold a level-0 texture of this size and format.
bool GlAccepts(png_uint_32 width, png_uint_32 height, int channels) {
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    if (maxSize <= 0 || width > static_cast<png_uint_32>(maxSize) ||
        height > static_cast<png_uint_32>(maxSize))
        return false;
    glTexImage2D(GL_PROXY_TEXTURE_2D, 0, InternalFormat(channels), static_cast<GLsizei>(width),
                 static_cast<GLsizei>(height), 0, PixelFormat(channels), GL_UNSIGNED_BYTE, nullptr);
    GLint proxyWidth = 0;
    glGetTexLevelParameteriv(GL_PROXY_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &proxyWidth);
    return proxyWidth != 0;
}

// Every libpng error, and every refusal here (raised with png_error), comes
// back to the setjmp below. Nothing in this frame has a destructor or is
// read after the jump; what it allocates belongs to `image`, owned by the caller.
bool Decode(FILE* file, long fileSize, Image* image) {
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
    if ((channels != 3 && channels != 4) || !GlAccepts(width, height, channels))
        png_error(png, "image not accepted by the GL");

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

bool ReadPng(const char* filename, Image* image) {
    FILE* file = std::fopen(filename, "rb");
    if (!file)
        return false;
    png_byte signature[kSignatureBytes];
    long fileSize = -1;
    if (std::fseek(file, 0, SEEK_END) == 0)
        fileSize = std::ftell(file);
    const bool isPng = fileSize >= kSignatureBytes && std::fseek(file, 0, SEEK_SET) == 0 &&
                       std::fread(signature, 1, kSignatureBytes, file) == kSignatureBytes &&
                       png_sig_cmp(signature, 0, kSignatureBytes) == 0;
    const bool decoded = isPng && Decode(file, fileSize, image);
    std::fclose(file);
    return decoded;
}

// A new texture object holding the image, or 0 (and no object) when the GL
// refuses the parameters or the upload.
GLuint Upload(const Image& image, int wrapst, int minfilter, int magfilter) {
    // The GL keeps at most one flag per error kind; clear them so that only
    // this upload's errors are seen below.
    for (int i = 0; i < 8 && glGetError() != GL_NO_ERROR; ++i) {
    }
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);

    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrapst);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrapst);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minfilter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magfilter);
    // Rows are tightly packed: an RGB row of odd width is not 4-byte aligned.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, InternalFormat(image.channels),
                 static_cast<GLsizei>(image.width), static_cast<GLsizei>(image.height), 0,
                 PixelFormat(image.channels), GL_UNSIGNED_BYTE, image.pixels);
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);

    if (glGetError() != GL_NO_ERROR) {
        glDeleteTextures(1, &texture);
        return 0;
    }
    return texture;
}

} // namespace

unsigned int pngBind(const char* filename, int mipmap, int trans, pngInfo* info, int wrapst,
                     int minfilter, int magfilter) {
    if (info)
        *info = pngInfo{};
    if (seam::Enter("pngBind") || !filename || mipmap != PNG_NOMIPMAP || trans != PNG_ALPHA)
        return 0;
    Image image;
    if (!ReadPng(filename, &image))
        return 0;
    const GLuint texture = Upload(image, wrapst, minfilter, magfilter);
    if (texture && info)
        *info = {image.width, image.height, static_cast<unsigned int>(image.fileDepth),
                 image.channels == 4 ? 8u : 0u};
    return texture;
}
