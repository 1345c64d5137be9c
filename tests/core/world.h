// A fresh world for the core tests: camera and ball reset, every prop slot
// empty, and props placed by type, shape and anchor.
#pragma once

// First: the platform header defines the calling-convention macros GL also defines.
#include "shell/main.h"

#include "ball/CPelegesoMgr.h"
#include "ball/pelegeso.h"
#include "camera/CCameraMgr.h"
#include "camera/camera.h"
#include "props/CObjectsMgr.h"
#include "props/objects.h"

#include <cstring>

namespace core {

inline void ResetWorld() {
    CameraMgr->InitCamera();
    ThePelegeso = structPelegeso{};
    std::memset(TheObjects, 0, sizeof TheObjects);
}

// A prop standing on the ground, with the prop file's argument order.
inline void Place(int slot, int type, float x, float z, float depth, float width,
                  float height = 5.0f) {
    ObjectsMgr->SetObject(slot, type, x, 0.0f, z, depth, width, height);
}

// A type that no weight can take: a hospital front.
constexpr int HEAVY = 28;
// A type that any weight can take: a bush.
constexpr int LIGHT = 14;

} // namespace core
