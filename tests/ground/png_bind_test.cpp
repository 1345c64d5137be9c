// The PNG loader: every colour type and depth becomes the right texels, the
// top row lands at t = 0, and broken files load as 0 without leaving objects.
#include "platform/glpng/glpng.h"
#include "tests/ground/gl_context.h"
#include "tests/ground/png_writer.h"
#include "tests/kit/kit.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Texel = std::array<int, 4>;

Texel Grey(int v) {
    return {v, v, v, 255};
}
Texel GreyA(int v, int a) {
    return {v, v, v, a};
}
Texel Rgb(int r, int g, int b) {
    return {r, g, b, 255};
}
Texel Rgba(int r, int g, int b, int a) {
    return {r, g, b, a};
}

PngFixture Make(int width, int height, int colourType, int bitDepth, std::vector<uint16_t> samples,
                std::vector<uint8_t> palette = {}, std::vector<uint16_t> transparency = {}) {
    PngFixture png;
    png.width = width;
    png.height = height;
    png.colourType = colourType;
    png.bitDepth = bitDepth;
    png.samples = std::move(samples);
    png.palette = std::move(palette);
    png.transparency = std::move(transparency);
    return png;
}

// Palette entry i is (i, 255 - i, 7).
std::vector<uint8_t> Ramp(int entries) {
    std::vector<uint8_t> palette;
    for (int i = 0; i < entries; ++i)
        palette.insert(palette.end(), {static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), 7});
    return palette;
}
Texel RampColour(int i, int a = 255) {
    return {i, 255 - i, 7, a};
}

struct Loaded {
    unsigned int texture = 0;
    int width = 0;
    int height = 0;
    std::vector<Texel> texels; // read back as RGBA, t = 0 first
};

Loaded Readback(unsigned int texture) {
    Loaded out;
    out.texture = texture;
    if (!texture)
        return out;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &out.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &out.height);
    std::vector<unsigned char> rgba(static_cast<size_t>(out.width) * out.height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    for (size_t i = 0; i + 3 < rgba.size(); i += 4)
        out.texels.push_back({rgba[i], rgba[i + 1], rgba[i + 2], rgba[i + 3]});
    return out;
}

unsigned int Bind(const std::string& path, pngInfo* info = nullptr, int wrap = GL_CLAMP,
                  int filter = GL_NEAREST) {
    pngInfo ignored;
    return pngBind(path.c_str(), PNG_NOMIPMAP, PNG_ALPHA, info ? info : &ignored, wrap, filter,
                   filter);
}

// No texture object survives: names are handed out from 1 upwards.
void ExpectNoTextureObjects() {
    for (GLuint name = 1; name <= 64; ++name)
        EXPECT_FALSE(glIsTexture(name)) << "texture object " << name << " left behind";
}

class PngBindTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "GL tests run under Xvfb";
        ASSERT_TRUE(gl.Ready());
    }
    std::string Path(const std::string& name) const { return dir + "/" + name; }
    std::string Write(const std::string& name, const PngFixture& png) const {
        const std::string path = Path(name);
        EXPECT_TRUE(WritePng(path, png)) << name;
        return path;
    }

    GlContext gl;
    std::string dir = kit::TempDir();
};

struct FormatCase {
    const char* name;
    PngFixture png;
    std::vector<Texel> texels; // top row first
    unsigned int alphaBits;
};

const int G = PNG_COLOR_TYPE_GRAY, GA = PNG_COLOR_TYPE_GRAY_ALPHA, P = PNG_COLOR_TYPE_PALETTE,
          RGB = PNG_COLOR_TYPE_RGB, RGBA = PNG_COLOR_TYPE_RGB_ALPHA;

// 16-bit samples become the nearest 8-bit value.
const FormatCase kFormats[] = {
    {"Grey1BitOddWidth",
     Make(3, 2, G, 1, {0, 1, 0, 1, 1, 0}),
     {Grey(0), Grey(255), Grey(0), Grey(255), Grey(255), Grey(0)},
     0},
    {"Grey2Bit", Make(2, 2, G, 2, {0, 1, 2, 3}), {Grey(0), Grey(85), Grey(170), Grey(255)}, 0},
    {"Grey4Bit", Make(2, 2, G, 4, {0, 5, 10, 15}), {Grey(0), Grey(85), Grey(170), Grey(255)}, 0},
    {"Grey8", Make(2, 2, G, 8, {0, 100, 200, 255}), {Grey(0), Grey(100), Grey(200), Grey(255)}, 0},
    {"Grey16",
     Make(2, 2, G, 16, {0, 0x1234, 0xABCD, 0xFFFF}),
     {Grey(0), Grey(18), Grey(171), Grey(255)},
     0},
    {"Grey8Transparent",
     Make(2, 2, G, 8, {100, 50, 100, 200}, {}, {100}),
     {GreyA(100, 0), Grey(50), GreyA(100, 0), Grey(200)},
     8},
    {"Grey2BitTransparent",
     Make(2, 2, G, 2, {0, 1, 2, 1}, {}, {1}),
     {Grey(0), GreyA(85, 0), Grey(170), GreyA(85, 0)},
     8},
    {"GreyAlpha8", Make(2, 1, GA, 8, {10, 0, 200, 128}), {GreyA(10, 0), GreyA(200, 128)}, 8},
    {"GreyAlpha16",
     Make(2, 1, GA, 16, {0x1234, 0xFFFF, 0xFFFF, 0x8000}),
     {GreyA(18, 255), GreyA(255, 128)},
     8},
    {"Rgb8OddWidth",
     Make(3, 2, RGB, 8, {255, 0, 0, 0, 255, 0, 0, 0, 255, 10, 20, 30, 40, 50, 60, 70, 80, 90}),
     {Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255), Rgb(10, 20, 30), Rgb(40, 50, 60),
      Rgb(70, 80, 90)},
     0},
    {"Rgb8Transparent",
     Make(2, 1, RGB, 8, {1, 2, 3, 4, 5, 6}, {}, {4, 5, 6}),
     {Rgb(1, 2, 3), Rgba(4, 5, 6, 0)},
     8},
    {"Rgb16",
     Make(1, 2, RGB, 16, {0xFFFF, 0x1234, 0, 0x8000, 0xABCD, 0xFFFF}),
     {Rgb(255, 18, 0), Rgb(128, 171, 255)},
     0},
    {"Rgba8",
     Make(2, 1, RGBA, 8, {1, 2, 3, 0, 250, 251, 252, 255}),
     {Rgba(1, 2, 3, 0), Rgba(250, 251, 252, 255)},
     8},
    {"Rgba16", Make(1, 1, RGBA, 16, {0xFFFF, 0, 0x1234, 0x8000}), {Rgba(255, 0, 18, 128)}, 8},
    {"Palette1Bit",
     Make(3, 1, P, 1, {0, 1, 1}, Ramp(2)),
     {RampColour(0), RampColour(1), RampColour(1)},
     0},
    {"Palette2Bit",
     Make(2, 2, P, 2, {0, 1, 2, 3}, Ramp(4)),
     {RampColour(0), RampColour(1), RampColour(2), RampColour(3)},
     0},
    // Entries past the end of tRNS stay opaque.
    {"Palette4BitTransparent",
     Make(2, 2, P, 4, {0, 15, 3, 1}, Ramp(16), {0, 64, 128, 192}),
     {RampColour(0, 0), RampColour(15), RampColour(3, 192), RampColour(1, 64)},
     8},
    {"Palette8Transparent",
     Make(2, 1, P, 8, {200, 0}, Ramp(256), {10}),
     {RampColour(200), RampColour(0, 10)},
     8},
};

void PrintTo(const FormatCase& c, std::ostream* out) {
    *out << c.name;
}

class PngFormat : public PngBindTest, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(PngFormat, GivesTheFileTexelsTopRowFirst) {
    const FormatCase& c = GetParam();
    pngInfo info{};
    const Loaded loaded = Readback(Bind(Write("image.png", c.png), &info));
    ASSERT_NE(loaded.texture, 0u);
    EXPECT_EQ(loaded.width, c.png.width);
    EXPECT_EQ(loaded.height, c.png.height);
    EXPECT_EQ(loaded.texels, c.texels);
    EXPECT_EQ(info.Width, static_cast<unsigned>(c.png.width));
    EXPECT_EQ(info.Height, static_cast<unsigned>(c.png.height));
    EXPECT_EQ(info.Depth, static_cast<unsigned>(c.png.bitDepth));
    EXPECT_EQ(info.Alpha, c.alphaBits);
}

INSTANTIATE_TEST_SUITE_P(Formats, PngFormat, ::testing::ValuesIn(kFormats),
                         [](const ::testing::TestParamInfo<FormatCase>& info) {
                             return std::string(info.param.name);
                         });

// A 9 x 9 image of varied samples, so every interlace pass holds pixels.
PngFixture Pattern(int colourType, int bitDepth, std::vector<uint8_t> palette = {},
                   std::vector<uint16_t> transparency = {}) {
    const int channels = colourType == RGB ? 3 : colourType == RGBA ? 4 : colourType == GA ? 2 : 1;
    const int limit = colourType == P ? static_cast<int>(palette.size() / 3) : 1 << bitDepth;
    std::vector<uint16_t> samples;
    for (int i = 0; i < 9 * 9 * channels; ++i)
        samples.push_back(static_cast<uint16_t>((i * 7919 + i / 3) % limit));
    return Make(9, 9, colourType, bitDepth, samples, std::move(palette), std::move(transparency));
}

TEST_F(PngBindTest, InterlacedFilesMatchTheirPlainTwins) {
    const PngFixture cases[] = {Pattern(RGB, 8), Pattern(RGBA, 16), Pattern(G, 1), Pattern(GA, 8),
                                Pattern(P, 4, Ramp(16), {0, 90, 180})};
    int index = 0;
    for (PngFixture png : cases) {
        const std::string name = std::to_string(index++);
        const Loaded plain = Readback(Bind(Write(name + "plain.png", png)));
        png.interlaced = true;
        const Loaded interlaced = Readback(Bind(Write(name + "adam7.png", png)));
        ASSERT_NE(plain.texture, 0u) << name;
        ASSERT_NE(interlaced.texture, 0u) << name;
        EXPECT_EQ(plain.texels.size(), 81u) << name;
        EXPECT_EQ(interlaced.texels, plain.texels) << name;
        EXPECT_LT(std::count(plain.texels.begin(), plain.texels.end(), plain.texels.front()), 81)
            << name << " has more than one texel value";
    }
}

TEST_F(PngBindTest, LoadsAnySizeTheGlAcceptsAndRefusesLarger) {
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    ASSERT_GT(maxSize, 300);

    const Loaded odd = Readback(Bind(Write("odd.png", SolidRgb(300, 17, 9, 99, 199))));
    EXPECT_EQ(odd.width, 300);
    EXPECT_EQ(odd.height, 17);
    EXPECT_EQ(odd.texels.back(), Rgb(9, 99, 199));

    const auto wide = [](int width) {
        return Make(width, 1, G, 1, std::vector<uint16_t>(static_cast<size_t>(width), 1));
    };
    const Loaded widest = Readback(Bind(Write("widest.png", wide(maxSize))));
    EXPECT_EQ(widest.width, maxSize);
    pngInfo info{1, 1, 1, 1};
    EXPECT_EQ(Bind(Write("too_wide.png", wide(maxSize + 1)), &info), 0u);
    EXPECT_EQ(info.Width, 0u);
}

TEST_F(PngBindTest, SetsWrapAndFiltersAndMakesANewObjectEachCall) {
    const std::string path = Write("solid.png", SolidRgb(2, 2, 1, 2, 3));
    const struct {
        int wrap, filter;
    } settings[] = {{GL_REPEAT, GL_NEAREST}, {GL_CLAMP, GL_LINEAR}};
    std::vector<unsigned int> names;
    for (const auto& s : settings) {
        const unsigned int texture = Bind(path, nullptr, s.wrap, s.filter);
        ASSERT_NE(texture, 0u);
        names.push_back(texture);
        GLint value = 0;
        glBindTexture(GL_TEXTURE_2D, texture);
        for (GLenum p : {GL_TEXTURE_WRAP_S, GL_TEXTURE_WRAP_T}) {
            glGetTexParameteriv(GL_TEXTURE_2D, p, &value);
            EXPECT_EQ(value, s.wrap);
        }
        for (GLenum p : {GL_TEXTURE_MIN_FILTER, GL_TEXTURE_MAG_FILTER}) {
            glGetTexParameteriv(GL_TEXTURE_2D, p, &value);
            EXPECT_EQ(value, s.filter);
        }
    }
    EXPECT_NE(names[0], names[1]);
    EXPECT_TRUE(glIsTexture(names[0]));
    EXPECT_TRUE(glIsTexture(names[1]));
}

TEST_F(PngBindTest, KeepsTheCallersUnpackAlignment) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
    ASSERT_NE(Bind(Write("odd.png", SolidRgb(3, 3, 1, 2, 3))), 0u);
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 8);
}

TEST_F(PngBindTest, RefusedParametersLeaveNoObject) {
    const std::string path = Write("solid.png", SolidRgb(2, 2, 1, 2, 3));
    pngInfo info{};
    EXPECT_EQ(pngBind(path.c_str(), PNG_NOMIPMAP, PNG_ALPHA, &info, 0x1234, GL_NEAREST, GL_NEAREST),
              0u);
    EXPECT_EQ(pngBind(path.c_str(), PNG_NOMIPMAP, PNG_ALPHA, &info, GL_CLAMP, GL_NEAREST, 0x1234),
              0u);
    EXPECT_EQ(pngBind(path.c_str(), 1, PNG_ALPHA, &info, GL_CLAMP, GL_NEAREST, GL_NEAREST), 0u);
    EXPECT_EQ(pngBind(path.c_str(), PNG_NOMIPMAP, -1, &info, GL_CLAMP, GL_NEAREST, GL_NEAREST), 0u);
    EXPECT_EQ(pngBind(nullptr, PNG_NOMIPMAP, PNG_ALPHA, &info, GL_CLAMP, GL_NEAREST, GL_NEAREST),
              0u);
    ExpectNoTextureObjects();
}

// Writes the IHDR size and fixes its CRC, so that libpng reads the header as sound.
std::vector<uint8_t> WithSize(std::vector<uint8_t> bytes, uint32_t width, uint32_t height) {
    for (int i = 0; i < 4; ++i) {
        bytes[16 + i] = static_cast<uint8_t>(width >> (24 - 8 * i));
        bytes[20 + i] = static_cast<uint8_t>(height >> (24 - 8 * i));
    }
    const uLong crc = crc32(crc32(0, nullptr, 0), bytes.data() + 12, 17);
    for (int i = 0; i < 4; ++i)
        bytes[29 + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
    return bytes;
}

size_t Find(const std::vector<uint8_t>& bytes, const std::string& text) {
    return std::string(bytes.begin(), bytes.end()).find(text);
}

std::vector<uint8_t> Prefix(const std::vector<uint8_t>& bytes, size_t length) {
    return {bytes.begin(), bytes.begin() + static_cast<long>(length)};
}

TEST_F(PngBindTest, BrokenFilesLoadAsZeroAndLeaveNoObject) {
    PngFixture base = Pattern(RGB, 8);
    base.width = base.height = 3;
    base.samples.resize(27);
    const std::vector<uint8_t> good = ReadBytes(Write("good.png", base));
    const size_t idat = Find(good, "IDAT");
    ASSERT_NE(idat, std::string::npos);
    std::vector<uint8_t> corruptData = good, corruptHeader = good;
    corruptData[idat + 6] ^= 0x55;
    corruptHeader[18] ^= 0x01;

    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"zero-length", {}},
        {"not a png", {'h', 'e', 'l', 'l', 'o', ',', ' ', 'n', 'o', 't', ' ', 'a', ' ', 'p', 'n'}},
        {"signature only", Prefix(good, 8)},
        {"cut in the header", Prefix(good, 20)},
        {"cut in the image data", Prefix(good, idat + 8)},
        {"cut before the end chunk", Prefix(good, good.size() - 12)},
        {"last byte missing", Prefix(good, good.size() - 1)},
        {"corrupt image data", corruptData},
        {"corrupt header", corruptHeader},
        {"zero width", WithSize(good, 0, 3)},
        {"huge dimensions", WithSize(good, 100000, 100000)},
        {"largest texture claimed with no data for it", WithSize(good, 16384, 16384)},
    };
    for (const auto& c : cases) {
        const std::string path = Path("broken.png");
        WriteBytes(path, c.bytes);
        pngInfo info{1, 1, 1, 1};
        EXPECT_EQ(Bind(path, &info), 0u) << c.name;
        EXPECT_EQ(info.Width, 0u) << c.name;
    }
    EXPECT_EQ(Bind(Path("missing.png")), 0u);
    EXPECT_EQ(Bind(dir), 0u) << "a folder";
    ExpectNoTextureObjects();
    EXPECT_NE(Bind(Path("good.png")), 0u) << "the unbroken file loads";
}

// Decoding ahead changes nothing that a load returns: the same texels and
// record for every kind of file, a file queued twice loads twice, a broken or
// missing one still loads as 0, and a file rewritten after it was queued loads
// as it is now.
TEST_F(PngBindTest, DecodingAheadLoadsWhatAPlainLoadDoes) {
    const std::string rgba16 = Write("rgba16.png", Pattern(RGBA, 16));
    const std::string palette = Write("palette.png", Pattern(P, 4, Ramp(16), {0, 90, 180}));
    const std::string grey = Write("grey.png", Pattern(G, 1));
    const std::string broken = Path("broken.png");
    WriteBytes(broken, {'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'});
    const std::string missing = Path("missing.png");
    const std::string rewritten = Write("rewritten.png", SolidRgb(4, 4, 10, 20, 30));

    struct Plain {
        Loaded loaded;
        pngInfo info;
    };
    std::vector<Plain> plain;
    for (const std::string& path : {rgba16, palette, grey}) {
        Plain p{};
        p.loaded = Readback(Bind(path, &p.info));
        ASSERT_NE(p.loaded.texture, 0u) << path;
        plain.push_back(p);
    }

    const char* queue[] = {rgba16.c_str(), palette.c_str(), broken.c_str(),   missing.c_str(),
                           grey.c_str(),   grey.c_str(),    rewritten.c_str()};
    pngDecodeAhead(queue, 7);
    // Time for the background thread to read everything, the old contents included.
    usleep(200 * 1000);
    Write("rewritten.png", SolidRgb(4, 4, 200, 100, 50));

    const std::string loadOrder[] = {grey, palette, rgba16, grey};
    const size_t plainIndex[] = {2, 1, 0, 2};
    for (size_t i = 0; i < 4; ++i) {
        pngInfo info{};
        const Loaded ahead = Readback(Bind(loadOrder[i], &info));
        ASSERT_NE(ahead.texture, 0u) << loadOrder[i];
        const Plain& p = plain[plainIndex[i]];
        EXPECT_NE(ahead.texture, p.loaded.texture) << "a new object each call";
        EXPECT_EQ(ahead.texels, p.loaded.texels) << loadOrder[i];
        EXPECT_EQ(ahead.width, p.loaded.width);
        EXPECT_EQ(info.Width, p.info.Width);
        EXPECT_EQ(info.Height, p.info.Height);
        EXPECT_EQ(info.Depth, p.info.Depth);
        EXPECT_EQ(info.Alpha, p.info.Alpha);
    }
    EXPECT_EQ(Bind(broken), 0u);
    EXPECT_EQ(Bind(missing), 0u);
    const Loaded now = Readback(Bind(rewritten));
    ASSERT_NE(now.texture, 0u);
    EXPECT_EQ(now.texels.front(), Rgb(200, 100, 50));
}

} // namespace
