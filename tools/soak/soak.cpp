// The soak: the real game loop with a fake clock runs the whole title, then
// plays for a given number of frames (10 000 by default) with scripted keys:
// seeking props to take, turning, backing, zooming, tilting and the HUD key,
// through pickups and push-backs. Meant to run under valgrind (soak.sh). Prints what it did and
// fails when the run did not get through all of it.
#include "ball/pelegeso.h"
#include "camera/camera.h"
#include "platform/dinput/dinput.h"
#include "platform/seam.h"
#include "props/CObjectsMgr.h"
#include "props/objects.h"
#include "shell/main.h"
#include "tests/kit/kit.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kFinalTitleStep = 7;
constexpr int kOverlayFrames = 100; // of the finished title, before Enter
constexpr int kTitleFrameLimit = 20000;
constexpr int kReportEvery = 1000;

// Keys held together for a stretch of play, and how often it is chosen.
struct Stretch {
    uint8_t keys[2];
    int count;
    int weight;
};

const Stretch kStretches[] = {
    {{DIK_W}, 1, 3}, {{DIK_W, DIK_A}, 2, 2}, {{DIK_W, DIK_D}, 2, 2}, {{DIK_S}, 1, 2},
    {{DIK_J}, 1, 1}, {{DIK_L}, 1, 1},        {{DIK_Q}, 1, 1},        {{DIK_E}, 1, 1},
    {{DIK_I}, 1, 1}, {{DIK_K}, 1, 1},        {{DIK_S, DIK_A}, 2, 1}, {{DIK_1}, 1, 1},
};

constexpr float kDegrees = 57.29578f;
constexpr float kAimTolerance = 3.0f; // degrees off the target still rolled at
constexpr int kSeekFrames = 300;      // of seeking between two stretches
constexpr int kPatienceFrames = 90;   // without getting closer before giving up
constexpr int kGiveUpFrames = 2000;   // a target given up on is left alone so long

// The middle of a prop's footprint.
void Centre(const structObjects& prop, float& x, float& z) {
    x = prop.PosX + prop.Width * 0.5f;
    z = prop.Depth == 0.0f   ? prop.PosZ
        : prop.Width == 0.0f ? prop.PosZ + prop.Depth * 0.5f
                             : prop.PosZ - prop.Depth * 0.5f;
}

// Plays like a player who wants the ball to grow: turns towards the nearest
// prop it can take and rolls there; now and then, and whenever it gets stuck
// behind a prop too heavy to take, it does something else for a stretch
// (backing, strafing turns, zoom, tilt, the HUD key). A fixed pseudo-random
// sequence, so every soak plays the same game.
class Script {
  public:
    void Frame(int frame) {
        if (stretchLeft_ > 0) {
            --stretchLeft_;
            HoldKeys(stretch_->keys, stretch_->count);
            return;
        }
        if (++seeking_ > kSeekFrames) {
            StartStretch();
            return;
        }
        const int target = Nearest(frame);
        if (target < 0) {
            StartStretch();
            return;
        }
        float x, z;
        Centre(TheObjects[target], x, z);
        const float dx = x + TheCamera.PosX, dz = z + TheCamera.PosZ; // from the ball
        const float distance = std::sqrt(dx * dx + dz * dz);
        if (target != target_ || distance < closest_ - 0.5f) {
            target_ = target;
            closest_ = distance;
            since_ = frame;
        } else if (frame - since_ > kPatienceFrames) {
            givenUpAt_[target] = frame + 1;
            StartStretch();
            return;
        }
        // Forward is (sin, -cos) of the heading; turning right raises it.
        float off = std::atan2(dx, -dz) * kDegrees - TheCamera.RotX;
        off = std::remainder(off, 360.0f);
        const uint8_t turn = off > 0 ? DIK_D : DIK_A;
        const uint8_t keys[2] = {DIK_W, turn};
        if (std::fabs(off) <= kAimTolerance)
            HoldKeys(keys, 1);
        else if (std::fabs(off) < 30.0f)
            HoldKeys(keys, 2);
        else
            HoldKeys(&turn, 1);
    }
    // Whether the keys of the last frame included the backward key.
    bool HeldBackward() const { return heldBackward_; }

  private:
    void HoldKeys(const uint8_t* keys, int count) {
        seam::SetKeyFeed(true);
        seam::ReleaseAllKeys();
        heldBackward_ = false;
        for (int i = 0; i < count; ++i) {
            seam::SetKey(keys[i], true);
            heldBackward_ |= keys[i] == DIK_S;
        }
    }
    int Nearest(int frame) const {
        int best = -1;
        float bestDistance = 0.0f;
        for (int slot = 0; slot < MAX_OBJECTS; ++slot) {
            const structObjects& prop = TheObjects[slot];
            if (prop.InWorld != 1 || !ObjectsMgr->isBigEnough(prop.TexID) ||
                (givenUpAt_[slot] && frame + 1 - givenUpAt_[slot] < kGiveUpFrames))
                continue;
            float x, z;
            Centre(prop, x, z);
            const float dx = x + TheCamera.PosX, dz = z + TheCamera.PosZ;
            const float distance = dx * dx + dz * dz;
            if (best < 0 || distance < bestDistance) {
                best = slot;
                bestDistance = distance;
            }
        }
        return best;
    }
    void StartStretch() {
        seeking_ = 0;
        target_ = -1;
        int total = 0;
        for (const Stretch& s : kStretches)
            total += s.weight;
        int pick = static_cast<int>(Random() % static_cast<unsigned>(total));
        for (const Stretch& s : kStretches) {
            stretch_ = &s;
            if (pick < s.weight)
                break;
            pick -= s.weight;
        }
        // The HUD key is tapped; the others are held for a while.
        stretchLeft_ = stretch_->keys[0] == DIK_1 ? 1 : 20 + static_cast<int>(Random() % 40);
    }
    unsigned Random() {
        state_ = state_ * 1103515245u + 12345u;
        return state_ >> 8;
    }
    unsigned state_ = 20240601u;
    const Stretch* stretch_ = &kStretches[0];
    int stretchLeft_ = 0;
    int seeking_ = 0;
    int target_ = -1;
    float closest_ = 0.0f;
    int since_ = 0;
    int givenUpAt_[MAX_OBJECTS] = {};
    bool heldBackward_ = false;
};

int Taken() {
    int taken = 0;
    for (const structObjects& prop : TheObjects)
        taken += prop.TexID != 0 && prop.InWorld == 0 ? 1 : 0;
    return taken;
}

} // namespace

int main(int argc, char** argv) {
    const int playFrames = argc > 1 ? std::atoi(argv[1]) : 10000;
    kit::FakeClock clock;
    kit::GameRun run;
    Script script;
    int titleFrames = 0, overlayFrames = 0, played = 0, pushBacks = 0;
    run.onFrame = [&](int frame) {
        if (Main.GameState == GAME_STATE_TITLE) {
            ++titleFrames;
            overlayFrames += Main.TitleStep == kFinalTitleStep ? 1 : 0;
            if (overlayFrames >= kOverlayFrames)
                kit::FeedKeys({DIK_RETURN});
            else
                kit::FeedKeys({});
            return frame < kTitleFrameLimit;
        }
        // A step that was pushed back ends with the backward code; clearing
        // it here lets each frame tell its own.
        if (!script.HeldBackward() && ThePelegeso.Direction == DIR_BACKWARD)
            ++pushBacks;
        ThePelegeso.Direction = 0;
        if (played % kReportEvery == 0) {
            std::printf("play frame %d: weight %.1f, props taken %d\n", played,
                        static_cast<double>(ThePelegeso.Weight), Taken());
            std::fflush(stdout);
        }
        script.Frame(played);
        return ++played < playFrames;
    };
    const int exitValue = run.Run();
    seam::SetKeyFeed(false);
    const bool ok = exitValue == 0 && overlayFrames >= kOverlayFrames && played == playFrames &&
                    Taken() > 0 && pushBacks > 0 && run.boxes.size() == 1;
    std::printf("title frames %d (overlay shown %d), play frames %d, weight %.1f, props taken %d, "
                "push-backs %d, message boxes %zu, exit value %d: %s\n",
                titleFrames, overlayFrames, played, static_cast<double>(ThePelegeso.Weight),
                Taken(), pushBacks, run.boxes.size(), exitValue, ok ? "ok" : "FAILED");
    return ok ? 0 : 1;
}
