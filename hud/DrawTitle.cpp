#include "ground/CTextureMgr.h"
#include "hud/CFontsMgr.h"
#include "hud/CHud.h"
#include "shell/main.h"

#include <GL/gl.h>

namespace {

constexpr float LETTER_WIDTH = 13.3f;
constexpr float LETTER_HEIGHT = 10.0f;

struct OverlayLetter {
    float x, y;
    int TexID;
};

// The title in letter pictures: VESLDURIAN, AR, PELEGESO, each row left to right.
const OverlayLetter OVERLAY_LETTERS[] = {
    {0.0f, 3.0f, 44},   {13.3f, 3.0f, 37},  {26.6f, 3.0f, 40},  {39.9f, 3.0f, 38},
    {53.2f, 3.0f, 45},  {66.5f, 3.0f, 46},  {79.8f, 3.0f, 43},  {93.1f, 3.0f, 47},
    {106.4f, 3.0f, 42}, {119.7f, 3.0f, 48}, {53.2f, 15.0f, 42}, {66.4f, 15.0f, 43},
    {13.3f, 27.0f, 36}, {26.6f, 27.0f, 37}, {39.9f, 27.0f, 38}, {53.2f, 27.0f, 37},
    {66.5f, 27.0f, 39}, {79.8f, 27.0f, 37}, {93.1f, 27.0f, 40}, {106.4f, 27.0f, 41}};

struct OverlayLine {
    float x, y;
    int font;
    const char* text;
};

const OverlayLine OVERLAY_LINES[] = {{50.2f, 40.0f, 1, "You can press ENTER now..."},
                                     {1.0f, 92.0f, 0, "by Tarnwell"},
                                     {1.0f, 97.0f, 2, "who nearly forgot to credit himself..."}};

} // namespace

void CHud::DrawTitle() {
    for (const OverlayLetter& letter : OVERLAY_LETTERS)
        DrawLetter(letter.x, letter.y, letter.TexID);
    // Each raster position latches the current colour, white, for its line.
    for (const OverlayLine& line : OVERLAY_LINES) {
        glRasterPos2f(line.x, line.y);
        FontsMgr->PrintString(FontsMgr->GetlistBase(line.font), line.text);
    }
}

void CHud::DrawLetter(float PosX, float PosZ, int TexID) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, TextureMgr->GetTexture(TexID));
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(PosX, PosZ + LETTER_HEIGHT);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(PosX + LETTER_WIDTH, PosZ + LETTER_HEIGHT);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(PosX + LETTER_WIDTH, PosZ);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(PosX, PosZ);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}
