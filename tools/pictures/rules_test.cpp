// The picture rules catch the faults they are there for, on small made-up images.
#include "rules.h"

#include <gtest/gtest.h>

namespace {

Image solid(int w, int h, uint8_t alpha) {
    Image im;
    im.width = w;
    im.height = h;
    im.rgba.assign(size_t(w) * h * 4, 200);
    for (size_t i = 3; i < im.rgba.size(); i += 4)
        im.rgba[i] = alpha;
    return im;
}

void setAlpha(Image& im, int x, int y, uint8_t a) {
    im.rgba[(size_t(y) * im.width + x) * 4 + 3] = a;
}

// A see-through prop: a solid block standing on the bottom edge, clear around it.
Image prop(int w, int h) {
    Image im = solid(w, h, 0);
    for (int y = h / 4; y < h; ++y)
        for (int x = w / 4; x < 3 * w / 4; ++x)
            setAlpha(im, x, y, 255);
    return im;
}

Picture entry(int w, int h, Kind kind) {
    return {"x.png", w, h, 1, 1, kind, nullptr};
}

TEST(PictureRules, FlagsEachFaultAndPassesGoodPictures) {
    struct Case {
        const char* name;
        Picture entry;
        Image image;
        size_t problems;
    };
    Image floating = prop(16, 16);
    for (int x = 0; x < 16; ++x)
        setAlpha(floating, x, 15, 0);
    Image innerHaze = prop(32, 32);
    setAlpha(innerHaze, 16, 20, 128);
    Image rimSoft = prop(32, 32);
    setAlpha(rimSoft, 8, 20, 128);
    Image wallHole = solid(16, 16, 255);
    setAlpha(wallHole, 3, 3, 0);
    std::vector<Case> cases = {
        {"good wall", entry(16, 16, Kind::Opaque), solid(16, 16, 255), 0},
        {"good prop", entry(16, 16, Kind::SeeThrough), prop(16, 16), 0},
        {"soft rim is fine", entry(32, 32, Kind::SeeThrough), rimSoft, 0},
        {"wall with a hole", entry(16, 16, Kind::Opaque), wallHole, 1},
        {"prop without clear texels", entry(16, 16, Kind::SeeThrough), solid(16, 16, 255), 1},
        {"haze inside a prop", entry(32, 32, Kind::SeeThrough), innerHaze, 1},
        {"floating prop", entry(16, 16, Kind::SeeThrough), floating, 1},
        {"not a power of two", entry(12, 16, Kind::Opaque), solid(12, 16, 255), 1},
        {"size differs from catalogue", entry(32, 16, Kind::Opaque), solid(16, 16, 255), 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkPicture(c.entry, c.image).size(), c.problems) << c.name;
}

TEST(PictureRules, SeamRatioTellsJoiningEdgesFromBrokenOnes) {
    Image ramp = solid(8, 8, 255);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ramp.rgba[(size_t(y) * 8 + x) * 4] = uint8_t(100 + 10 * x);
    Image dark = solid(8, 8, 255);
    for (size_t i = 0; i < dark.rgba.size(); i += 4)
        dark.rgba[i] = dark.rgba[i + 1] = dark.rgba[i + 2] = 0;
    EXPECT_LT(seamRatio(ramp, Side::Top, ramp, Side::Bottom), 0.01);
    EXPECT_GT(seamRatio(ramp, Side::Right, dark, Side::Left), 10.0);
    EXPECT_GT(seamRatio(ramp, Side::Top, solid(4, 4, 255), Side::Bottom), 1e6);
}

} // namespace
