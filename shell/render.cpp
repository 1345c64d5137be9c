#include "shell/main.h"

#include "ball/CPelegesoMgr.h"
#include "ball/pelegeso.h"
#include "camera/camera.h"
#include "ground/ground.h"
#include "hud/CHud.h"
#include "props/CObjectsMgr.h"

#include <GL/gl.h>

int CMain::Render() {
    FrameStartTick = GetTickCount();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glColor3f(1.0f, 1.0f, 1.0f);
    if (GameState == GAME_STATE_PLAYING)
        RenderGame();
    else if (GameState == GAME_STATE_TITLE)
        RenderTitle();
    // Hand the frame to the rasteriser now: a software renderer that defers
    // its rasterising to the buffer swap would otherwise idle through the wait.
    glFlush();
    // Frames last at least 12 ms; the unsigned difference survives a tick wrap.
    while (static_cast<uint32_t>(GetTickCount() - FrameStartTick) < 12u) {
    }
    return TRUE;
}

void CMain::RenderGame() {
    glTranslatef(TheCamera.ViewX, TheCamera.ViewY, TheCamera.ViewZ);
    glRotatef(TheCamera.ViewYaw, 0.0f, 1.0f, 0.0f);
    glRotatef(TheCamera.ViewPitch, 1.0f, 0.0f, 0.0f);
    glRotatef(TheCamera.RotY, 1.0f, 0.0f, 0.0f);
    glRotatef(TheCamera.RotX, 0.0f, 1.0f, 0.0f);
    glTranslatef(TheCamera.PosX, 0.0f, TheCamera.PosZ);

    DrawGround();

    glPushMatrix();
    ObjectsMgr->DrawObjects();
    glPopMatrix();

    glPushMatrix();
    glTranslatef(-TheCamera.PosX, 0.0f, -TheCamera.PosZ);
    glRotatef(ThePelegeso.Angle, ThePelegeso.AxisX, 0.0f, ThePelegeso.AxisZ);
    PelegesoMgr->DrawPelegeso();
    glPopMatrix();

    if (ShowHud)
        Hud->DrawHud();
}
