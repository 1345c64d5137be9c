// The HUD drawn for real: the weight and last-item panels in play, the
// title overlay, the names of the prop types, and what ShowHud switches off.
#include "ball/pelegeso.h"
#include "ground/CTextureMgr.h"
#include "hud/CFontsMgr.h"
#include "hud/CHud.h"
#include "platform/seam.h"
#include "props/CObjectsMgr.h"
#include "shell/main.h"
#include "tests/hud/draw_kit.h"
#include "tests/kit/kit.h"

#include <climits>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace {

using hudtest::BlueScene;
using hudtest::Frame;
using hudtest::HudX;
using hudtest::HudY;
using hudtest::Is;
using hudtest::Same;
using namespace hudtest::colours;

// Runs the game to its first frame and runs `check` there.
void OnFirstFrame(const std::function<void()>& check) {
    kit::GameRun run;
    run.onFrame = [&](int) {
        check();
        return false;
    };
    run.Run();
    ASSERT_EQ(run.frames, 1);
}

// Where text printed at a HUD position ends, as a window x.
float EndOfText(float x, float y, int font, const char* first, const char* second = "") {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, 133.0, 100.0, 0.0, -100.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRasterPos2f(x, y);
    FontsMgr->PrintString(FontsMgr->GetlistBase(font), first);
    FontsMgr->PrintString(FontsMgr->GetlistBase(font), second);
    return hudtest::RasterPosition().x;
}

struct WeightCase {
    float weight;
    const char* text;
};

class WeightPanel : public ::testing::TestWithParam<WeightCase> {};

TEST_P(WeightPanel, IsTranslucentAtTheBottomLeftWithTheWeightInLightGrey) {
    OnFirstFrame([] {
        Main.GameState = GAME_STATE_PLAYING;
        ThePelegeso.Weight = GetParam().weight;
        BlueScene();
        Hud->DrawHud();
        const float textEnd = hudtest::RasterPosition().x;
        const Frame frame = Frame::Grab();

        EXPECT_TRUE(Same(frame.At(HudX(39.5f), HudY(94.0f)), PANEL_OVER_BLUE));
        EXPECT_TRUE(Same(frame.At(HudX(39.5f), HudY(99.5f)), PANEL_OVER_BLUE));
        EXPECT_TRUE(Same(frame.At(HudX(40.5f), HudY(99.5f)), BLUE)) << "right of the panel";
        EXPECT_TRUE(Same(frame.At(HudX(39.5f), HudY(92.5f)), BLUE)) << "above the panel";
        auto grey = [](kit::Rgb c) { return Same(c, LIGHT_GREY, 1); };
        EXPECT_GT(frame.Count(0, HudY(88.0f), HudX(40.0f), 480, grey), 150);
        EXPECT_EQ(frame.Count(0, 0, 640, 480, grey),
                  frame.Count(0, HudY(88.0f), HudX(40.0f), 480, grey));
        EXPECT_TRUE(Same(frame.At(HudX(130.0f), HudY(95.0f)), BLUE)) << "no last-item panel";

        // "Weight: " and the number, on one line from (0, 98).
        EXPECT_FLOAT_EQ(textEnd, EndOfText(0.0f, 98.0f, 0, "Weight: ", GetParam().text));
    });
}

INSTANTIATE_TEST_SUITE_P(Weights, WeightPanel,
                         ::testing::Values(WeightCase{0.0f, "0."}, WeightCase{100.0f, "100."},
                                           WeightCase{1000.0f, "1000"},
                                           WeightCase{20000.0f, "2.e+004"},
                                           WeightCase{2.1f + 0.4f + 1.2f, "3.7"}));

TEST(Hud, DrawingItRestoresThe3DProjection) {
    OnFirstFrame([] {
        Main.GameState = GAME_STATE_PLAYING;
        glViewport(0, 0, 320, 200); // as a resized window leaves it
        glMatrixMode(GL_PROJECTION);
        Hud->DrawHud();
        GLint viewport[4] = {}, mode = 0;
        GLfloat projection[16] = {}, modelview[16] = {};
        glGetIntegerv(GL_VIEWPORT, viewport);
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        glGetFloatv(GL_PROJECTION_MATRIX, projection);
        glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
        EXPECT_EQ(viewport[2], 640);
        EXPECT_EQ(viewport[3], 480);
        EXPECT_EQ(mode, GL_MODELVIEW);
        // gluPerspective(45, 4/3, ...): 1 / tan(22.5 degrees) / (4/3).
        EXPECT_NEAR(projection[0], 1.81066f, 1e-4f);
        EXPECT_NEAR(projection[5], 2.41421f, 1e-4f);
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(modelview[i], (i % 5 == 0) ? 1.0f : 0.0f);
    });
}

TEST(Hud, LastItemPanelShowsTheNameAbovePicture) {
    OnFirstFrame([] {
        Main.GameState = GAME_STATE_PLAYING;
        TextureMgr->Textures[3] = hudtest::SolidTexture(0, 255, 0);
        Hud->LastItem = 3;
        Hud->GetName();
        BlueScene();
        Hud->DrawHud();
        const float textEnd = hudtest::RasterPosition().x;
        const Frame frame = Frame::Grab();

        EXPECT_TRUE(Same(frame.At(HudX(132.5f), HudY(95.0f)), PANEL_OVER_BLUE));
        EXPECT_TRUE(Same(frame.At(HudX(112.5f), HudY(99.5f)), PANEL_OVER_BLUE));
        EXPECT_TRUE(Same(frame.At(HudX(111.5f), HudY(95.0f)), BLUE)) << "left of the panel";
        EXPECT_TRUE(Same(frame.At(HudX(132.5f), HudY(82.5f)), BLUE)) << "above the panel";
        // The picture, opaque, 10 x 10 from (118, 88).
        for (float x : {118.3f, 123.0f, 127.7f})
            for (float y : {88.3f, 93.0f, 97.7f})
                EXPECT_TRUE(Is(frame.At(HudX(x), HudY(y)), GREEN)) << x << ", " << y;
        EXPECT_FALSE(Is(frame.At(HudX(128.3f), HudY(93.0f)), GREEN));
        auto white = [](kit::Rgb c) { return Is(c, WHITE); };
        EXPECT_GT(frame.Count(HudX(112.0f), HudY(80.0f), 640, HudY(88.0f), white), 40);
        EXPECT_EQ(frame.Count(0, 0, 640, 480, white),
                  frame.Count(HudX(112.0f), HudY(80.0f), 640, HudY(88.0f), white));
        EXPECT_FLOAT_EQ(textEnd, EndOfText(113.0f, 86.0f, 1, "Bakery"));

        // The next pickup's name replaces it; a type without a name keeps it.
        Hud->LastItem = 6;
        Hud->GetName();
        Hud->DrawHud();
        EXPECT_FLOAT_EQ(hudtest::RasterPosition().x, EndOfText(113.0f, 86.0f, 1, "Zoze Variz"));
        Hud->LastItem = 40;
        Hud->GetName();
        EXPECT_STREQ(Hud->LastItemName, "Zoze Variz");
    });
}

TEST(Hud, TheTitleStateDrawsNoPanel) {
    OnFirstFrame([] {
        Main.GameState = GAME_STATE_TITLE;
        Hud->LastItem = 40;
        BlueScene();
        Hud->DrawHud();
        const Frame frame = Frame::Grab();
        EXPECT_EQ(frame.Count(0, 0, 640, 480, [](kit::Rgb c) { return !Is(c, BLUE); }), 0);
    });
}

TEST(Hud, TheTitleOverlayPlacesItsLettersAndLines) {
    OnFirstFrame([] {
        hudtest::PaintLetterSlots();
        Main.GameState = GAME_STATE_TITLE;
        Main.TitleStep = 7;
        hudtest::PixelSpace();
        glEnable(GL_DEPTH_TEST);
        glColor3f(1.0f, 1.0f, 1.0f);
        Hud->DrawHud();
        const float textEnd = hudtest::RasterPosition().x;
        const Frame frame = Frame::Grab();

        for (const hudtest::OverlayLetter& l : hudtest::OVERLAY_LETTERS) {
            for (float fx : {0.03f, 0.5f, 0.97f})
                for (float fy : {0.04f, 0.5f, 0.96f})
                    EXPECT_TRUE(Same(frame.At(HudX(l.x + 13.3f * fx), HudY(l.y + 10.0f * fy)),
                                     hudtest::SlotColour(l.slot), 0))
                        << "slot " << l.slot << " at " << l.x << ", " << l.y;
        }
        // The gap between the middle row's two letters and the outside of the rows.
        EXPECT_TRUE(Is(frame.At(HudX(40.0f), HudY(20.0f)), BLACK));
        EXPECT_TRUE(Is(frame.At(HudX(128.0f), HudY(32.0f)), BLACK));

        auto white = [](kit::Rgb c) { return Is(c, WHITE); };
        struct Line {
            float x, y, height;
        } const lines[] = {{50.2f, 40.0f, 23.0f}, {1.0f, 92.0f, 35.0f}, {1.0f, 97.0f, 12.0f}};
        int inLines = 0;
        for (const Line& line : lines) {
            const int x = HudX(line.x), base = HudY(line.y);
            const int count =
                frame.Count(x, base - static_cast<int>(line.height * 0.75f), 640, base + 1, white);
            EXPECT_GT(count, 20) << "line at " << line.x << ", " << line.y;
            inLines += count;
        }
        // Lines only: nothing white between the prompt and the credits.
        EXPECT_EQ(frame.Count(0, HudY(42.0f), 640, HudY(82.0f), white), 0);
        EXPECT_EQ(frame.Count(0, HudY(37.0f), 640, HudY(41.0f), white) +
                      frame.Count(0, HudY(82.0f), 640, 480, white),
                  frame.Count(0, 0, 640, 480, white));
        EXPECT_GT(inLines, 0);
        EXPECT_FLOAT_EQ(textEnd,
                        EndOfText(1.0f, 97.0f, 2, "who nearly forgot to credit himself..."));
    });
}

TEST(Hud, NamesOfThePropTypes) {
    CHud hud;
    EXPECT_EQ(hud.LastItem, -1);
    EXPECT_EQ(hud.LastItemName, nullptr);
    struct Name {
        int type;
        const char* name;
    } const names[] = {{3, "Bakery"},      {4, "Drug Store"},  {6, "Zoze Variz"},
                       {13, "Game Side"},  {14, "Bush"},       {22, "Town Name"},
                       {29, "Hosp. Back"}, {32, "Small Bush"}, {35, "Burger Side"}};
    for (const Name& n : names) {
        hud.LastItem = n.type;
        hud.GetName();
        ASSERT_NE(hud.LastItemName, nullptr);
        EXPECT_STREQ(hud.LastItemName, n.name) << n.type;
    }
    for (int type : {0, 1, 2, 36, 48, -1, 99, INT_MIN, INT_MAX}) {
        hud.LastItem = type;
        hud.GetName();
        EXPECT_STREQ(hud.LastItemName, "Burger Side") << type;
    }
}

} // namespace
