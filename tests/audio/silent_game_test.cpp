// The whole game run with its music file absent: start-up completes, the
// title runs, no message is shown beyond the start question, and the audio
// device gets nothing but silence.
#include "audio/CMusic.h"
#include "shell/main.h"
#include "tests/audio/sound_files.h"
#include "tests/kit/kit.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(SilentGame, WithoutItsMusicFileTheGameRunsItsTitleInSilence) {
    // A working folder with all of the game's data but the music.
    const std::string dir = kit::TempDir();
    ASSERT_EQ(mkdir((dir + "/Data").c_str(), 0755), 0);
    for (const char* folder : {"Map", "Images"})
        ASSERT_EQ(symlink((kit::SourceDir() + "/Data/" + folder).c_str(),
                          (dir + "/Data/" + folder).c_str()),
                  0);
    ASSERT_EQ(chdir(dir.c_str()), 0);
    const std::string raw = dir + "/out.raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", raw.c_str(), 1);

    kit::GameRun run;
    run.onFrame = [](int frame) { return frame < 30; };
    EXPECT_EQ(run.Run(), 0);
    EXPECT_EQ(run.frames, 30);
    EXPECT_EQ(Main.GameState, GAME_STATE_TITLE);
    EXPECT_EQ(run.boxes.size(), 1u) << "a message beyond the start question";
    EXPECT_EQ(Music->Streams[0], nullptr);

    // The device stays open and keeps mixing: a second of it is silence.
    ASSERT_TRUE(sound::WaitForSize(raw, sound::kRate * 4, 10.0));
    const std::vector<int16_t> out = sound::ReadSamples(raw);
    EXPECT_EQ(sound::Peak(out, 0, out.size() / 2), 0.0);
}

} // namespace
