#include "tests/ground/png_writer.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>

namespace {

int Channels(int colourType) {
    switch (colourType) {
    case PNG_COLOR_TYPE_GRAY:
    case PNG_COLOR_TYPE_PALETTE:
        return 1;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        return 2;
    case PNG_COLOR_TYPE_RGB:
        return 3;
    default:
        return 4;
    }
}

// Rows in libpng's input layout: 16-bit samples big-endian, smaller depths
// one sample per byte (png_set_packing packs them).
std::vector<png_byte> RowBytes(const PngFixture& png) {
    std::vector<png_byte> bytes;
    for (uint16_t sample : png.samples) {
        if (png.bitDepth == 16)
            bytes.push_back(static_cast<png_byte>(sample >> 8));
        bytes.push_back(static_cast<png_byte>(sample & 0xFF));
    }
    return bytes;
}

// Kept apart from WritePng so that nothing with a destructor lives in the
// frame that libpng may longjmp back into.
bool Write(FILE* file, const PngFixture& png, png_bytepp rows) {
    png_structp writer = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = writer ? png_create_info_struct(writer) : nullptr;
    if (!info) {
        png_destroy_write_struct(&writer, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(writer))) {
        png_destroy_write_struct(&writer, &info);
        return false;
    }
    png_init_io(writer, file);
    png_set_IHDR(writer, info, static_cast<png_uint_32>(png.width),
                 static_cast<png_uint_32>(png.height), png.bitDepth, png.colourType,
                 png.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color palette[256];
    const int entries = static_cast<int>(png.palette.size() / 3);
    for (int i = 0; i < entries && i < 256; ++i)
        palette[i] = {png.palette[3 * i], png.palette[3 * i + 1], png.palette[3 * i + 2]};
    if (entries > 0)
        png_set_PLTE(writer, info, palette, entries);
    png_byte alphas[256];
    png_color_16 key{};
    if (!png.transparency.empty()) {
        if (png.colourType == PNG_COLOR_TYPE_PALETTE) {
            int count = 0;
            for (uint16_t a : png.transparency)
                if (count < 256)
                    alphas[count++] = static_cast<png_byte>(a);
            png_set_tRNS(writer, info, alphas, count, nullptr);
        } else if (png.colourType == PNG_COLOR_TYPE_GRAY) {
            key.gray = png.transparency[0];
            png_set_tRNS(writer, info, nullptr, 0, &key);
        } else {
            key.red = png.transparency[0];
            key.green = png.transparency[1];
            key.blue = png.transparency[2];
            png_set_tRNS(writer, info, nullptr, 0, &key);
        }
    }
    png_write_info(writer, info);
    if (png.bitDepth < 8)
        png_set_packing(writer);
    png_write_image(writer, rows);
    png_write_end(writer, nullptr);
    png_destroy_write_struct(&writer, &info);
    return true;
}

} // namespace

bool WritePng(const std::string& path, const PngFixture& png) {
    const size_t rowSamples = static_cast<size_t>(png.width) * Channels(png.colourType);
    if (png.samples.size() != rowSamples * static_cast<size_t>(png.height))
        return false;
    std::vector<png_byte> bytes = RowBytes(png);
    const size_t rowBytes = bytes.size() / static_cast<size_t>(png.height);
    std::vector<png_bytep> rows;
    for (int y = 0; y < png.height; ++y)
        rows.push_back(bytes.data() + rowBytes * static_cast<size_t>(y));
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = Write(file, png, rows.data());
    return std::fclose(file) == 0 && written;
}

PngFixture SolidRgb(int width, int height, uint8_t r, uint8_t g, uint8_t b) {
    PngFixture png;
    png.width = width;
    png.height = height;
    for (int i = 0; i < width * height; ++i)
        png.samples.insert(png.samples.end(), {r, g, b});
    return png;
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return bytes;
    int c;
    while ((c = std::fgetc(file)) != EOF)
        bytes.push_back(static_cast<uint8_t>(c));
    std::fclose(file);
    return bytes;
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return;
    if (!bytes.empty())
        std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}
