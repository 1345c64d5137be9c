// The input facade: key state, the quit and HUD bindings, focus and the
// device read with its one retry.
#include "input/CInputSystem.h"
#include "input/CKeyboard.h"
#include "input/CMouse.h"
#include "platform/seam.h"
#include "shell/main.h"
#include "tests/input/own_display.h"
#include "tests/input/play_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

int Calls(const std::string& name) {
    const auto& log = seam::CallLog();
    return static_cast<int>(std::count(log.begin(), log.end(), name));
}

bool EveryKeyUp() {
    for (int key = 0; key < 256; ++key)
        if (Input->KeyDown(static_cast<char>(key)))
            return false;
    return true;
}

// Without a window the devices keep the background level and read at once.
class InputFacade : public ::testing::Test {
  protected:
    void TearDown() override {
        seam::SetCallLogging(false);
        Input->Shutdown();
    }

    void InitializeWithoutWindow(DWORD flags) {
        ASSERT_TRUE(Input->Initialize(nullptr, GetModuleHandleA(nullptr), true, flags));
    }
};

TEST_F(InputFacade, WithoutDirectInputEveryKeyIsUpAndNothingFails) {
    seam::FailNextCall("DirectInput8Create");
    EXPECT_FALSE(Input->Initialize(nullptr, GetModuleHandleA(nullptr), true, 3));
    EXPECT_EQ(Keyboard, nullptr);
    EXPECT_EQ(Mouse, nullptr);
    EXPECT_EQ(Input->DI, nullptr);
    HoldKeys({DIK_ESCAPE, DIK_1});
    EXPECT_TRUE(Input->Update());
    Input->AcquireAll();
    Input->UnacquireAll();
    Input->ProcessInput();
    EXPECT_TRUE(EveryKeyUp());
    EXPECT_TRUE(Input->Shutdown());
}

TEST_F(InputFacade, FlagsChooseTheDevices) {
    const struct {
        DWORD flags;
        bool keyboard, mouse;
    } cases[] = {{INPUT_KEYBOARD, true, false}, {INPUT_MOUSE, false, true}, {3, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags);
        InitializeWithoutWindow(c.flags);
        EXPECT_EQ(Keyboard != nullptr, c.keyboard);
        EXPECT_EQ(Mouse != nullptr, c.mouse);
        EXPECT_TRUE(Input->Shutdown());
        EXPECT_EQ(Keyboard, nullptr);
        EXPECT_EQ(Mouse, nullptr);
        EXPECT_EQ(Input->DI, nullptr);
    }
}

TEST_F(InputFacade, KeyDownTestsTheByteOfItsCodeTakenUnsigned) {
    InitializeWithoutWindow(INPUT_KEYBOARD);
    HoldKeys({DIK_RCONTROL, DIK_UP});
    Input->Update();
    EXPECT_TRUE(Input->KeyDown(static_cast<char>(DIK_RCONTROL)));
    EXPECT_TRUE(Input->KeyDown(static_cast<char>(DIK_UP)));
    EXPECT_FALSE(Input->KeyDown(DIK_LCONTROL)); // 0x9D without its top bit
    EXPECT_FALSE(Input->KeyDown(static_cast<char>(DIK_NUMPADENTER)));
    Keyboard->KeyState[0xFF] = 0x7F; // only bit 7 means down
    EXPECT_FALSE(Input->KeyDown(static_cast<char>(0xFF)));
}

TEST_F(InputFacade, AcquiringOrReleasingClearsTheKeys) {
    InitializeWithoutWindow(INPUT_KEYBOARD);
    HoldKeys({DIK_W});
    Input->Update();
    ASSERT_TRUE(Input->KeyDown(DIK_W));
    Input->UnacquireAll();
    EXPECT_TRUE(EveryKeyUp());
    Input->Update(); // acquires again on the failed read, then reads
    ASSERT_TRUE(Input->KeyDown(DIK_W));
    Input->AcquireAll();
    EXPECT_TRUE(EveryKeyUp());
}

TEST_F(InputFacade, AFailedReadAcquiresOnceAndRetriesOnce) {
    InitializeWithoutWindow(INPUT_KEYBOARD);
    HoldKeys({DIK_S});
    Input->Update();
    Keyboard->Device->Unacquire();
    HoldKeys({DIK_W});
    seam::SetCallLogging(true);

    // The acquisition fails: the last state stays.
    seam::FailNextCall("IDirectInputDevice8A::Acquire");
    Input->Update();
    EXPECT_EQ(Calls("IDirectInputDevice8A::GetDeviceState"), 1);
    EXPECT_EQ(Calls("IDirectInputDevice8A::Acquire"), 1);
    EXPECT_TRUE(Input->KeyDown(DIK_S));
    EXPECT_FALSE(Input->KeyDown(DIK_W));

    // The acquisition works, the retried read fails: still the last state.
    seam::ClearCallLog();
    seam::FailNextCall("IDirectInputDevice8A::GetDeviceState");
    seam::FailNextCall("IDirectInputDevice8A::GetDeviceState");
    Input->Update();
    EXPECT_EQ(Calls("IDirectInputDevice8A::GetDeviceState"), 2);
    EXPECT_EQ(Calls("IDirectInputDevice8A::Acquire"), 1);
    EXPECT_TRUE(Input->KeyDown(DIK_S));

    // One failed read, then the retry reads the keys held now.
    seam::ClearCallLog();
    seam::FailNextCall("IDirectInputDevice8A::GetDeviceState");
    Input->Update();
    EXPECT_EQ(Calls("IDirectInputDevice8A::GetDeviceState"), 2);
    EXPECT_TRUE(Input->KeyDown(DIK_W));
    EXPECT_FALSE(Input->KeyDown(DIK_S));
}

// The rest runs the real game on a display of its own, reading the keyboard feed.
class KeyboardInPlay : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(display_.Error(), ""); }

  private:
    OwnDisplay display_;
};

TEST_F(KeyboardInPlay, OneTogglesTheHudOncePerPressAndNotWhileTheLatchIsHeld) {
    struct Step {
        std::vector<uint8_t> keys;
        int hud; // ShowHud once the frame that read the keys was handled
    };
    const std::vector<Step> script = {
        {{}, 1},
        {{DIK_1}, 0}, // toggles on the first frame it is seen
        {{DIK_1}, 0}, // held: no more
        {{DIK_1}, 0},
        {{}, 0},
        {{DIK_1}, 1}, // pressed again: back
        {{}, 1},
        {{DIK_LBRACKET}, 1},
        {{DIK_LBRACKET, DIK_1}, 1}, // [ held first blocks it
        {{DIK_1}, 1},               // and 1 now holds the latch itself
        {{}, 1},
        {{DIK_F2}, 1},
        {{DIK_F2, DIK_1}, 1},
        {{}, 1},
        {{DIK_RBRACKET}, 1},
        {{DIK_RBRACKET, DIK_1}, 1},
        {{}, 1},
        {{DIK_1, DIK_RBRACKET}, 0}, // on the same frame: the latch is read before it is set
        {{}, 0},
    };
    std::vector<int> seen;
    const PlayRun run = RunInPlay([&](int n) {
        if (n > 0)
            seen.push_back(Main.ShowHud);
        if (n == static_cast<int>(script.size()))
            return false;
        HoldKeys(script[n].keys);
        return true;
    });
    ASSERT_TRUE(run.started);
    ASSERT_EQ(seen.size(), script.size());
    for (size_t i = 0; i < script.size(); ++i)
        EXPECT_EQ(seen[i], script[i].hud) << "after step " << i;
}

TEST_F(KeyboardInPlay, EscapePostsTheQuitOnEveryFrameItIsDownAndTheGameEndsWithZero) {
    bool framesAfterEscape = false;
    const PlayRun run = RunInPlay([&](int n) {
        if (n > 0) {
            framesAfterEscape = true;
            return false;
        }
        HoldKeys({DIK_ESCAPE});
        seam::SetCallLogging(true);
        // Two extra frames' worth of reading and bindings, then the loop's own.
        for (int i = 0; i < 2; ++i) {
            Input->Update();
            Input->ProcessInput();
        }
        return true;
    });
    ASSERT_TRUE(run.started);
    EXPECT_EQ(Calls("PostQuitMessage"), 3);
    EXPECT_FALSE(framesAfterEscape) << "a frame ran after the quit request";
    EXPECT_EQ(run.exitValue, 0);
}

TEST_F(KeyboardInPlay, KeysReadUpWhileTheWindowHasNoFocusAndDownAgainOnceItIsBack) {
    enum Phase { Holding, Hidden, Shown } phase = Holding;
    int phaseStart = 0, upFrames = 0;
    bool sawKeysUp = false, sawKeysAgain = false;
    const PlayRun run = RunInPlay([&](int n) {
        constexpr int kLimit = 200; // frames each phase may take
        if (n - phaseStart > kLimit)
            return false;
        switch (phase) {
        case Holding:
            HoldKeys({DIK_Z, DIK_RCONTROL});
            if (Input->KeyDown(DIK_Z)) {
                ShowWindow(Main.WindowHandle, SW_HIDE);
                phase = Hidden;
                phaseStart = n;
            }
            return true;
        case Hidden:
            // Still held on the feed, yet up from the frame the focus went.
            upFrames = EveryKeyUp() ? upFrames + 1 : 0;
            if (upFrames == 10) {
                sawKeysUp = true;
                ShowWindow(Main.WindowHandle, SW_SHOW);
                SetFocus(Main.WindowHandle);
                phase = Shown;
                phaseStart = n;
            }
            return true;
        case Shown:
            sawKeysAgain = Input->KeyDown(DIK_Z) && Input->KeyDown(static_cast<char>(DIK_RCONTROL));
            return !sawKeysAgain;
        }
        return false;
    });
    ASSERT_TRUE(run.started);
    EXPECT_TRUE(sawKeysUp);
    EXPECT_TRUE(sawKeysAgain);
}

} // namespace
