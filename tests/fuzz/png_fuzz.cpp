// PNG files through the texture loader, pngBind, from the file's bytes to a
// texture object in a real GL context (a small hidden window on DISPLAY).
#include "tests/fuzz/fuzz_support.h"

#include "platform/glpng/glpng.h"
#include "tests/ground/gl_context.h"

#include <GL/gl.h>
#include <zlib.h>

#include <cstring>

namespace {

const char* const kImage = "image.png";
constexpr size_t kSignatureSize = 8;

uint32_t ReadBig32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
           static_cast<uint32_t>(p[2]) << 8 | p[3];
}

void WriteBig32(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v >> 24);
    p[1] = static_cast<uint8_t>(v >> 16);
    p[2] = static_cast<uint8_t>(v >> 8);
    p[3] = static_cast<uint8_t>(v);
}

// Gives every whole chunk its correct CRC, so that mutations reach the
// decoder instead of stopping at libpng's checksum test.
void FixChunkCrcs(uint8_t* data, size_t size) {
    size_t at = kSignatureSize;
    while (at + 12 <= size) {
        const uint32_t length = ReadBig32(data + at);
        if (length > size - at - 12)
            return;
        const uint8_t* typeAndData = data + at + 4;
        const uLong crc = crc32(0L, typeAndData, static_cast<uInt>(length + 4));
        WriteBig32(data + at + 8 + length, static_cast<uint32_t>(crc));
        at += 12 + length;
    }
}

} // namespace

// Given by libFuzzer; the replay build never mutates.
extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize)
    __attribute__((weak));

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize,
                                          unsigned int) {
    size = LLVMFuzzerMutate(data, size, maxSize);
    FixChunkCrcs(data, size);
    return size;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static GlContext context;
    FUZZ_CHECK(context.Ready()); // needs DISPLAY with a GL-capable X server
    fuzz::EnterTempDir();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::WriteFile(kImage, data, size);
    pngInfo info;
    std::memset(&info, 0xA5, sizeof info);
    const GLuint texture =
        pngBind(kImage, PNG_NOMIPMAP, PNG_ALPHA, &info, GL_CLAMP, GL_NEAREST, GL_NEAREST);
    if (!texture) {
        FUZZ_CHECK(info.Width == 0 && info.Height == 0 && info.Depth == 0 && info.Alpha == 0);
        return 0;
    }
    // A texture comes with the size and format it reports, bound and complete.
    FUZZ_CHECK(info.Width > 0 && info.Height > 0);
    FUZZ_CHECK(info.Alpha == 0 || info.Alpha == 8);
    GLint bound = 0, width = 0, height = 0, alphaBits = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_ALPHA_SIZE, &alphaBits);
    FUZZ_CHECK(static_cast<GLuint>(bound) == texture);
    FUZZ_CHECK(static_cast<unsigned>(width) == info.Width);
    FUZZ_CHECK(static_cast<unsigned>(height) == info.Height);
    FUZZ_CHECK((alphaBits > 0) == (info.Alpha == 8));
    glDeleteTextures(1, &texture);
    return 0;
}
