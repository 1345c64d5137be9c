// The catalogue of every texture, by slot number.
#pragma once

#include "platform/glpng/glpng.h"

constexpr int TEXTURE_SLOTS = 60;
constexpr int MAP_TEX_BASE = 50;

class CTextureMgr {
  public:
    void InitTextures();
    unsigned int GetTexture(int TextureID) const;
    unsigned int GetMapTex(int TextureID) const;

    pngInfo Info;
    unsigned int Textures[TEXTURE_SLOTS];
};
