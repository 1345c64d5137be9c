// The HUD in play through the real loop: ShowHud switching it off, and the
// last-item panel arriving with the first pickup of play.
#include "ground/CTextureMgr.h"
#include "hud/CHud.h"
#include "platform/seam.h"
#include "props/CObjectsMgr.h"
#include "shell/main.h"
#include "tests/hud/draw_kit.h"
#include "tests/kit/kit.h"

#include <gtest/gtest.h>

namespace {

using hudtest::BlueScene;
using hudtest::Frame;
using hudtest::HudX;
using hudtest::HudY;
using hudtest::Is;
using hudtest::Same;
using namespace hudtest::colours;

// In play, for real: the panel picture's pixel and the matrix DrawHud leaves.
struct PlayFrame {
    bool picture;
    bool identityModelview;
};

PlayFrame Observe() {
    GLfloat modelview[16] = {};
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    bool identity = true;
    for (int i = 0; i < 16; ++i)
        identity = identity && modelview[i] == ((i % 5 == 0) ? 1.0f : 0.0f);
    return {Is(kit::Pixel(HudX(123.0f), HudY(93.0f)), GREEN), identity};
}

TEST(Hud, ShowHudZeroDrawsNoneOfIt) {
    kit::GameRun run;
    PlayFrame shown{}, hidden{};
    int greyHidden = -1;
    run.onFrame = [&](int frame) {
        switch (frame) {
        case 1:
            TextureMgr->Textures[3] = hudtest::SolidTexture(0, 255, 0);
            Main.GameState = GAME_STATE_PLAYING;
            Hud->LastItem = 3;
            Hud->GetName();
            return true;
        case 2:
            shown = Observe();
            Main.ShowHud = 0;
            return true;
        default:
            hidden = Observe();
            greyHidden = Frame::Grab().Count(0, HudY(88.0f), HudX(40.0f), 480,
                                             [](kit::Rgb c) { return Same(c, LIGHT_GREY, 1); });
            return false;
        }
    };
    run.Run();
    EXPECT_TRUE(shown.picture);
    EXPECT_TRUE(shown.identityModelview);
    EXPECT_FALSE(hidden.picture);
    EXPECT_FALSE(hidden.identityModelview) << "the 3-D projection is not re-applied";
    EXPECT_EQ(greyHidden, 0);
}

TEST(Hud, ShowHudZeroHidesTheTitleOverlay) {
    kit::GameRun run;
    int hidden = -1, shown = -1;
    run.onFrame = [&](int frame) {
        switch (frame) {
        case 1:
            hudtest::PaintLetterSlots();
            Main.TitleStep = 7;
            Main.ShowHud = 0;
            return true;
        case 2:
            hidden = hudtest::OverlayLettersShown();
            Main.ShowHud = 1;
            return true;
        default:
            shown = hudtest::OverlayLettersShown();
            return false;
        }
    };
    run.Run();
    EXPECT_EQ(hidden, 0);
    EXPECT_EQ(shown, 20);
}

// The HUD of the current state drawn alone over blue: is the last-item panel
// there, with its picture?
bool LastItemPanelShown() {
    BlueScene();
    Hud->DrawHud();
    return Is(kit::Pixel(HudX(123.0f), HudY(93.0f)), GREEN) &&
           Same(kit::Pixel(HudX(132.5f), HudY(95.0f)), PANEL_OVER_BLUE);
}

TEST(Hud, TheLastItemPanelComesWithTheFirstPickupOfPlay) {
    constexpr uint8_t DIK_RETURN = 0x1C, DIK_W = 0x11;
    constexpr int BUSH = 14;
    kit::GameRun run;
    int pickupFrame = 0;
    bool panelBefore = false, panelAfter = false;
    int playFrom = 0;
    run.onFrame = [&](int frame) {
        if (frame == 1) {
            TextureMgr->Textures[BUSH] = hudtest::SolidTexture(0, 255, 0);
            Hud->LastItem = BUSH; // as a letter pickup of the title would leave it
            kit::FeedKeys({DIK_RETURN});
        }
        // The keyboard is read from its first acquired frame on.
        if (!playFrom) {
            if (Main.GameState != GAME_STATE_PLAYING)
                return frame < 10;
            playFrom = frame;
            EXPECT_EQ(Hud->LastItem, -1);
            // A bush straight ahead of the ball, four steps away.
            ObjectsMgr->SetObject(699, BUSH, -2.0f, 0.0f, -5.0f, 0.0f, 4.0f, 4.0f);
            kit::FeedKeys({DIK_W});
        }
        if (Hud->LastItem != BUSH) {
            panelBefore = panelBefore || LastItemPanelShown();
            return frame < 30;
        }
        pickupFrame = frame;
        seam::ReleaseAllKeys();
        panelAfter = LastItemPanelShown();
        return false;
    };
    run.Run();
    ASSERT_GT(pickupFrame, 0) << "the bush was not taken";
    EXPECT_FALSE(panelBefore);
    EXPECT_TRUE(panelAfter);
    EXPECT_STREQ(Hud->LastItemName, "Bush");
}

} // namespace
