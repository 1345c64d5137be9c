// The texture catalogue: which file each slot holds, its wrap mode, the order
// of loading, and the lookups.
#include "ground/CTextureMgr.h"
#include "tests/ground/gl_context.h"
#include "tests/ground/image_folder.h"
#include "tests/kit/kit.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdlib>
#include <new>
#include <unistd.h>

namespace {

// CatalogueImages() lists slots 0..48 in slot order, then map tiles 1..8;
// slot 50 is the grass again.
int ImageOfSlot(int slot) {
    if (slot <= 48)
        return slot;
    return slot == MAP_TEX_BASE ? 0 : slot - 2;
}

std::array<int, 3> FirstTexel(unsigned int texture) {
    unsigned char rgba[2 * 2 * 4] = {};
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return {rgba[0], rgba[1], rgba[2]};
}

class Catalogue : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "GL tests run under Xvfb";
        ASSERT_TRUE(gl.Ready());
        ASSERT_EQ(chdir(kit::TempDir().c_str()), 0);
    }
    GlContext gl;
    CTextureMgr textures;
};

TEST(CatalogueConstruction, StartsWithEverySlotEmpty) {
    alignas(CTextureMgr) unsigned char storage[sizeof(CTextureMgr)];
    std::fill(std::begin(storage), std::end(storage), 0xAB);
    CTextureMgr* textures = new (storage) CTextureMgr;
    for (int slot = 0; slot < TEXTURE_SLOTS; ++slot)
        EXPECT_EQ(textures->GetTexture(slot), 0u) << slot;
    textures->~CTextureMgr();
}

TEST_F(Catalogue, EachSlotHoldsItsImageWithItsWrapMode) {
    const std::vector<ImageFile> images = CatalogueImages();
    ASSERT_TRUE(WriteImages(".", images));
    textures.InitTextures();

    for (int slot = 0; slot < TEXTURE_SLOTS; ++slot) {
        const unsigned int texture = textures.GetTexture(slot);
        if (slot == 49 || slot == 59) {
            EXPECT_EQ(texture, 0u) << "slot " << slot << " is never loaded";
            continue;
        }
        ASSERT_NE(texture, 0u) << "slot " << slot;
        EXPECT_EQ(FirstTexel(texture), images[ImageOfSlot(slot)].colour) << "slot " << slot;
        GLint wrapS = 0, wrapT = 0, minFilter = 0, magFilter = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrapS);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &wrapT);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
        const GLint wrap = slot == 0 || slot == MAP_TEX_BASE ? GL_REPEAT : GL_CLAMP;
        EXPECT_EQ(wrapS, wrap) << "slot " << slot;
        EXPECT_EQ(wrapT, wrap) << "slot " << slot;
        EXPECT_EQ(minFilter, GL_NEAREST) << "slot " << slot;
        EXPECT_EQ(magFilter, GL_NEAREST) << "slot " << slot;
    }
    EXPECT_EQ(textures.Info.Width, 2u) << "the last load fills the image record";
}

TEST_F(Catalogue, LoadsInTheGameOrder) {
    ASSERT_TRUE(WriteImages(".", CatalogueImages()));
    textures.InitTextures();
    // A fresh context hands out texture names in increasing order, so the
    // names follow the order of loading.
    std::vector<int> order;
    for (int s = 0; s <= 13; ++s)
        order.push_back(s);
    for (int s : {27, 28, 29, 30, 31, 33, 34, 35})
        order.push_back(s);
    for (int s = 14; s <= 26; ++s)
        order.push_back(s);
    order.push_back(32);
    for (int s = 36; s <= 48; ++s)
        order.push_back(s);
    for (int s = 50; s <= 58; ++s)
        order.push_back(s);
    for (size_t i = 1; i < order.size(); ++i)
        EXPECT_LT(textures.GetTexture(order[i - 1]), textures.GetTexture(order[i]))
            << "slot " << order[i - 1] << " loads before slot " << order[i];
}

TEST_F(Catalogue, MapTilesAreSlotsFromFiftyAndGrassIsLoadedTwice) {
    ASSERT_TRUE(WriteImages(".", CatalogueImages()));
    textures.InitTextures();
    for (int tile = 0; tile < MAP_TILES; ++tile)
        EXPECT_EQ(textures.GetMapTex(tile), textures.GetTexture(MAP_TEX_BASE + tile)) << tile;
    EXPECT_NE(textures.GetMapTex(0), textures.GetTexture(0));
    EXPECT_EQ(FirstTexel(textures.GetMapTex(0)), FirstTexel(textures.GetTexture(0)));
    EXPECT_EQ(textures.GetMapTex(9), 0u);
}

TEST_F(Catalogue, LookupsOutsideTheTableGiveNoTexture) {
    ASSERT_TRUE(WriteImages(".", CatalogueImages()));
    textures.InitTextures();
    for (int slot : {-1, TEXTURE_SLOTS, 1000, INT_MIN, INT_MAX})
        EXPECT_EQ(textures.GetTexture(slot), 0u) << slot;
    for (int tile : {-1, MAP_TILES, 99999, INT_MIN, INT_MAX})
        EXPECT_EQ(textures.GetMapTex(tile), 0u) << tile;
}

TEST_F(Catalogue, MissingImageFolderLeavesEverySlotEmpty) {
    textures.InitTextures();
    for (int slot = 0; slot < TEXTURE_SLOTS; ++slot)
        EXPECT_EQ(textures.GetTexture(slot), 0u) << slot;
}

} // namespace
