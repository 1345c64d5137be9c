#include "icon.h"

#include <gtest/gtest.h>

namespace {

const uint8_t* At(const IconPicture& icon, int x, int y) {
    return &icon.rgba[(size_t(y) * icon.width + x) * 4];
}

IconPicture Plain(uint8_t r, uint8_t g, uint8_t b) {
    IconPicture texture;
    texture.width = 8;
    texture.height = 4;
    for (int i = 0; i < texture.width * texture.height; ++i)
        texture.rgba.insert(texture.rgba.end(), {r, g, b, 255});
    return texture;
}

int Brightness(const uint8_t* p) {
    return p[0] + p[1] + p[2];
}

} // namespace

// A lit disc: clear corners, an opaque middle, smooth edges, light from the upper left.
TEST(Icon, IsALitDiscAtEverySize) {
    for (int size : {16, 64, 256}) {
        SCOPED_TRACE(size);
        IconPicture icon = PaintBallIcon(Plain(40, 160, 60), size);
        ASSERT_EQ(icon.width, size);
        ASSERT_EQ(icon.height, size);
        ASSERT_EQ(icon.rgba.size(), size_t(size) * size * 4);
        for (auto [x, y] : {std::pair{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}})
            EXPECT_EQ(At(icon, x, y)[3], 0);
        EXPECT_EQ(At(icon, size / 2, size / 2)[3], 255);
        int partial = 0; // pixels of the rim, neither clear nor opaque
        for (size_t i = 3; i < icon.rgba.size(); i += 4)
            partial += icon.rgba[i] > 0 && icon.rgba[i] < 255;
        EXPECT_GE(partial, size) << "the edge is not smoothed";
        int q = size / 4;
        EXPECT_GT(Brightness(At(icon, q + 1, q + 1)), Brightness(At(icon, size - q, size - q)));
    }
}

// The ball shows its texture's colour; with no texture it still gets a colour of its own.
TEST(Icon, TakesItsColourFromTheTexture) {
    struct Case {
        IconPicture texture;
        int strongest; // colour channel that must dominate the middle of the disc
    };
    for (const Case& c : {Case{Plain(220, 30, 30), 0}, Case{Plain(30, 220, 30), 1},
                          Case{Plain(30, 30, 220), 2}, Case{IconPicture{}, 0}}) {
        SCOPED_TRACE(c.strongest);
        IconPicture icon = PaintBallIcon(c.texture, 64);
        const uint8_t* middle = At(icon, 32, 40);
        for (int k = 0; k < 3; ++k) {
            if (k == c.strongest)
                continue;
            EXPECT_GT(middle[c.strongest], middle[k] + 40);
        }
    }
}
