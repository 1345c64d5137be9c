// The ground drawn by the real game from the start view: a known tile file
// and tile images in a Data folder of their own, play entered directly.
#include "camera/camera.h"
#include "props/objects.h"
#include "shell/main.h"
#include "tests/ground/image_folder.h"
#include "tests/ground/png_writer.h"
#include "tests/kit/kit.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

using Colour = std::array<int, 3>;

constexpr int kWidth = 640, kHeight = 480;
constexpr float kViewZ = -50.0f, kViewPitch = 20.0f;

const Colour kTileColours[9] = {
    {40, 160, 40},  {230, 120, 200}, {0, 0, 0},    {60, 60, 60},  {250, 250, 0},
    {170, 170, 90}, {0, 90, 250},    {250, 90, 0}, {120, 60, 20},
};
// Tile 2 shows a picture of four quadrants, to see its orientation.
const Colour kTopLeft = {255, 0, 0}, kTopRight = {0, 255, 0}, kBottomLeft = {0, 0, 255},
             kBottomRight = {0, 255, 255};
const Colour kWhite = {255, 255, 255}, kBlack = {0, 0, 0};
// Tile 4 lies only in the columns that are never drawn.
constexpr int kHiddenTile = 4;

struct Placed {
    int row, col, tile;
};
const Placed kPlaced[] = {
    {32, 99, 2}, {37, 99, 1}, {36, 96, 3}, {31, 95, 5},  {33, 93, 6},
    {37, 91, 7}, {32, 89, 8}, {38, 93, 9}, {35, 92, -1}, {36, 98, 123456},
};

std::string TileFile() {
    int grid[MAP_ROWS][MAP_COLS] = {};
    for (auto& row : grid)
        for (int c = 0; c < 27; ++c)
            row[c] = kHiddenTile;
    for (const Placed& p : kPlaced)
        grid[p.row][p.col] = p.tile;
    std::string text;
    for (auto& row : grid) {
        for (int value : row)
            text += std::to_string(value) + " ";
        text += "\n";
    }
    return text;
}

bool WriteData(const std::string& root, bool withImages) {
    mkdir((root + "/Data").c_str(), 0755);
    mkdir((root + "/Data/Map").c_str(), 0755);
    FILE* file = std::fopen((root + "/Data/Map/MapTex.txt").c_str(), "w");
    if (!file)
        return false;
    std::fputs(TileFile().c_str(), file);
    std::fclose(file);
    if (!withImages)
        return true;
    std::vector<ImageFile> tiles = MapTileImages();
    for (size_t t = 0; t < tiles.size(); ++t)
        tiles[t].colour = kTileColours[t];
    if (!WriteImages(root, tiles))
        return false;
    PngFixture quadrants = SolidRgb(2, 2, 0, 0, 0);
    quadrants.samples.clear();
    for (const Colour& c : {kTopLeft, kTopRight, kBottomLeft, kBottomRight})
        for (int v : c)
            quadrants.samples.push_back(static_cast<uint16_t>(v));
    return WritePng(root + "/Data/Images/" + tiles[2].path, quadrants);
}

// Where a ground point lands on screen from the start view: the camera
// transform, then gluPerspective(45, 640 / 480) and the 640 x 480 viewport.
std::array<int, 2> ScreenOf(float x, float y, float z) {
    const float pitch = kViewPitch * 3.14159265f / 180.0f;
    const float eyeY = y * std::cos(pitch) - z * std::sin(pitch);
    const float eyeZ = y * std::sin(pitch) + z * std::cos(pitch) + kViewZ;
    const float focal = 1.0f / std::tan(22.5f * 3.14159265f / 180.0f);
    const float ndcX = x * focal / (static_cast<float>(kWidth) / kHeight) / -eyeZ;
    const float ndcY = eyeY * focal / -eyeZ;
    return {static_cast<int>(std::lround((ndcX + 1) / 2 * kWidth)),
            static_cast<int>(std::lround((1 - ndcY) / 2 * kHeight))};
}

// A point of cell [row][col]: u from its smaller-x edge, v from its edge
// nearer z = 0 towards the far edge, both 0..1.
std::array<int, 2> ScreenOfCell(int row, int col, float u, float v) {
    const float x0 = 10.0f * static_cast<float>(row - 35);
    const float z0 = 10.0f * static_cast<float>(col - 100);
    return ScreenOf(x0 + 10.0f * u, -2.0f, z0 - 10.0f * v);
}

struct Frame {
    std::vector<unsigned char> rgb; // top row first
    Colour At(int x, int y) const {
        const size_t i = (static_cast<size_t>(y) * kWidth + x) * 3;
        return {rgb[i], rgb[i + 1], rgb[i + 2]};
    }
};

bool Near(const Colour& a, const Colour& b) {
    for (int i = 0; i < 3; ++i)
        if (std::abs(a[i] - b[i]) > 8)
            return false;
    return true;
}

std::string Show(const Colour& c) {
    return "(" + std::to_string(c[0]) + ", " + std::to_string(c[1]) + ", " + std::to_string(c[2]) +
           ")";
}

class GroundRender : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "GL tests run under Xvfb";
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_EQ(chdir(root.c_str()), 0);
    }

    void TearDown() override {
        if (HasFailure() && !frame.rgb.empty()) {
            const std::string path = root + "/frame.ppm";
            FILE* file = std::fopen(path.c_str(), "wb");
            if (file) {
                std::fprintf(file, "P6\n%d %d\n255\n", kWidth, kHeight);
                std::fwrite(frame.rgb.data(), 1, frame.rgb.size(), file);
                std::fclose(file);
                std::printf("The checked frame is in %s\n", path.c_str());
            }
        }
    }

    // Runs the game: the first frame (title) switches to play from the start
    // view, with the HUD off and no props, and the second frame is kept.
    void Play(bool withImages, bool cullBackFaces = false) {
        ASSERT_TRUE(WriteData(root, withImages));
        kit::GameRun run;
        run.onFrame = [&](int number) {
            if (number == 1) {
                Main.GameState = GAME_STATE_PLAYING;
                Main.ShowHud = 0;
                TheCamera = structCamera{};
                TheCamera.ViewZ = kViewZ;
                TheCamera.ViewPitch = kViewPitch;
                for (structObjects& object : TheObjects)
                    object = structObjects{}; // empty records draw nothing

                if (cullBackFaces) {
                    glEnable(GL_CULL_FACE);
                    glCullFace(GL_BACK);
                }
                return true;
            }
            frame.rgb.resize(static_cast<size_t>(kWidth) * kHeight * 3);
            glReadBuffer(GL_BACK);
            glPixelStorei(GL_PACK_ALIGNMENT, 1);
            for (int y = 0; y < kHeight; ++y)
                glReadPixels(0, kHeight - 1 - y, kWidth, 1, GL_RGB, GL_UNSIGNED_BYTE,
                             &frame.rgb[static_cast<size_t>(y) * kWidth * 3]);
            return false;
        };
        EXPECT_EQ(run.Run(), 0);
        ASSERT_EQ(run.frames, 2) << "the game runs until the checked frame";
    }

    void ExpectCell(int row, int col, float u, float v, const Colour& expected) {
        const auto p = ScreenOfCell(row, col, u, v);
        const Colour seen = frame.At(p[0], p[1]);
        EXPECT_TRUE(Near(seen, expected))
            << "cell [" << row << "][" << col << "] at (" << u << ", " << v << ") = pixel (" << p[0]
            << ", " << p[1] << "): " << Show(seen) << ", expected " << Show(expected);
    }

    std::string root = kit::TempDir();
    Frame frame;
};

TEST_F(GroundRender, EachTileShowsItsTexture) {
    Play(true);
    for (const Placed& p : kPlaced) {
        const bool textured = p.tile >= 0 && p.tile <= 8 && p.tile != 2;
        if (textured)
            ExpectCell(p.row, p.col, 0.5f, 0.5f, kTileColours[p.tile]);
        else if (p.tile != 2)
            ExpectCell(p.row, p.col, 0.5f, 0.5f, kWhite); // no such tile: untextured
    }
    ExpectCell(33, 97, 0.5f, 0.5f, kTileColours[0]);
    ExpectCell(5, 40, 0.5f, 0.5f, kTileColours[0]);
    ExpectCell(65, 30, 0.5f, 0.5f, kTileColours[0]);
}

TEST_F(GroundRender, TileImageTopRowLiesOnTheFarEdge) {
    Play(true);
    ExpectCell(32, 99, 0.25f, 0.75f, kTopLeft);
    ExpectCell(32, 99, 0.75f, 0.75f, kTopRight);
    ExpectCell(32, 99, 0.25f, 0.25f, kBottomLeft);
    ExpectCell(32, 99, 0.75f, 0.25f, kBottomRight);
}

TEST_F(GroundRender, OnlyColumns27To99AreDrawn) {
    Play(true);
    int hidden = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            hidden += Near(frame.At(x, y), kTileColours[kHiddenTile]);
    EXPECT_EQ(hidden, 0) << "pixels of a tile from columns 0..26";
    // No tile covers the strip from z = -10 to z = 0, and nothing lies
    // beyond the far edge at z = -740.
    const auto strip = ScreenOf(-20.0f, -2.0f, -5.0f);
    EXPECT_EQ(frame.At(strip[0], strip[1]), kBlack);
    const auto farEdge = ScreenOf(-20.0f, -2.0f, -740.0f);
    EXPECT_EQ(frame.At(farEdge[0], farEdge[1] - 3), kBlack);
    ExpectCell(30, 27, 0.5f, 0.5f, kTileColours[0]);
}

TEST_F(GroundRender, TilesFaceUp) {
    Play(true, true);
    ExpectCell(33, 97, 0.5f, 0.5f, kTileColours[0]);
    ExpectCell(37, 99, 0.5f, 0.5f, kTileColours[1]);
}

TEST_F(GroundRender, MissingImageFolderDrawsTheGroundWhite) {
    Play(false);
    for (const Placed& p : kPlaced)
        ExpectCell(p.row, p.col, 0.5f, 0.5f, kWhite);
    ExpectCell(33, 97, 0.5f, 0.5f, kWhite);
}

} // namespace
