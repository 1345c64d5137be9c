// The prop file through the real reading, CObjectsMgr::InitObjects, then the
// start of play on the town it gave: steps in every direction, each running
// the collision pass with its pickups and push-backs.
#include "tests/fuzz/fuzz_support.h"

// Before any GL header: the platform header defines the calling-convention macros.
#include "shell/main.h"

#include "ball/CPelegesoMgr.h"
#include "ball/pelegeso.h"
#include "camera/CCameraMgr.h"
#include "camera/camera.h"
#include "hud/CHud.h"
#include "platform/seam.h"
#include "props/CObjectsMgr.h"
#include "props/objects.h"

#include <cmath>

namespace {

const char* const kPropFile = "./Data//Map//Map.txt";
constexpr int32_t kUntouchedType = -7777;
constexpr float kUntouchedStick = 42.0f;

// The first steps of play: forward through the props placed near the start,
// sideways, diagonally, turned and back.
const int kSteps[] = {DIR_FORWARD,    DIR_FORWARD,  DIR_FORWARD,       DIR_FORWARD,
                      DIR_FORWARD,    DIR_FORWARD,  DIR_FORWARD,       DIR_FORWARD,
                      DIR_LEFT,       DIR_LEFT,     DIR_FORWARD_LEFT,  DIR_FORWARD_RIGHT,
                      DIR_RIGHT,      DIR_RIGHT,    DIR_TURN_LEFT,     DIR_FORWARD,
                      DIR_TURN_RIGHT, DIR_BACKWARD, DIR_BACKWARD_LEFT, DIR_BACKWARD_RIGHT,
                      DIR_BACKWARD,   DIR_ZOOM_IN,  DIR_ZOOM_OUT,      DIR_BACKWARD};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::EnterTempDir();
    fuzz::MakeDirs("Data/Map");
    // The file is always there, so its error box must never come up.
    seam::SetMessageBoxAnswerer([](const std::string& text, const std::string&, unsigned) {
        fuzz::Fail(text.c_str(), __FILE__, __LINE__);
        return IDOK;
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::WriteFile(kPropFile, data, size);
    for (structObjects& prop : TheObjects) {
        prop = structObjects{};
        prop.TexID = kUntouchedType;
        prop.StickX = kUntouchedStick;
    }
    ObjectsMgr->InitObjects();

    // The records read fill slots 0 upwards; every later slot and every
    // pickup field stays as it was.
    int filled = 0;
    while (filled < MAX_OBJECTS && TheObjects[filled].InWorld == 1)
        ++filled;
    for (int slot = 0; slot < MAX_OBJECTS; ++slot) {
        const structObjects& prop = TheObjects[slot];
        FUZZ_CHECK(prop.StickX == kUntouchedStick);
        if (slot >= filled)
            FUZZ_CHECK(prop.InWorld == 0 && prop.TexID == kUntouchedType);
    }

    Hud->LastItem = -1;
    CameraMgr->InitCamera();
    PelegesoMgr->InitPelegeso();
    for (int step : kSteps)
        CameraMgr->MoveDirection(step);
    PelegesoMgr->KillWindow(); // frees the ball's quadric, as the shut-down does
    for (const structObjects& prop : TheObjects)
        FUZZ_CHECK(prop.InWorld == 0 || prop.InWorld == 1);
    FUZZ_CHECK(std::isfinite(ThePelegeso.Weight));
    return 0;
}
