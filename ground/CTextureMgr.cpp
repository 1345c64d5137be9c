#include "ground/CTextureMgr.h"

#include <GL/gl.h>

namespace {

struct SlotFile {
    int slot;
    const char* path;
    int wrap;
};

// Every image of the game, in loading order. Slots 49 and 59 stay empty.
const SlotFile kSlotFiles[] = {
    {0, "./Data//Images//Map//Grass.png", GL_REPEAT},
    {1, "./Data//Images//Pelegeso//earth.png", GL_CLAMP},
    {2, "./Data//Images//Pelegeso//vorlux.png", GL_CLAMP},
    {3, "./Data//Images//Buildings//Bakery_Front.png", GL_CLAMP},
    {4, "./Data//Images//Buildings//Drug_Front.png", GL_CLAMP},
    {5, "./Data//Images//Buildings//Hotel_Front.png", GL_CLAMP},
    {6, "./Data//Images//Buildings//Pizza_Front.png", GL_CLAMP},
    {7, "./Data//Images//Buildings//Police_Front.png", GL_CLAMP},
    {8, "./Data//Images//Buildings//Building_Front.png", GL_CLAMP},
    {9, "./Data//Images//Buildings//Building_Front2.png", GL_CLAMP},
    {10, "./Data//Images//Buildings//Game_Front.png", GL_CLAMP},
    {11, "./Data//Images//Buildings//Building_Side.png", GL_CLAMP},
    {12, "./Data//Images//Buildings//Building_Side2.png", GL_CLAMP},
    {13, "./Data//Images//Buildings//Game_Side.png", GL_CLAMP},
    {27, "./Data//Images//Buildings//Building_Side3.png", GL_CLAMP},
    {28, "./Data//Images//Buildings//Hospital_Front.png", GL_CLAMP},
    {29, "./Data//Images//Buildings//Hospital_Back.png", GL_CLAMP},
    {30, "./Data//Images//Buildings//Hospital_Side.png", GL_CLAMP},
    {31, "./Data//Images//Buildings//Building_Side4.png", GL_CLAMP},
    {33, "./Data//Images//Buildings//Burger.png", GL_CLAMP},
    {34, "./Data//Images//Buildings//Burger_Back.png", GL_CLAMP},
    {35, "./Data//Images//Buildings//Burger_Side.png", GL_CLAMP},
    {14, "./Data//Images//Objects//Bush.png", GL_CLAMP},
    {15, "./Data//Images//Objects//Bush2.png", GL_CLAMP},
    {16, "./Data//Images//Objects//Fence.png", GL_CLAMP},
    {17, "./Data//Images//Objects//Garbage.png", GL_CLAMP},
    {18, "./Data//Images//Objects//Sign.png", GL_CLAMP},
    {19, "./Data//Images//Objects//Sign2.png", GL_CLAMP},
    {20, "./Data//Images//Objects//Sign3.png", GL_CLAMP},
    {21, "./Data//Images//Objects//Sign4.png", GL_CLAMP},
    {22, "./Data//Images//Objects//TownFlag.png", GL_CLAMP},
    {23, "./Data//Images//Objects//Tree.png", GL_CLAMP},
    {24, "./Data//Images//Objects//Fence2.png", GL_CLAMP},
    {25, "./Data//Images//Objects//Fence3.png", GL_CLAMP},
    {26, "./Data//Images//Objects//Fence4.png", GL_CLAMP},
    {32, "./Data//Images//Objects//SmallBush.png", GL_CLAMP},
    {36, "./Data//Images//Title//p.png", GL_CLAMP},
    {37, "./Data//Images//Title//e.png", GL_CLAMP},
    {38, "./Data//Images//Title//l.png", GL_CLAMP},
    {39, "./Data//Images//Title//g.png", GL_CLAMP},
    {40, "./Data//Images//Title//s.png", GL_CLAMP},
    {41, "./Data//Images//Title//o.png", GL_CLAMP},
    {42, "./Data//Images//Title//a.png", GL_CLAMP},
    {43, "./Data//Images//Title//r.png", GL_CLAMP},
    {44, "./Data//Images//Title//v.png", GL_CLAMP},
    {45, "./Data//Images//Title//d.png", GL_CLAMP},
    {46, "./Data//Images//Title//u.png", GL_CLAMP},
    {47, "./Data//Images//Title//i.png", GL_CLAMP},
    {48, "./Data//Images//Title//n.png", GL_CLAMP},
    // The ground tiles; the grass is loaded again as a texture object of its own.
    {50, "./Data//Images//Map//Grass.png", GL_REPEAT},
    {51, "./Data//Images//Map//Flowers.png", GL_CLAMP},
    {52, "./Data//Images//Map//Path.png", GL_CLAMP},
    {53, "./Data//Images//Map//road.png", GL_CLAMP},
    {54, "./Data//Images//Map//roadMiddle.png", GL_CLAMP},
    {55, "./Data//Images//Map//Sidewalk.png", GL_CLAMP},
    {56, "./Data//Images//Map//roadMiddle2.png", GL_CLAMP},
    {57, "./Data//Images//Map//PathTR.png", GL_CLAMP},
    {58, "./Data//Images//Map//PathHor.png", GL_CLAMP},
};

} // namespace

void CTextureMgr::DecodeTexturesAhead() {
    const char* paths[sizeof kSlotFiles / sizeof kSlotFiles[0]];
    int count = 0;
    for (const SlotFile& entry : kSlotFiles)
        paths[count++] = entry.path;
    pngDecodeAhead(paths, count);
}

void CTextureMgr::InitTextures() {
    for (const SlotFile& entry : kSlotFiles)
        Textures[entry.slot] =
            pngBind(entry.path, PNG_NOMIPMAP, PNG_ALPHA, &Info, entry.wrap, GL_NEAREST, GL_NEAREST);
}

unsigned int CTextureMgr::GetTexture(int TextureID) const {
    if (TextureID < 0 || TextureID >= TEXTURE_SLOTS)
        return 0;
    return Textures[TextureID];
}

unsigned int CTextureMgr::GetMapTex(int TextureID) const {
    if (TextureID < 0 || TextureID >= MAP_TILES)
        return 0;
    return Textures[MAP_TEX_BASE + TextureID];
}
