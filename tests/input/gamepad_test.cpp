// The gamepad: its set-up with both callbacks, and in the real loop the
// buttons, the stick rows with the town bounds, the tank turning and an
// unplugged controller.
#include "ball/pelegeso.h"
#include "camera/CCameraMgr.h"
#include "camera/camera.h"
#include "input/CGamepad.h"
#include "platform/seam.h"
#include "props/objects.h"
#include "shell/main.h"
#include "tests/input/own_display.h"
#include "tests/input/play_run.h"
#include "tests/input/virtual_pad.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

int Calls(const std::string& name) {
    const auto& log = seam::CallLog();
    return static_cast<int>(std::count(log.begin(), log.end(), name));
}

// Set-up needs a window handle for the cooperative level, not a window.
class GamepadSetUp : public ::testing::Test {
  protected:
    void SetUp() override {
        Main.WindowHandle = reinterpret_cast<HWND>(&somewhere_);
        Main.InstanceHandle = GetModuleHandleA(nullptr);
    }
    // The gamepad left to Main's destructor must not log: the log is gone by then.
    void TearDown() override {
        seam::SetCallLogging(false);
        Main.WindowHandle = nullptr;
    }

  private:
    int somewhere_ = 0;
};

TEST_F(GamepadSetUp, WithoutAControllerThereIsNoGamepad) {
    seam::SetCallLogging(true);
    EXPECT_FALSE(Gamepad->Initialize());
    EXPECT_EQ(Gamepad->Device, nullptr);
    EXPECT_EQ(Gamepad->Caps.dwSize, 44u);
    EXPECT_EQ(Calls("IDirectInput8A::EnumDevices"), 1);
    seam::ClearCallLog();
    EXPECT_EQ(Gamepad->UpdateInputState(Main.WindowHandle), 0);
    EXPECT_TRUE(seam::CallLog().empty());
}

TEST_F(GamepadSetUp, TakesTheControllerAndGivesEveryAxisTheRange) {
    VirtualPad pad;
    ASSERT_TRUE(pad.Ok());
    seam::SetCallLogging(true);
    ASSERT_TRUE(Gamepad->Initialize());
    ASSERT_NE(Gamepad->Device, nullptr);
    EXPECT_EQ(Gamepad->Caps.dwAxes, 4u);
    EXPECT_EQ(Gamepad->Caps.dwButtons, 15u);
    EXPECT_EQ(Calls("IDirectInputDevice8A::SetProperty"), 4);

    seam::ClearCallLog();
    delete Gamepad;
    Gamepad = nullptr;
    EXPECT_EQ(Calls("IDirectInputDevice8A::Unacquire"), 1);
}

TEST_F(GamepadSetUp, AnyFailingStepMeansNoGamepad) {
    VirtualPad pad;
    ASSERT_TRUE(pad.Ok());
    const struct {
        const char* operation;
        bool deviceHeld; // a device taken before the failing step stays
    } cases[] = {
        {"DirectInput8Create", false},
        {"IDirectInput8A::EnumDevices", false},
        {"IDirectInput8A::CreateDevice", false},
        {"IDirectInputDevice8A::SetDataFormat", true},
        {"IDirectInputDevice8A::SetCooperativeLevel", true},
        {"IDirectInputDevice8A::GetCapabilities", true},
        {"IDirectInputDevice8A::EnumObjects", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.operation);
        delete Gamepad;
        Gamepad = new CGamepad;
        seam::FailNextCall(c.operation);
        EXPECT_FALSE(Gamepad->Initialize());
        EXPECT_EQ(Gamepad->Device != nullptr, c.deviceHeld);
    }
}

TEST_F(GamepadSetUp, TheFirstControllerThatCanBeOpenedIsTaken) {
    VirtualPad first;        // fifteen buttons
    VirtualPad second(2, 1); // one button
    ASSERT_TRUE(first.Ok() && second.Ok());
    seam::SetCallLogging(true);
    seam::FailNextCall("IDirectInput8A::CreateDevice");
    ASSERT_TRUE(Gamepad->Initialize());
    EXPECT_EQ(Calls("IDirectInput8A::CreateDevice"), 2);
    EXPECT_EQ(Gamepad->Caps.dwButtons, 1u);
}

TEST_F(GamepadSetUp, ARefusedRangeEndsTheAxisListButNotTheSetUp) {
    VirtualPad pad;
    ASSERT_TRUE(pad.Ok());
    seam::SetCallLogging(true);
    seam::FailNextCall("IDirectInputDevice8A::SetProperty");
    EXPECT_TRUE(Gamepad->Initialize());
    EXPECT_EQ(Calls("IDirectInputDevice8A::SetProperty"), 1);
}

// The real game on a display of its own, with a virtual controller attached
// before start-up.
class GamepadInPlay : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(display_.Error(), "");
        ASSERT_TRUE(pad_.Ok()) << SDL_GetError();
    }

    // Frames for the controller to be acquired and read once.
    static constexpr int kWarmUp = 3;

    OwnDisplay display_;
    VirtualPad pad_;
};

// Nothing in the town, so no collision pushes the ball back.
void EmptyTown() {
    for (structObjects& object : TheObjects)
        object.InWorld = 0;
}

struct PadCase {
    const char* what;
    int lX, lY, lZ, lRz;
    bool button0, button1;
    float posX, posZ;
    int direction; // the last code issued, -1 for none
    float rotX, viewZ;
};

constexpr float kMid = 300.0f; // well inside the town

const PadCase kPadCases[] = {
    {"centred", 0, 0, 0, 0, false, false, 0, kMid, -1, 0, -50},
    {"both forward at exactly -100 is centred", 0, -100, -100, 0, false, false, 0, kMid, -1, 0,
     -50},
    {"both back at exactly 100 is centred", 0, 100, 100, 0, false, false, 0, kMid, -1, 0, -50},
    {"both forward", 0, -1000, -1000, 0, false, false, 0, kMid, DIR_FORWARD, 0, -50},
    {"both forward just past -100", 0, -101, -101, 0, false, false, 0, kMid, DIR_FORWARD, 0, -50},
    {"both back", 0, 1000, 1000, 0, false, false, 0, kMid, DIR_BACKWARD, 0, -50},
    {"back from the near edge: refused", 0, 1000, 1000, 0, false, false, 0, 0, -1, 0, -50},
    {"forward at the far edge: refused, no turn", 0, -1000, -1000, 0, false, false, 0, 729.5f, -1,
     0, -50},
    {"a refused diagonal takes no straight step", -1000, -1000, -1000, -1000, false, false, 349.5f,
     kMid, -1, 0, -50},
    {"sideways at 400 does nothing", -400, 0, 0, -400, false, false, 0, kMid, -1, 0, -50},
    {"sideways at exactly 500 does nothing", 500, 0, 0, 500, false, false, 0, kMid, -1, 0, -50},
    {"left at 600", -600, 0, 0, -600, false, false, 0, kMid, DIR_LEFT, 0, -50},
    {"right at 600", 600, 0, 0, 600, false, false, 0, kMid, DIR_RIGHT, 0, -50},
    {"one sideways axis is not enough", -600, 0, 0, 0, false, false, 0, kMid, -1, 0, -50},
    {"forward and left", -600, -600, -600, -600, false, false, 0, kMid, DIR_FORWARD_LEFT, 0, -50},
    {"forward and right", 600, -600, -600, 600, false, false, 0, kMid, DIR_FORWARD_RIGHT, 0, -50},
    {"back and left", -600, 600, 600, -600, false, false, 0, kMid, DIR_BACKWARD_LEFT, 0, -50},
    {"back and right", 600, 600, 600, 600, false, false, 0, kMid, DIR_BACKWARD_RIGHT, 0, -50},
    {"a diagonal needs both sideways axes", -600, -600, -600, 50, false, false, 0, kMid,
     DIR_FORWARD, 0, -50},
    {"left track forward turns right", 0, -1000, 0, 0, false, false, 0, kMid, DIR_TURN_RIGHT, 1,
     -50},
    {"tracks opposed turn right twice", 0, -1000, 1000, 0, false, false, 0, kMid, DIR_TURN_RIGHT, 2,
     -50},
    {"right track back turns right", 0, 0, 1000, 0, false, false, 0, kMid, DIR_TURN_RIGHT, 1, -50},
    {"right track forward turns left", 0, 0, -1000, 0, false, false, 0, kMid, DIR_TURN_LEFT, 359,
     -50},
    {"tracks opposed turn left twice", 0, 1000, -1000, 0, false, false, 0, kMid, DIR_TURN_LEFT, 358,
     -50},
    {"left track back turns left", 0, 1000, 0, 0, false, false, 0, kMid, DIR_TURN_LEFT, 359, -50},
    {"a track at exactly -100 does not turn", 0, -100, 0, 0, false, false, 0, kMid, -1, 0, -50},
    {"button 0 zooms in", 0, 0, 0, 0, true, false, 0, kMid, DIR_ZOOM_IN, 0, -49},
    {"button 1 zooms out", 0, 0, 0, 0, false, true, 0, kMid, DIR_ZOOM_OUT, 0, -51},
    {"both buttons zoom in only", 0, 0, 0, 0, true, true, 0, kMid, DIR_ZOOM_IN, 0, -49},
    {"a zoom and a turn on one frame", 0, -1000, 0, 0, true, false, 0, kMid, DIR_TURN_RIGHT, 1,
     -49},
};

TEST_F(GamepadInPlay, ButtonsSticksAndTracksIssueTheirCodesOncePerFrame) {
    constexpr int kCases = static_cast<int>(std::size(kPadCases));
    const PlayRun run = RunInPlay([&](int n) {
        if (n == 0) {
            EXPECT_TRUE(Main.GamepadPresent);
            EmptyTown();
        }
        const int index = n - kWarmUp;
        if (index < 0)
            return true;
        if (index > 0) {
            const PadCase& c = kPadCases[index - 1];
            SCOPED_TRACE(c.what);
            EXPECT_EQ(Gamepad->State.lX, c.lX);
            EXPECT_EQ(Gamepad->State.lY, c.lY);
            EXPECT_EQ(Gamepad->State.lZ, c.lZ);
            EXPECT_EQ(Gamepad->State.lRz, c.lRz);
            EXPECT_EQ(ThePelegeso.Direction, c.direction);
            EXPECT_FLOAT_EQ(TheCamera.RotX, c.rotX);
            EXPECT_FLOAT_EQ(TheCamera.ViewZ, c.viewZ);
            if (c.direction < 0) {
                EXPECT_FLOAT_EQ(TheCamera.PosX, c.posX);
                EXPECT_FLOAT_EQ(TheCamera.PosZ, c.posZ);
            }
        }
        if (index == kCases)
            return false;
        const PadCase& c = kPadCases[index];
        CameraMgr->InitCamera();
        TheCamera.PosX = c.posX;
        TheCamera.PosZ = c.posZ;
        ThePelegeso.Direction = -1;
        pad_.Sticks(c.lX, c.lY, c.lZ, c.lRz);
        pad_.Button(0, c.button0);
        pad_.Button(1, c.button1);
        return true;
    });
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.exitValue, 0);
}

TEST_F(GamepadInPlay, AnUnpluggedControllerIsSkippedAndTakenAgainWhenItIsBack) {
    constexpr int kAcquireAttempts = 5;
    enum Phase { Turning, Unplugged, Back } phase = Turning;
    int phaseStep = 0;
    float heading = 0;
    bool pluggedBack = false;
    const PlayRun run = RunInPlay([&](int n) {
        if (n < kWarmUp) {
            pad_.Sticks(0, -1000, 0, 0); // turning right by one degree a frame
            return true;
        }
        ++phaseStep;
        switch (phase) {
        case Turning:
            pad_.Unplug();
            seam::SetCallLogging(true);
            heading = TheCamera.RotX;
            phase = Unplugged;
            phaseStep = 0;
            return true;
        case Unplugged:
            // Every frame tries a bounded number of times, then goes on.
            EXPECT_EQ(Calls("IDirectInputDevice8A::Acquire"), kAcquireAttempts);
            EXPECT_FLOAT_EQ(TheCamera.RotX, heading);
            seam::ClearCallLog();
            if (phaseStep == 3) {
                pad_.PlugIn();
                pad_.Sticks(0, -1000, 0, 0);
                phase = Back;
                phaseStep = 0;
            }
            return true;
        case Back:
            if (phaseStep == 1) {
                // Acquired on the frame that found it back, read from the next.
                EXPECT_EQ(Calls("IDirectInputDevice8A::Acquire"), 1);
                EXPECT_FLOAT_EQ(TheCamera.RotX, heading);
                return true;
            }
            pluggedBack = true;
            EXPECT_FLOAT_EQ(TheCamera.RotX, heading + 1);
            return false;
        }
        return false;
    });
    ASSERT_TRUE(run.started);
    EXPECT_TRUE(pluggedBack);
    EXPECT_EQ(run.exitValue, 0);
}

} // namespace
