// Props and the ball drawn through the real game loop. The test runs in an
// empty folder (no textures: every surface is untextured white) and moves
// the ball far beyond the ground, so everything but the props and the ball
// is black.
#include "tests/core/world.h"

#include "tests/kit/kit.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cmath>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// The ball's world z: the ground ends 3000 units behind the camera, beyond
// the far plane.
constexpr float FAR_Z = 3000.0f;

bool Lit(const kit::Rgb& c) {
    return c.r + c.g + c.b > 60;
}

// Window pixel (y from the top) of a world point, through the camera of the
// current TheCamera; carried props go through the ball's own frame.
struct ScreenPoint {
    int x, y;
};

class View {
  public:
    // The camera transform of a play frame, then `extra` on top of it.
    template <typename Extra> explicit View(Extra extra) {
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        glTranslatef(TheCamera.ViewX, TheCamera.ViewY, TheCamera.ViewZ);
        glRotatef(TheCamera.ViewYaw, 0, 1, 0);
        glRotatef(TheCamera.ViewPitch, 1, 0, 0);
        glRotatef(TheCamera.RotY, 1, 0, 0);
        glRotatef(TheCamera.RotX, 0, 1, 0);
        glTranslatef(TheCamera.PosX, 0, TheCamera.PosZ);
        extra();
        glGetDoublev(GL_MODELVIEW_MATRIX, model_);
        glPopMatrix();
        glGetDoublev(GL_PROJECTION_MATRIX, projection_);
        glGetIntegerv(GL_VIEWPORT, viewport_);
    }
    ScreenPoint Project(float x, float y, float z) const {
        double wx, wy, wz;
        gluProject(x, y, z, model_, projection_, viewport_, &wx, &wy, &wz);
        return {static_cast<int>(wx), Main.WindowHeight - 1 - static_cast<int>(wy)};
    }
    bool LitAt(float x, float y, float z) const {
        const ScreenPoint p = Project(x, y, z);
        return Lit(kit::Pixel(p.x, p.y));
    }

  private:
    GLdouble model_[16], projection_[16];
    GLint viewport_[4];
};

// Props are drawn 2 units below their PosY.
View PropView() {
    return View([] { glTranslatef(0, -2, 0); });
}

// Runs the game in an empty folder; on the first frame play begins with the
// props `setUp` places around a ball at world (0, 0, FAR_Z); the second
// frame is handed to `check`.
void RunPlayFrame(const std::function<void()>& setUp, const std::function<void()>& check) {
    ASSERT_NE(getenv("DISPLAY"), nullptr);
    ASSERT_EQ(chdir(kit::TempDir().c_str()), 0);
    kit::GameRun run;
    run.onFrame = [&](int frame) {
        if (frame == 1) {
            core::ResetWorld();
            PelegesoMgr->InitPelegeso();
            TheCamera.PosZ = -FAR_Z;
            Main.ShowHud = 0;
            Main.GameState = GAME_STATE_PLAYING;
            setUp();
            return true;
        }
        check();
        return false;
    };
    run.Run();
    EXPECT_EQ(run.frames, 2);
}

TEST(CoreRender, EachShapeStandsWhereItsRecordSays) {
    RunPlayFrame(
        [] {
            core::Place(0, 5, -20, FAR_Z - 10, 0, 8, 6); // flat along x: x -20..-12
            core::Place(1, 6, 10, FAR_Z - 10, 5, 6, 6);  // box: z 2990 back to 2985
            core::Place(2, 7, 22, FAR_Z - 40, 20, 0, 8); // flat along z: z 2960..2980
            core::Place(3, 8, -5, FAR_Z - 20, 0, 2, 6);
            TheObjects[3].InWorld = 0;      // a carried slot is not drawn here
            TheObjects[3].StickX = 1000.0f; // and lands off screen on the ball
        },
        [] {
            const View view = PropView();
            const float z = FAR_Z - 10;
            // Flat along x, 8 wide, from y -2 to 4 once drawn.
            EXPECT_TRUE(view.LitAt(-16, 3, z));
            EXPECT_TRUE(view.LitAt(-19.5f, 0.5f, z));
            EXPECT_FALSE(view.LitAt(-11, 3, z));
            EXPECT_FALSE(view.LitAt(-21, 3, z));
            EXPECT_FALSE(view.LitAt(-16, 7, z)); // drawn unshifted, it would reach here
            // Box: front face at z 2990, top face reaching back towards -z.
            EXPECT_TRUE(view.LitAt(13, 3, z));
            EXPECT_TRUE(view.LitAt(13, 6, z - 4));
            EXPECT_FALSE(view.LitAt(17, 3, z));
            EXPECT_FALSE(view.LitAt(13, 6, z - 7));
            // Flat along z: the plane x = 22 from z 2960 towards +z to 2980.
            EXPECT_TRUE(view.LitAt(22, 4, FAR_Z - 22));
            EXPECT_TRUE(view.LitAt(22, 4, FAR_Z - 38));
            EXPECT_FALSE(view.LitAt(22, 4, FAR_Z - 42));
            EXPECT_FALSE(view.LitAt(22, 4, FAR_Z - 18));
            // Slot 3 is carried: its place in the town stays empty.
            EXPECT_FALSE(view.LitAt(-4, 3, FAR_Z - 20));
        });
}

TEST(CoreRender, TheBallStandsAtTheCentreOfTheView) {
    RunPlayFrame([] {},
                 [] {
                     EXPECT_TRUE(Lit(kit::Pixel(320, 240)));
                     EXPECT_TRUE(Lit(kit::Pixel(320 + 25, 240)));
                     EXPECT_FALSE(Lit(kit::Pixel(320 + 45, 240)));
                     EXPECT_FALSE(Lit(kit::Pixel(320 - 45, 240)));
                     EXPECT_FALSE(Lit(kit::Pixel(320, 240 - 45)));
                     EXPECT_FALSE(Lit(kit::Pixel(320, 10)));
                 });
}

TEST(CoreRender, ATakenPropIsDrawnOnTheBallAndNoLongerInTheTown) {
    RunPlayFrame(
        [] {
            core::Place(0, 16, -2, FAR_Z - 1, 0, 4, 8); // a fence touching the ball
            ObjectsMgr->CheckCollision();
            ASSERT_EQ(TheObjects[0].InWorld, 0);
            ASSERT_EQ(TheObjects[0].StickX, 0.0f);
            TheCamera.PosX = -10.0f; // the ball, and what it carries, moves to x = 10
        },
        [] {
            const View town = PropView();
            EXPECT_FALSE(town.LitAt(0, 5, FAR_Z - 1));
            const View ball([] { glTranslatef(-TheCamera.PosX, 0, -TheCamera.PosZ); });
            EXPECT_TRUE(ball.LitAt(0, 6, 0)); // above the ball: only the fence is there
            EXPECT_TRUE(ball.LitAt(1.8f, 7.8f, 0));
            EXPECT_FALSE(ball.LitAt(2.3f, 6, 0));
            EXPECT_FALSE(ball.LitAt(0, 8.5f, 0));
        });
}

TEST(CoreRender, NonFiniteAndNegativeSizesDrawWithoutHarm) {
    RunPlayFrame(
        [] {
            const float odd[] = {NAN, INFINITY, -INFINITY, -4.0f};
            int slot = 0;
            for (float v : odd) {
                core::Place(slot++, 5, v, FAR_Z - 20, 0, 3, 3);
                core::Place(slot++, 6, -10, FAR_Z - 20, v, 3, 3);
                core::Place(slot++, 7, 10, FAR_Z - 20, 3, v, v);
            }
            // Taken within reach: an infinite width gives an infinite stick offset.
            core::Place(slot++, 16, -1, FAR_Z, 0, INFINITY, 2);
            core::Place(slot++, 16, 1, FAR_Z, NAN, 0, 2);
            ObjectsMgr->CheckCollision();
            ASSERT_EQ(TheObjects[slot - 2].InWorld, 0);
        },
        [] { EXPECT_TRUE(Lit(kit::Pixel(320, 240))); });
}

TEST(CoreRender, DrawingLeavesTheMatrixAndStateItPromises) {
    RunPlayFrame(
        [] {
            core::Place(0, 5, -20, FAR_Z - 10, 0, 8, 6);
            core::Place(1, 16, -2, FAR_Z - 1, 0, 4, 8);
            core::Place(2, 17, -1, FAR_Z - 1, 2, 2, 1);
            ObjectsMgr->CheckCollision();
        },
        [] {
            GLfloat m[16];
            GLint src = 0, dst = 0, alphaFunc = 0;
            GLfloat alphaRef = -1;
            glMatrixMode(GL_MODELVIEW);
            glLoadIdentity();
            glEnable(GL_BLEND);
            ObjectsMgr->DrawObjects();
            glGetFloatv(GL_MODELVIEW_MATRIX, m);
            EXPECT_EQ(m[12], 0.0f);
            EXPECT_EQ(m[13], -2.0f);
            EXPECT_EQ(m[14], 0.0f);
            EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
            EXPECT_FALSE(glIsEnabled(GL_BLEND));
            EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
            glGetIntegerv(GL_BLEND_SRC, &src);
            glGetIntegerv(GL_BLEND_DST, &dst);
            glGetIntegerv(GL_ALPHA_TEST_FUNC, &alphaFunc);
            glGetFloatv(GL_ALPHA_TEST_REF, &alphaRef);
            EXPECT_EQ(src, GL_SRC_ALPHA);
            EXPECT_EQ(dst, GL_ONE_MINUS_SRC_ALPHA);
            EXPECT_EQ(alphaFunc, GL_GREATER);
            EXPECT_EQ(alphaRef, 0.0f);

            glLoadIdentity();
            glTranslatef(1, 2, 3);
            PelegesoMgr->DrawPelegeso();
            glGetFloatv(GL_MODELVIEW_MATRIX, m);
            EXPECT_EQ(m[12], 1.0f);
            EXPECT_EQ(m[13], 2.0f);
            EXPECT_EQ(m[14], 3.0f);
            EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
            EXPECT_FALSE(glIsEnabled(GL_LIGHT1));
            EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
            EXPECT_FALSE(glIsEnabled(GL_BLEND));
            EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
            EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        });
}

} // namespace
