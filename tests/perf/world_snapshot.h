// A copy of everything a frame of the game reads and its title script
// advances, so one frame can be drawn twice from the same state.
#pragma once

#include "ball/pelegeso.h"
#include "camera/CCameraMgr.h"
#include "camera/camera.h"
#include "props/objects.h"

namespace perf {

struct WorldSnapshot {
    structCamera camera;
    structPelegeso ball;
    structObjects objects[MAX_OBJECTS];
    StepOrigin origin;
    int titleStep;
    int titleStartTime;
    unsigned char titleWaiting;
    int lastItem;
    const char* lastItemName;

    void Take();
    void Restore() const;
};

} // namespace perf
