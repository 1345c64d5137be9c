// No heap allocation per frame: a few hundred frames of the title script and
// of play with the ball rolling through the town, after start-up, allocate
// nothing on the game's thread, in the game or in the libraries it calls.
#include "tests/perf/alloc_counter.h"

#include "platform/dinput/dikeys.h"
#include "tests/kit/kit.h"
#include "tools/bench/scenes.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

constexpr int WARM_UP = 10;
constexpr int COUNTED = 150;

struct Phase {
    const char* name;
    void (*set)();
    // Keys held through the phase: forward and a right turn roll the ball in
    // a circle, through pickups and push-backs.
    std::initializer_list<uint8_t> keys;
};

const Phase PHASES[] = {{"title", scenes::Title, {}},
                        {"play, rolling", scenes::PlayStart, {DIK_W, DIK_D}}};

TEST(PerfAllocations, NoneAcrossTitleAndPlayFrames) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr);
    constexpr int PHASE_FRAMES = 1 + WARM_UP + COUNTED;
    constexpr int PHASE_COUNT = sizeof PHASES / sizeof PHASES[0];
    long allocations[PHASE_COUNT] = {};
    kit::FakeClock clock;
    kit::GameRun run;
    run.onFrame = [&allocations](int frame) {
        const int phase = (frame - 1) / PHASE_FRAMES;
        const int step = (frame - 1) % PHASE_FRAMES;
        if (phase > 0 && step == 0) {
            allocations[phase - 1] = perf::StopCountingAllocations();
            if (allocations[phase - 1] > 0)
                perf::PrintFirstAllocation();
        }
        if (phase == PHASE_COUNT)
            return false;
        if (step == 0) {
            PHASES[phase].set();
            kit::FeedKeys(PHASES[phase].keys);
        } else if (step == WARM_UP) {
            perf::StartCountingAllocations();
        }
        return true;
    };
    run.Run();
    ASSERT_EQ(run.frames, PHASE_COUNT * PHASE_FRAMES + 1);
    for (int i = 0; i < PHASE_COUNT; ++i)
        EXPECT_EQ(allocations[i], 0) << PHASES[i].name << ": heap allocations over " << COUNTED
                                     << " frames (the first one's stack is above)";
}

} // namespace
