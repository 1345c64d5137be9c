#include "tools/town/game_link.h"

#include "ball/CPelegesoMgr.h"
#include "ball/pelegeso.h"
#include "camera/CCameraMgr.h"
#include "camera/camera.h"
#include "hud/CHud.h"
#include "props/CObjectsMgr.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

// Types the probe asks about: the town props and the title letters, with a
// few on either side.
constexpr int PROBED_TYPES = 64;

// The least weight for which isBigEnough holds, by bisection over the
// ordered bit patterns of non-negative floats.
float ProbeThreshold(int type) {
    ThePelegeso.Weight = 0;
    if (ObjectsMgr->isBigEnough(type))
        return 0;
    const float ceiling = 1e9f;
    ThePelegeso.Weight = ceiling;
    if (!ObjectsMgr->isBigEnough(type))
        return std::numeric_limits<float>::infinity();
    uint32_t low = 0, high = 0;
    std::memcpy(&high, &ceiling, sizeof high);
    while (high - low > 1) {
        uint32_t mid = low + (high - low) / 2;
        std::memcpy(&ThePelegeso.Weight, &mid, sizeof mid);
        (ObjectsMgr->isBigEnough(type) ? high : low) = mid;
    }
    float threshold = 0;
    std::memcpy(&threshold, &high, sizeof high);
    return threshold;
}

float ProbeIncrement(int type) {
    ThePelegeso.Weight = 0;
    PelegesoMgr->AddWeight(type);
    return ThePelegeso.Weight;
}

std::string ProbeName(int type) {
    Hud->LastItem = type;
    Hud->LastItemName = nullptr;
    Hud->GetName();
    std::string name = Hud->LastItemName ? Hud->LastItemName : "";
    Hud->LastItem = -1;
    return name;
}

} // namespace

std::vector<TypeRule> ProbeRules() {
    std::vector<TypeRule> rules(PROBED_TYPES);
    for (int type = 0; type < PROBED_TYPES; ++type)
        rules[type] = {ProbeThreshold(type), ProbeIncrement(type), ProbeName(type)};
    ThePelegeso.Weight = 0;
    return rules;
}

const TypeRule& RuleOf(const std::vector<TypeRule>& rules, int type) {
    static const TypeRule none{0, 0, ""};
    return type >= 0 && type < static_cast<int>(rules.size()) ? rules[type] : none;
}

std::string Describe(const PropRecord& r, const std::vector<TypeRule>& rules) {
    const std::string& name = RuleOf(rules, r.TexID).Name;
    return "record " + std::to_string(r.Index) + " (" +
           (name.empty() ? "type " + std::to_string(r.TexID) : name) + ")";
}

void ResetGame(const std::vector<PropRecord>& records) {
    for (structObjects& slot : TheObjects)
        slot = structObjects{};
    for (const PropRecord& r : records)
        ObjectsMgr->SetObject(r.Index, r.TexID, r.PosX, r.PosY, r.PosZ, r.Depth, r.Width, r.Height);
    CameraMgr->InitCamera();
    PelegesoMgr->InitPelegeso();
}

void ReleaseGame() {
    PelegesoMgr->KillWindow();
}

bool StepInTown(int code) {
    return CameraMgr->StepInTown(code);
}

void Issue(int code) {
    CameraMgr->MoveDirection(code);
}

BallPose Ball() {
    return {-TheCamera.PosX, TheCamera.PosZ, TheCamera.RotX};
}

float Weight() {
    return ThePelegeso.Weight;
}

bool Standing(int slot) {
    return TheObjects[slot].InWorld != 0;
}

bool Takeable(int type) {
    return ObjectsMgr->isBigEnough(type);
}
