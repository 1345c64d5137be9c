// The game started where there is no Data folder at all: it starts, draws
// untextured, runs silent, and tells of the missing prop file when play begins.
#include "audio/CMusic.h"
#include "ground/CTextureMgr.h"
#include "props/objects.h"
#include "shell/main.h"
#include "tests/faults/data_copy.h"
#include "tests/faults/fault_run.h"

#include <gtest/gtest.h>

namespace {

TEST(MissingDataFolder, StartsDrawsUntexturedRunsSilentAndReportsTheMapFileAtPlay) {
    DataCopy nothing(false);
    kit::Rgb ground{};
    const FaultRun run = RunTitleAndPlay(10, 60, [&](int) {
        // Below the ball and clear of both HUD panels: the untextured ground
        // takes the white of the current colour.
        if (Main.GameState == GAME_STATE_PLAYING)
            ground = kit::Pixel(320, 470);
        return true;
    });
    EXPECT_EQ(run.exitValue, 0);
    EXPECT_EQ(run.titleFrames, 10);
    EXPECT_EQ(run.playFrames, 60);

    ASSERT_EQ(run.boxesBeforePlay, 1u) << "only the start question before play";
    ASSERT_EQ(run.boxes.size(), 2u);
    EXPECT_EQ(run.boxes[1].text, "Could not load map file");
    EXPECT_EQ(run.boxes[1].caption, "error");

    for (unsigned int texture : TextureMgr->Textures)
        EXPECT_EQ(texture, 0u);
    EXPECT_EQ(ground.r, 255);
    EXPECT_EQ(ground.g, 255);
    EXPECT_EQ(ground.b, 255);
    EXPECT_EQ(Music->Streams[0], nullptr);
    for (const auto& row : Main.MapGrid)
        for (int tile : row)
            ASSERT_EQ(tile, 0);
    // Play went on over the title's letter blocks.
    for (int slot = 20; slot < MAX_OBJECTS; ++slot)
        ASSERT_EQ(TheObjects[slot].InWorld, 0) << slot;
}

} // namespace
