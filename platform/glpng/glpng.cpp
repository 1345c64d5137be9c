#include "platform/glpng/glpng.h"

#include "platform/glpng/decode.h"
#include "platform/glpng/decode_ahead.h"
#include "platform/seam.h"

#include <GL/gl.h>

namespace {

using glpng::Image;

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
    if (glpng::TakeDecodedAhead(filename, &image)) {
        if (!GlAccepts(image.width, image.height, image.channels))
            return 0;
    } else if (!glpng::ReadPng(filename, GlAccepts, &image)) {
        return 0;
    }
    const GLuint texture = Upload(image, wrapst, minfilter, magfilter);
    if (texture && info)
        *info = {image.width, image.height, static_cast<unsigned int>(image.fileDepth),
                 image.channels == 4 ? 8u : 0u};
    return texture;
}
