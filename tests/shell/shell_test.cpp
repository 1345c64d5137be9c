// The application shell run for real: start question, window and context
// set-up with every failure path, tear-down, message handling and pacing.
#include "platform/seam.h"
#include "shell/main.h"
#include "tests/kit/kit.h"

#include <GL/gl.h>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace {

bool Logged(const std::string& op) {
    const auto& log = seam::CallLog();
    return std::find(log.begin(), log.end(), op) != log.end();
}

// Position of the last entry named op in the call log, or -1.
long LastIndex(const std::string& op) {
    const auto& log = seam::CallLog();
    for (long i = static_cast<long>(log.size()) - 1; i >= 0; --i)
        if (log[static_cast<size_t>(i)] == op)
            return i;
    return -1;
}

TEST(Shell, AsksTheStartQuestionAndOpensA640x480Window) {
    kit::GameRun run;
    GLint viewport[4] = {};
    run.onFrame = [&](int) {
        glGetIntegerv(GL_VIEWPORT, viewport);
        return false;
    };
    EXPECT_EQ(run.Run(), 0);
    ASSERT_GE(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].text, "Would You Like To Run In Fullscreen Mode?");
    EXPECT_EQ(run.boxes[0].caption, "Start FullScreen?");
    EXPECT_EQ(run.boxes[0].style, unsigned(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(Main.Fullscreen, 0);
    EXPECT_EQ(viewport[2], 640);
    EXPECT_EQ(viewport[3], 480);
    EXPECT_EQ(run.frames, 1);
}

TEST(Shell, StartUpLeavesTheTitleStateAndTheLight) {
    kit::GameRun run;
    GLfloat light[4] = {};
    run.onFrame = [&](int) {
        glGetLightfv(GL_LIGHT1, GL_POSITION, light);
        return false;
    };
    run.Run();
    EXPECT_EQ(Main.GameState, GAME_STATE_TITLE);
    EXPECT_EQ(Main.ShowHud, 1);
    EXPECT_EQ(Main.WindowWidth, 640);
    EXPECT_EQ(Main.WindowHeight, 480);
    const float expected[4] = {0, 1, 0, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Main.LightPosition[i], expected[i]);
        EXPECT_EQ(light[i], expected[i]);
    }
}

struct RefusedCase {
    int answer;
    bool windowOpens;
};

class RefusedFullscreen : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedFullscreen, AsksForWindowedModeInstead) {
    seam::FailNextCall("ChangeDisplaySettingsA");
    kit::GameRun run;
    run.answer = [&](const kit::Box& box) -> int {
        if (box.caption == "Start FullScreen?")
            return IDYES;
        if (box.caption == "OpenGL")
            return GetParam().answer;
        return IDOK;
    };
    run.onFrame = [](int) { return false; };
    EXPECT_EQ(run.Run(), 0);
    ASSERT_GE(run.boxes.size(), 2u);
    EXPECT_EQ(run.boxes[1].text, "The Requested Fullscreen Mode Is Not Supported By\nYour Video "
                                 "Card. Use Windowed Mode Instead?");
    EXPECT_EQ(run.boxes[1].style, unsigned(MB_YESNO | MB_ICONEXCLAMATION));
    if (GetParam().windowOpens) {
        EXPECT_EQ(run.boxes.size(), 2u);
        EXPECT_EQ(run.frames, 1);
        EXPECT_EQ(Main.Fullscreen, 0);
    } else {
        ASSERT_EQ(run.boxes.size(), 3u);
        EXPECT_EQ(run.boxes[2].text, "Program Will Now Close.");
        EXPECT_EQ(run.boxes[2].caption, "ERROR");
        EXPECT_EQ(run.boxes[2].style, unsigned(MB_OK | MB_ICONSTOP));
        EXPECT_EQ(run.frames, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, RefusedFullscreen,
                         ::testing::Values(RefusedCase{IDYES, true}, RefusedCase{IDNO, false}));

struct SetupFailure {
    const char* operation;
    const char* text;
    bool windowMade;
    bool contextMade;
};

class SetupFails : public ::testing::TestWithParam<SetupFailure> {};

TEST_P(SetupFails, ShowsItsBoxAfterReleasingWhatWasMade) {
    const SetupFailure& c = GetParam();
    seam::SetCallLogging(true);
    seam::FailNextCall(c.operation);
    kit::GameRun run;
    EXPECT_EQ(run.Run(), 0);
    EXPECT_EQ(run.frames, 0);
    ASSERT_EQ(run.boxes.size(), 2u) << "start question and one error box";
    EXPECT_EQ(run.boxes[1].text, c.text);
    EXPECT_EQ(run.boxes[1].caption, "ERROR");
    EXPECT_EQ(run.boxes[1].style, unsigned(MB_OK | MB_ICONEXCLAMATION));

    const long box = LastIndex("MessageBoxA");
    if (std::string(c.operation) == "RegisterClassA") {
        EXPECT_FALSE(Logged("UnregisterClassA")) << "nothing to release yet";
        return;
    }
    // Released before the box is shown.
    const long unregister = LastIndex("UnregisterClassA");
    ASSERT_GE(unregister, 0);
    EXPECT_LT(unregister, box);
    EXPECT_EQ(Logged("DestroyWindow"), c.windowMade);
    EXPECT_EQ(Logged("wglDeleteContext"), c.contextMade);
    if (c.windowMade) {
        EXPECT_LT(LastIndex("DestroyWindow"), box);
    }
    seam::SetCallLogging(false);
}

INSTANTIATE_TEST_SUITE_P(
    EachStep, SetupFails,
    ::testing::Values(
        SetupFailure{"RegisterClassA", "Failed To Register The Window Class.", false, false},
        SetupFailure{"CreateWindowExA", "Window Creation Error.", false, false},
        SetupFailure{"GetDC", "Can't Create A GL Device Context.", true, false},
        SetupFailure{"ChoosePixelFormat", "Can't Find A Suitable PixelFormat.", true, false},
        SetupFailure{"SetPixelFormat", "Can't Set The PixelFormat.", true, false},
        SetupFailure{"wglCreateContext", "Can't Create A GL Rendering Context.", true, false},
        SetupFailure{"wglMakeCurrent", "Can't Activate The GL Rendering Context.", true, true}),
    [](const ::testing::TestParamInfo<SetupFailure>& info) { return info.param.operation; });

struct TeardownFailure {
    const char* operation;
    const char* text;
};

class TeardownFails : public ::testing::TestWithParam<TeardownFailure> {};

// Given by the leak checker of a sanitizer build, absent otherwise.
extern "C" void __lsan_ignore_object(const void* p) __attribute__((weak));

TEST_P(TeardownFails, ReportsAndGoesOn) {
    const TeardownFailure& c = GetParam();
    kit::GameRun run;
    run.onFrame = [&](int) {
        seam::SetCallLogging(true);
        seam::FailNextCall(c.operation);
        // A context whose deletion failed stays allocated for good, as it
        // would on the platform the layer stands for.
        if (__lsan_ignore_object && std::string(c.operation) == "wglDeleteContext")
            __lsan_ignore_object(Main.RenderContext);
        return false;
    };
    EXPECT_EQ(run.Run(), 0);
    ASSERT_EQ(run.boxes.size(), 2u);
    EXPECT_EQ(run.boxes[1].text, c.text);
    EXPECT_EQ(run.boxes[1].caption, "SHUTDOWN ERROR");
    EXPECT_EQ(run.boxes[1].style, unsigned(MB_OK | MB_ICONINFORMATION));
    // The remaining steps still run: the class is unregistered last.
    EXPECT_GT(LastIndex("UnregisterClassA"), LastIndex(c.operation) - 1);
    seam::SetCallLogging(false);
}

INSTANTIATE_TEST_SUITE_P(
    EachStep, TeardownFails,
    ::testing::Values(TeardownFailure{"wglMakeCurrent", "Release Of DC And RC Failed."},
                      TeardownFailure{"wglDeleteContext", "Release Rendering Context Failed."},
                      TeardownFailure{"ReleaseDC", "Release Device Context Failed."},
                      TeardownFailure{"DestroyWindow", "Could Not Release hWnd."},
                      TeardownFailure{"UnregisterClassA", "Could Not Unregister Class."}),
    [](const ::testing::TestParamInfo<TeardownFailure>& info) { return info.param.operation; });

struct PacingCase {
    const char* name;
    uint32_t start;
};

class Pacing : public ::testing::TestWithParam<PacingCase> {};

TEST_P(Pacing, FramesLastAtLeast12MillisecondsEvenAcrossATickWrap) {
    kit::FakeClock clock(GetParam().start, 1);
    std::vector<uint32_t> starts;
    kit::GameRun run;
    run.onFrame = [&](int frame) {
        starts.push_back(Main.FrameStartTick);
        return frame < 8;
    };
    run.Run();
    ASSERT_EQ(starts.size(), 8u);
    for (size_t i = 1; i < starts.size(); ++i) {
        const uint32_t gap = starts[i] - starts[i - 1];
        EXPECT_GE(gap, 12u) << "frame " << i;
        EXPECT_LT(gap, 40u) << "frame " << i << " stalled";
    }
}

INSTANTIATE_TEST_SUITE_P(Clocks, Pacing,
                         ::testing::Values(PacingCase{"Plain", 1000},
                                           PacingCase{"Wrapping", 0xFFFFFFC0u}),
                         [](const ::testing::TestParamInfo<PacingCase>& info) {
                             return info.param.name;
                         });

TEST(Shell, MinimisingStopsDrawingAndRestoringResumesIt) {
    kit::FakeClock clock;
    std::vector<uint32_t> starts;
    std::vector<int> active;
    kit::GameRun run;
    run.onFrame = [&](int frame) {
        starts.push_back(Main.FrameStartTick);
        if (frame == 2)
            WndProc(Main.WindowHandle, WM_ACTIVATE, MAKELONG(WA_INACTIVE, 1), 0);
        if (frame == 5)
            WndProc(Main.WindowHandle, WM_ACTIVATE, MAKELONG(WA_ACTIVE, 0), 0);
        active.push_back(Main.Active);
        return frame < 7;
    };
    run.Run();
    ASSERT_EQ(starts.size(), 7u);
    EXPECT_EQ(active[1], 0);
    EXPECT_EQ(active[4], 1);
    // Frames 3 to 5 were swapped without being drawn: no new frame start.
    EXPECT_EQ(starts[2], starts[1]);
    EXPECT_EQ(starts[4], starts[1]);
    EXPECT_NE(starts[5], starts[4]);
}

TEST(Shell, ASizeOfZeroHeightIsTreatedAsOne) {
    kit::GameRun run;
    GLint viewport[4] = {};
    run.onFrame = [&](int) {
        WndProc(Main.WindowHandle, WM_SIZE, 0, static_cast<LPARAM>(MAKELONG(300, 0)));
        glGetIntegerv(GL_VIEWPORT, viewport);
        return false;
    };
    run.Run();
    EXPECT_EQ(viewport[2], 300);
    EXPECT_EQ(viewport[3], 1);
}

TEST(Shell, ScreenSaverAndMonitorPowerRequestsAreSwallowed) {
    kit::GameRun run;
    std::vector<bool> defaulted;
    std::vector<LRESULT> results;
    run.onFrame = [&](int) {
        seam::SetCallLogging(true);
        for (WPARAM command : {WPARAM(SC_SCREENSAVE), WPARAM(SC_MONITORPOWER), WPARAM(0xF020)}) {
            seam::ClearCallLog();
            results.push_back(WndProc(Main.WindowHandle, WM_SYSCOMMAND, command, 0));
            defaulted.push_back(Logged("DefWindowProcA"));
        }
        seam::SetCallLogging(false);
        return false;
    };
    run.Run();
    ASSERT_EQ(defaulted.size(), 3u);
    EXPECT_FALSE(defaulted[0]);
    EXPECT_FALSE(defaulted[1]);
    EXPECT_TRUE(defaulted[2]) << "other commands get the default handling";
    EXPECT_EQ(results[0], 0);
    EXPECT_EQ(results[1], 0);
}

TEST(Shell, TheCloseBoxEndsTheLoopWithZeroAndTheWindowStaysUntilShutDown) {
    kit::GameRun run;
    bool windowAfterClose = false;
    run.onFrame = [&](int frame) {
        if (frame == 3) {
            seam::SetCallLogging(true);
            WndProc(Main.WindowHandle, WM_CLOSE, 0, 0);
            windowAfterClose = Main.WindowHandle != nullptr && !Logged("DestroyWindow");
        }
        return true;
    };
    EXPECT_EQ(run.Run(), 0);
    EXPECT_EQ(run.frames, 3);
    EXPECT_TRUE(windowAfterClose);
    EXPECT_TRUE(Logged("DestroyWindow"));
    seam::SetCallLogging(false);
}

} // namespace
