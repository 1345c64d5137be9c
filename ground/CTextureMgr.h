// The catalogue of every texture, by slot number.
#pragma once

#include "platform/glpng/glpng.h"

constexpr int TEXTURE_SLOTS = 60;
constexpr int MAP_TEX_BASE = 50;
constexpr int MAP_TILES = 10;

class CTextureMgr {
  public:
    // Only clears the slots; InitTextures loads them once the GL context exists.
    CTextureMgr() : Info{}, Textures{} {}

    // Starts decoding every image ahead of InitTextures; needs no GL context.
    static void DecodeTexturesAhead();
    void InitTextures();
    // The texture name in a slot; 0 (no texture) for slots outside 0..59.
    unsigned int GetTexture(int TextureID) const;
    // The texture name of map tile 0..9 (slot 50 + tile); 0 for other tiles.
    unsigned int GetMapTex(int TextureID) const;

    pngInfo Info;
    unsigned int Textures[TEXTURE_SLOTS];
};
