#include "shell/main.h"

#include "ball/CPelegesoMgr.h"
#include "ball/pelegeso.h"
#include "camera/CCameraMgr.h"
#include "camera/camera.h"
#include "hud/CHud.h"
#include "props/CObjectsMgr.h"
#include "props/objects.h"

#include <GL/gl.h>

namespace {

constexpr int FINAL_TITLE_STEP = 7;
// The letter of the middle row that hops and then slides away from the ball.
constexpr int HOPPING_LETTER = 11;
constexpr float PAUSE_SECONDS = 3.0f;

// Time in seconds as the game measures it everywhere: ticks as f32 times 0.001.
float Now() {
    return static_cast<float>(GetTickCount()) * 0.001f;
}

// The opening pause runs from the whole second of the first title frame, so
// it lasts 2 to 3 seconds.
void RunPause() {
    const float now = Now();
    if (Main.TitleStartTime == -1)
        Main.TitleStartTime = static_cast<int>(static_cast<unsigned int>(now));
    if (now - static_cast<float>(Main.TitleStartTime) > PAUSE_SECONDS)
        Main.TitleWaiting = 0;
}

void Move() {
    CameraMgr->MoveDirection(DIR_FORWARD);
}

void Turn() {
    CameraMgr->MoveDirection(DIR_TURN_RIGHT);
    CameraMgr->MoveDirection(DIR_TURN_RIGHT);
}

// One action of the title script: the first line of the current step whose
// condition holds. The route runs round and through the letter rows.
void RunScriptAction() {
    structCamera& cam = TheCamera;
    structObjects& hopper = TheObjects[HOPPING_LETTER];
    switch (Main.TitleStep) {
    case 0:
        if (cam.PosZ < 35.0f)
            Move();
        else if (cam.RotX < 90.0f)
            Turn();
        else if (cam.PosX > -40.0f)
            Move();
        else
            Main.TitleStep = 1;
        break;
    case 1:
        if (cam.RotX < 180.0f)
            Turn();
        else if (cam.PosZ > 10.0f)
            Move();
        else
            Main.TitleStep = 2;
        break;
    case 2:
        if (cam.RotX < 270.0f)
            Turn();
        else if (cam.PosX < 40.0f)
            Move();
        else
            Main.TitleStep = 3;
        break;
    case 3:
        // The turn ends when the heading wraps from 359 to 0.
        if (cam.RotX < 360.0f && cam.RotX != 0.0f)
            Turn();
        else if (cam.PosZ < 35.0f)
            Move();
        else
            Main.TitleStep = 4;
        break;
    case 4:
        if (cam.RotX < 90.0f)
            Turn();
        else if (cam.PosX > -5.0f)
            Move();
        else
            Main.TitleStep = 5;
        break;
    case 5:
        if (cam.RotX < 180.0f)
            Turn();
        else if (hopper.PosY < 2.0f)
            hopper.PosY += 0.5f;
        else
            Main.TitleStep = 6;
        break;
    case 6:
        if (hopper.PosY > -2.0f) {
            hopper.PosY -= 0.5f;
        } else if (cam.PosZ > -10.0f) {
            hopper.PosZ += 0.5f;
            Move();
        } else {
            Main.TitleStep = FINAL_TITLE_STEP;
        }
        break;
    default:
        break;
    }
}

} // namespace

void CMain::RenderTitle() {
    // A fixed view: the letters stand still while the ball rolls among them.
    glTranslatef(TheCamera.ViewX, TheCamera.ViewY, TheCamera.ViewZ);
    glRotatef(TheCamera.ViewYaw, 0.0f, 1.0f, 0.0f);
    glRotatef(TheCamera.ViewPitch, 1.0f, 0.0f, 0.0f);

    if (TitleWaiting)
        RunPause();
    if (!TitleWaiting)
        RunScriptAction();

    // No push or pop: the props' (0, -2, 0) shift carries over to the ball.
    ObjectsMgr->DrawObjects();
    glTranslatef(-TheCamera.PosX, 0.0f, -TheCamera.PosZ);
    glRotatef(ThePelegeso.Angle, ThePelegeso.AxisX, 0.0f, ThePelegeso.AxisZ);
    PelegesoMgr->DrawPelegeso();

    if (ShowHud)
        Hud->DrawHud();
}
