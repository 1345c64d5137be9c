// The fast drawing path draws every pixel of every scene exactly as the
// literal call sequence does: both are rendered from the same state inside
// one frame of the real game and the whole 640 x 480 frame is compared.
#include "tests/perf/frame_pair.h"

#include "shell/main.h"

#include "camera/camera.h"
#include "tests/kit/kit.h"
#include "tools/bench/scenes.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <unistd.h>

namespace {

void ExpectSamePixels(const std::string& what) {
    const perf::PairResult pair = perf::RenderBothWays();
    EXPECT_TRUE(pair.literalState == pair.fastState) << what << ": GL state left differs";
    if (pair.differing == 0)
        return;
    const std::string dir = kit::TempDir();
    perf::SavePpm(pair.literal, dir + "/literal.ppm");
    perf::SavePpm(pair.fast, dir + "/fast.ppm");
    ADD_FAILURE() << what << ": " << pair.differing << " pixels differ, the first at ("
                  << pair.firstX << ", " << pair.firstY << "); both frames are in " << dir;
}

// Runs the game; frame 1 sets the scene, `compareAt` lists the frames that
// are drawn both ways, and the run ends after the last of them.
void CompareScene(const scenes::Scene& scene, const std::set<int>& compareAt) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr);
    kit::FakeClock clock;
    kit::GameRun run;
    run.onFrame = [&](int frame) {
        if (frame == 1)
            scene.set();
        else if (compareAt.count(frame))
            ExpectSamePixels(std::string(scene.name) + ", frame " + std::to_string(frame));
        return frame < *compareAt.rbegin();
    };
    run.Run();
    EXPECT_EQ(run.frames, *compareAt.rbegin());
}

class PerfPixels : public testing::TestWithParam<int> {};

TEST_P(PerfPixels, SceneDrawsTheSameBothWays) {
    CompareScene(scenes::ALL[GetParam()], {2, 3});
}

INSTANTIATE_TEST_SUITE_P(Scenes, PerfPixels, testing::Range(0, 6),
                         [](const testing::TestParamInfo<int>& info) {
                             std::string name = scenes::ALL[info.param].name;
                             for (char& c : name)
                                 if (!isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

// Through the whole title script: letters taken one by one, the hopping
// letter, and the overlay from the script's last step.
TEST(PerfPixelsTitle, ScriptDrawsTheSameBothWays) {
    CompareScene(scenes::ALL[0], {2, 60, 150, 250, 350, 450, 540, 600});
    EXPECT_EQ(Main.TitleStep, 7);
}

// The ground from many places and headings across the town, tiles crossing
// the near plane and the edge of the view included.
TEST(PerfPixelsTown, AcrossTheTownDrawsTheSameBothWays) {
    constexpr int PLACES = 12;
    ASSERT_NE(std::getenv("DISPLAY"), nullptr);
    kit::FakeClock clock;
    kit::GameRun run;
    run.onFrame = [](int frame) {
        if (frame == 1)
            scenes::PlayStart();
        if (frame > 1) {
            const int i = frame - 2;
            TheCamera.PosX = 300.0f - 55.0f * static_cast<float>(i);
            TheCamera.PosZ = 20.0f + 61.0f * static_cast<float>(i);
            TheCamera.RotX = 31.0f * static_cast<float>(i);
            TheCamera.RotY = static_cast<float>(i * 8 % 88) - 15.0f;
            TheCamera.ViewZ = -10.0f - 37.0f * static_cast<float>(i);
            ExpectSamePixels("place " + std::to_string(i));
        }
        return frame < PLACES + 1;
    };
    run.Run();
    EXPECT_EQ(run.frames, PLACES + 1);
}

} // namespace
