// No audio device: the sound system cannot start, so the music cannot be
// opened; the game runs its title and play in silence, with no message.
#include "audio/CMusic.h"
#include "shell/main.h"
#include "tests/faults/data_copy.h"
#include "tests/faults/fault_run.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

struct AudioSetting {
    const char* name;
    const char* driver;
    const char* diskFile;
};

void PrintTo(const AudioSetting& setting, std::ostream* out) {
    *out << setting.name;
}

class NoAudioDevice : public testing::TestWithParam<AudioSetting> {};

TEST_P(NoAudioDevice, LeavesTheGameSilentAndRunning) {
    DataCopy data;
    setenv("SDL_AUDIODRIVER", GetParam().driver, 1);
    if (GetParam().diskFile)
        setenv("SDL_DISKAUDIOFILE", GetParam().diskFile, 1);
    const FaultRun run = RunTitleAndPlay(10, 60);
    EXPECT_EQ(run.exitValue, 0);
    EXPECT_EQ(run.titleFrames, 10);
    EXPECT_EQ(run.playFrames, 60);
    EXPECT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(Music->Streams[0], nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, NoAudioDevice,
    testing::Values(AudioSetting{"UnknownDriver", "nosuchdriver", nullptr},
                    AudioSetting{"DeviceThatCannotOpen", "disk", "/nonexistent/folder/out.raw"}),
    [](const testing::TestParamInfo<AudioSetting>& info) { return std::string(info.param.name); });

} // namespace
