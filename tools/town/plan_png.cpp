#include "tools/town/plan_png.h"

#include "tools/town/footprint.h"
#include "tools/town/town_plan.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace {

constexpr int SCALE = 2; // pixels per world unit
constexpr float PLAN_DEPTH = TOWN_DEPTH + TILE_SIZE;
constexpr int MAP_W = static_cast<int>(2 * TOWN_HALF_WIDTH) * SCALE;
constexpr int MAP_H = static_cast<int>(PLAN_DEPTH) * SCALE;
constexpr int LEGEND_H = 40;

struct Rgb {
    uint8_t R, G, B;
};

constexpr Rgb GRASS_RGB{92, 156, 70};
constexpr Rgb PATH_RGB{206, 182, 128};
constexpr Rgb ROAD_RGB{72, 72, 78};
constexpr Rgb LINE_RGB{236, 206, 64};
constexpr Rgb SIDEWALK_RGB{184, 184, 178};
constexpr Rgb VOID_RGB{24, 24, 28};
constexpr Rgb UNKNOWN_RGB{255, 0, 255};
constexpr Rgb ROUTE_RGB{30, 60, 230};
constexpr Rgb START_RGB{255, 40, 40};
// Props by the rank of their threshold: none, then each threshold in use.
constexpr Rgb LEVEL_RGB[] = {{255, 255, 255}, {120, 230, 255}, {110, 250, 110},
                             {250, 250, 90},  {255, 190, 60},  {255, 120, 40},
                             {240, 40, 40},   {200, 40, 200},  {120, 40, 160}};

class Canvas {
  public:
    Canvas(int w, int h) : W(w), H(h), Pixels(static_cast<size_t>(w) * h, VOID_RGB) {}

    void Put(int x, int y, Rgb c, float alpha = 1) {
        if (x < 0 || y < 0 || x >= W || y >= H)
            return;
        Rgb& p = Pixels[static_cast<size_t>(y) * W + x];
        p = {Mix(p.R, c.R, alpha), Mix(p.G, c.G, alpha), Mix(p.B, c.B, alpha)};
    }
    void Fill(int x0, int y0, int x1, int y1, Rgb c) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                Put(x, y, c);
    }
    void Line(float x0, float y0, float x1, float y1, Rgb c, float alpha) {
        const int steps = static_cast<int>(std::max(std::fabs(x1 - x0), std::fabs(y1 - y0))) + 1;
        for (int k = 0; k <= steps; ++k) {
            const float t = static_cast<float>(k) / steps;
            Put(static_cast<int>(x0 + t * (x1 - x0)), static_cast<int>(y0 + t * (y1 - y0)), c,
                alpha);
        }
    }
    bool Save(const std::string& path) const;

    const int W, H;

  private:
    static uint8_t Mix(uint8_t a, uint8_t b, float t) {
        return static_cast<uint8_t>(std::lround(a + (b - a) * t));
    }
    std::vector<Rgb> Pixels;
};

bool Canvas::Save(const std::string& path) const {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, W, H, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < H; ++y)
        png_write_row(png, reinterpret_cast<png_const_bytep>(&Pixels[static_cast<size_t>(y) * W]));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

// World to pixels: x grows to the right, depth upwards from the bottom.
float PixelX(float x) {
    return (x + TOWN_HALF_WIDTH) * SCALE;
}
float PixelY(float n) {
    return (PLAN_DEPTH - n) * SCALE;
}

// The colour of a tile at (u, v) in tile units: u along x, v into the town.
Rgb TileColour(int tile, float u, float v) {
    const auto band = [](float w) { return std::fabs(w - TILE_SIZE / 2) < 3; };
    const auto line = [](float w) { return std::fabs(w - TILE_SIZE / 2) < 0.6f; };
    switch (tile) {
    case GRASS:
        return GRASS_RGB;
    case FLOWERS: {
        const int dot = (static_cast<int>(u * 1.3f) * 7 + static_cast<int>(v * 1.3f) * 3) % 5;
        return dot == 0 ? Rgb{240, 110, 170} : dot == 2 ? Rgb{250, 230, 90} : GRASS_RGB;
    }
    case PATH:
        return band(u) ? PATH_RGB : GRASS_RGB;
    case PATH_X:
        return band(v) ? PATH_RGB : GRASS_RGB;
    case PATH_CORNER: // joins the far edge and the +x edge
        return (band(u) && v > 2) || (band(v) && u > 2) ? PATH_RGB : GRASS_RGB;
    case ROAD:
        return ROAD_RGB;
    case ROAD_MIDDLE:
        return line(u) && std::fmod(v, 5.0f) < 3 ? LINE_RGB : ROAD_RGB;
    case ROAD_MIDDLE_X:
        return line(v) && std::fmod(u, 5.0f) < 3 ? LINE_RGB : ROAD_RGB;
    case SIDEWALK:
        return std::fmod(u, 5.0f) < 0.5f || std::fmod(v, 5.0f) < 0.5f ? Rgb{150, 150, 146}
                                                                      : SIDEWALK_RGB;
    default:
        return UNKNOWN_RGB;
    }
}

void DrawGround(Canvas& c, const TileGrid& tiles) {
    for (int r = 0; r < MAP_ROWS; ++r)
        for (int col = FIRST_DRAWN_COLUMN; col < MAP_COLS; ++col) {
            const float x0 = (r - MAP_ROWS / 2) * TILE_SIZE;
            const float n0 = (MAP_COLS - col) * TILE_SIZE;
            for (int py = 0; py < TILE_SIZE * SCALE; ++py)
                for (int px = 0; px < TILE_SIZE * SCALE; ++px) {
                    const float u = (px + 0.5f) / SCALE, v = (py + 0.5f) / SCALE;
                    c.Put(static_cast<int>(PixelX(x0)) + px, static_cast<int>(PixelY(n0 + v)),
                          TileColour(tiles.Tiles[r][col], u, v));
                }
        }
}

Rgb LevelColour(float threshold, const std::vector<float>& thresholds) {
    size_t rank = 0;
    if (threshold > 0)
        rank = std::lower_bound(thresholds.begin(), thresholds.end(), threshold) -
               thresholds.begin() + 1;
    return LEVEL_RGB[std::min(rank, std::size(LEVEL_RGB) - 1)];
}

void DrawProps(Canvas& c, const std::vector<PropRecord>& records,
               const std::vector<TypeRule>& rules, const std::vector<float>& thresholds) {
    for (const PropRecord& r : records) {
        const Rgb colour = LevelColour(RuleOf(rules, r.TexID).Threshold, thresholds);
        // Walls get a visible thickness; boxes a dark rim.
        const Footprint f = FootprintOf(r).Grown(r.Depth == 0 || r.Width == 0 ? 0.75f : 0);
        const int x0 = static_cast<int>(PixelX(f.X0)), x1 = static_cast<int>(PixelX(f.X1));
        const int y0 = static_cast<int>(PixelY(f.N1)), y1 = static_cast<int>(PixelY(f.N0));
        c.Fill(x0, y0, x1, y1, {40, 30, 30});
        c.Fill(x0 + 1, y0 + 1, x1 - 1, y1 - 1, colour);
    }
}

void DrawRoute(Canvas& c, const std::vector<BallPose>& trail) {
    float x = PixelX(0), y = PixelY(0);
    for (const BallPose& p : trail) {
        c.Line(x, y, PixelX(p.X), PixelY(p.N), ROUTE_RGB, 0.5f);
        x = PixelX(p.X);
        y = PixelY(p.N);
    }
    for (float a = 0; a < 360; a += 4)
        for (float radius : {5.0f, 6.0f})
            c.Put(static_cast<int>(PixelX(0) + radius * std::cos(a * 0.0174533f)),
                  static_cast<int>(PixelY(0) + radius * std::sin(a * 0.0174533f)), START_RGB);
}

// Digits 3 wide and 5 high, one row per three bits.
constexpr uint16_t DIGITS[10] = {0x7B6F, 0x2C97, 0x73E7, 0x73CF, 0x5BC9,
                                 0x79CF, 0x79EF, 0x7249, 0x7BEF, 0x7BCF};

void DrawNumber(Canvas& c, int x, int y, int value, int size) {
    const std::string text = std::to_string(value);
    for (char ch : text) {
        const uint16_t bits = DIGITS[ch - '0'];
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col)
                if (bits & (1 << (14 - row * 3 - col)))
                    c.Fill(x + col * size, y + row * size, x + col * size + size - 1,
                           y + row * size + size - 1, {255, 255, 255});
        x += 4 * size;
    }
}

void DrawLegend(Canvas& c, const std::vector<float>& thresholds) {
    const int y = MAP_H + 10;
    int x = 12;
    std::vector<float> levels{0};
    levels.insert(levels.end(), thresholds.begin(), thresholds.end());
    for (float t : levels) {
        c.Fill(x, y, x + 19, y + 19, {40, 30, 30});
        c.Fill(x + 1, y + 1, x + 18, y + 18, LevelColour(t, thresholds));
        DrawNumber(c, x + 26, y + 2, static_cast<int>(t), 3);
        x += 26 + static_cast<int>(std::to_string(static_cast<int>(t)).size()) * 12 + 24;
    }
    for (int k = 0; k < 40; ++k)
        c.Fill(x + k, y + 8, x + k, y + 11, ROUTE_RGB);
}

} // namespace

bool DrawPlan(const std::string& path, const TileGrid& tiles,
              const std::vector<PropRecord>& records, const std::vector<TypeRule>& rules,
              const std::vector<float>& thresholds, const std::vector<BallPose>& trail) {
    Canvas canvas(MAP_W, MAP_H + LEGEND_H);
    DrawGround(canvas, tiles);
    DrawRoute(canvas, trail);
    DrawProps(canvas, records, rules, thresholds);
    DrawLegend(canvas, thresholds);
    return canvas.Save(path);
}
