#include "hud/CHud.h"

#include "ball/pelegeso.h"
#include "ground/CTextureMgr.h"
#include "hud/CFontsMgr.h"
#include "hud/NumberFormat.h"
#include "shell/main.h"

#include <GL/gl.h>

namespace {

// The HUD's flat space: 133 x 100, y down from the top-left corner.
constexpr double HUD_WIDTH = 133.0;
constexpr double HUD_HEIGHT = 100.0;

constexpr int WEIGHT_DIGITS = 4;
constexpr int WEIGHT_TEXT_SIZE = 50;

void PanelColour() {
    glColor4f(0.8f, 0.13f, 0.32f, 0.5f);
}

void Quad(float left, float top, float right, float bottom) {
    glBegin(GL_QUADS);
    glVertex2f(left, top);
    glVertex2f(right, top);
    glVertex2f(right, bottom);
    glVertex2f(left, bottom);
    glEnd();
}

} // namespace

CHud::CHud() : LastItem(-1), LastItemName(nullptr) {}

void CHud::DrawHud() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, HUD_WIDTH, HUD_HEIGHT, 0.0, -100.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    if (Main.GameState == GAME_STATE_PLAYING) {
        DrawMass();
        if (LastItem != -1)
            DrawLastItem();
    }
    if (Main.TitleStep == 7)
        DrawTitle();

    // The size kept in Main, not the client size: a resized window gets its
    // 640 x 480 viewport back here.
    Main.ReSizeGLScene(Main.WindowWidth, Main.WindowHeight);
}

void CHud::DrawMass() {
    glEnable(GL_BLEND);
    PanelColour();
    Quad(0.0f, 93.0f, 40.0f, 100.0f);
    glDisable(GL_BLEND);

    glColor3f(0.9f, 0.9f, 0.9f);
    glRasterPos2f(0.0f, 98.0f);
    FontsMgr->PrintString(FontsMgr->GetlistBase(0), "Weight: ");
    char weight[WEIGHT_TEXT_SIZE];
    FormatSignificant(static_cast<double>(ThePelegeso.Weight), WEIGHT_DIGITS, weight,
                      sizeof weight);
    FontsMgr->PrintString(FontsMgr->GetlistBase(0), weight);
    glColor3f(1.0f, 1.0f, 1.0f);
}

void CHud::DrawLastItem() {
    glEnable(GL_BLEND);
    PanelColour();
    Quad(112.0f, 83.0f, 133.0f, 100.0f);

    glColor3f(1.0f, 1.0f, 1.0f);
    glRasterPos2f(113.0f, 86.0f);
    FontsMgr->PrintString(FontsMgr->GetlistBase(1), LastItemName);

    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glAlphaFunc(GL_GREATER, 0.0f);
    glEnable(GL_ALPHA_TEST);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, TextureMgr->GetTexture(LastItem));
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(118.0f, 98.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(128.0f, 98.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(128.0f, 88.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(118.0f, 88.0f);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
}
