// Before any GL header: the platform header defines the calling-convention macros.
#include "shell/main.h"

#include "tools/bench/scenes.h"

#include "ball/CPelegesoMgr.h"
#include "ball/pelegeso.h"
#include "camera/CCameraMgr.h"
#include "camera/camera.h"
#include "hud/CHud.h"
#include "props/CObjectsMgr.h"
#include "props/objects.h"

#include <cmath>

namespace scenes {
namespace {

// The farthest zoom and the steepest tilt the controls reach.
constexpr float ZOOM_FAR = -1000.0f;
constexpr float TILT_MAX = 73.0f;
// The ball's distance into the town at its middle (the town runs to z = -740).
constexpr float MID_TOWN_DEPTH = 375.0f;
// Props on the ball in the carrying scene: the first records of the town,
// about what the ball holds half-way through.
constexpr int CARRIED = 120;

} // namespace

void Title() {
    for (structObjects& prop : TheObjects)
        prop = structObjects{};
    ObjectsMgr->InitIntroObjects();
    CameraMgr->InitCamera();
    PelegesoMgr->InitPelegeso();
    Hud->LastItem = -1;
    Main.TitleStep = 0;
    Main.TitleWaiting = 0;
    Main.GameState = GAME_STATE_TITLE;
}

void PlayStart() {
    StartPlay();
}

void MidTown() {
    StartPlay();
    TheCamera.PosZ = MID_TOWN_DEPTH;
}

void ZoomedOut() {
    StartPlay();
    TheCamera.ViewZ = ZOOM_FAR;
}

void TiltedDown() {
    MidTown();
    TheCamera.RotY = TILT_MAX;
}

void Carrying() {
    StartPlay();
    // Spread round the ball as pickups leave them: offsets of a few units,
    // each turned about its own axis by its own angle.
    for (int i = 0; i < CARRIED; ++i) {
        structObjects& prop = TheObjects[i];
        if (prop.InWorld != 1)
            continue;
        const float heading = static_cast<float>(i * 37 % 360) * 0.0174532925f;
        prop.InWorld = 0;
        prop.StickX = 3.0f * std::cos(heading);
        prop.StickZ = 3.0f * std::sin(heading);
        prop.AxisX = 90.0f * std::cos(heading);
        prop.AxisZ = 90.0f * std::sin(heading);
        prop.StickAngle = -static_cast<float>(i * 53 % 360);
    }
    ThePelegeso.Angle = 40.0f;
    ThePelegeso.AxisX = 1.0f;
    // The last pickup's panel, as after taking the town's first prop.
    Hud->LastItem = TheObjects[0].TexID;
    Hud->GetName();
}

const Scene ALL[6] = {
    {"title", Title},          {"play, start", PlayStart},  {"play, mid-town", MidTown},
    {"zoomed out", ZoomedOut}, {"tilted down", TiltedDown}, {"carrying", Carrying}};

} // namespace scenes
