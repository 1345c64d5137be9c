#include "png_io.h"

#include <png.h>

#include <cstdio>
#include <cstring>

bool writePng(const std::string& path, int width, int height, bool withAlpha,
              const std::vector<uint8_t>& pixels) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8,
                 withAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    size_t stride = size_t(width) * (withAlpha ? 4 : 3);
    for (int y = 0; y < height; ++y)
        png_write_row(png, pixels.data() + stride * size_t(y));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

bool readPng(const std::string& path, Image& image) {
    png_image reader;
    std::memset(&reader, 0, sizeof reader);
    reader.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&reader, path.c_str()))
        return false;
    image.width = int(reader.width);
    image.height = int(reader.height);
    image.hasAlpha = (reader.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    reader.format = PNG_FORMAT_RGBA;
    image.rgba.assign(PNG_IMAGE_SIZE(reader), 0);
    if (!png_image_finish_read(&reader, nullptr, image.rgba.data(), 0, nullptr)) {
        png_image_free(&reader);
        return false;
    }
    return true;
}
