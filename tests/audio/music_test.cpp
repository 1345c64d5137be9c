// The music manager over the FMOD layer: which layer calls it makes, with
// which modes and volume, and that bad music files or no audio device leave
// the game silent without a message.
#include "audio/CMusic.h"
#include "platform/seam.h"
#include "tests/audio/sound_files.h"
#include "tests/kit/kit.h"

#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

using Calls = std::vector<std::string>;

const unsigned kLooping = 8194; // FSOUND_2D | FSOUND_LOOP_NORMAL
const unsigned kOnce = 8193;    // FSOUND_2D | FSOUND_LOOP_OFF

class MusicTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        dir = kit::TempDir();
        tone = dir + "/tone.wav";
        sound::WriteTone(tone, 0.5, 0.5);
        seam::SetCallLogging(true);
    }

    // Runs the game's start-up calls in a folder whose Data holds `music`.
    void StartUpWith(const std::string& music) {
        mkdir((dir + "/Data").c_str(), 0755);
        mkdir((dir + "/Data/BGM").c_str(), 0755);
        sound::WriteBytes(dir + "/Data/BGM/Music.mp3", music);
        ASSERT_EQ(chdir(dir.c_str()), 0);
        Music.InitSound();
        Music.PlayBGM(-1, 0);
    }

    std::string dir;
    std::string tone;
    CMusic Music;
};

TEST_F(MusicTest, ConstructionAndDestructionMakeNoLayerCall) {
    CMusic* music = new CMusic;
    for (FSOUND_STREAM* stream : music->Streams)
        EXPECT_EQ(stream, nullptr);
    EXPECT_EQ(music->BGMVolume, 0);
    delete music;
    EXPECT_EQ(seam::CallLog(), Calls{});
}

TEST_F(MusicTest, StartUpOpensTheGamesMusicLoopingAndPlaysItAtVolume125) {
    Music.InitSound();
    EXPECT_EQ(seam::CallLog(), (Calls{"FSOUND_Init", "FSOUND_Stream_Open"}));
    EXPECT_EQ(FSOUND_GetOutputRate(), 44100);
    EXPECT_EQ(Music.BGMVolume, 125);
    ASSERT_NE(Music.Streams[0], nullptr);
    EXPECT_EQ(FSOUND_Stream_GetMode(Music.Streams[0]), kLooping);
    for (int slot = 1; slot < 5; ++slot)
        EXPECT_EQ(Music.Streams[slot], nullptr);

    Music.PlayBGM(-1, 0);
    EXPECT_EQ(seam::CallLog(), (Calls{"FSOUND_Init", "FSOUND_Stream_Open", "FSOUND_Stream_Play",
                                      "FSOUND_SetVolume"}));
    EXPECT_EQ(FSOUND_GetVolume(-1), 125);
}

TEST_F(MusicTest, WithTheMusicFileAbsentPlayBGMMakesNoLayerCall) {
    ASSERT_EQ(chdir(dir.c_str()), 0);
    Music.InitSound();
    EXPECT_EQ(Music.Streams[0], nullptr);
    seam::ClearCallLog();
    Music.PlayBGM(-1, 0);
    EXPECT_EQ(seam::CallLog(), Calls{});
}

TEST_F(MusicTest, PlayBGMTestsSlotZeroWhicheverSlotItPlays) {
    FSOUND_Init(44100, 32, 0);
    Music.LoadBGM(1, tone.c_str(), true);
    ASSERT_NE(Music.Streams[1], nullptr);
    seam::ClearCallLog();
    Music.PlayBGM(-1, 1);
    EXPECT_EQ(seam::CallLog(), Calls{});

    Music.LoadBGM(0, tone.c_str(), true);
    seam::ClearCallLog();
    Music.PlayBGM(-1, 1);
    EXPECT_EQ(seam::CallLog(), (Calls{"FSOUND_Stream_Play", "FSOUND_SetVolume"}));
}

TEST_F(MusicTest, SlotNumbersOutsideTheFiveMakeNoLayerCall) {
    FSOUND_Init(44100, 32, 0);
    Music.LoadBGM(0, tone.c_str(), true);
    seam::ClearCallLog();
    for (int index : {-1, 5, 1000}) {
        Music.LoadBGM(index, tone.c_str(), true);
        Music.PlayBGM(-1, index);
    }
    EXPECT_EQ(seam::CallLog(), Calls{});
    for (int slot = 1; slot < 5; ++slot)
        EXPECT_EQ(Music.Streams[slot], nullptr);
}

struct LoadCase {
    int index;
    bool loop;
    unsigned mode;
};

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << "slot " << c.index << (c.loop ? ", looping" : ", once");
}

class LoadBGMMode : public MusicTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(LoadBGMMode, OpensIntoTheSlotWithTheModeOfLoop) {
    FSOUND_Init(44100, 32, 0);
    seam::ClearCallLog();
    Music.LoadBGM(GetParam().index, tone.c_str(), GetParam().loop);
    EXPECT_EQ(seam::CallLog(), Calls{"FSOUND_Stream_Open"});
    for (int slot = 0; slot < 5; ++slot)
        EXPECT_EQ(Music.Streams[slot] != nullptr, slot == GetParam().index) << "slot " << slot;
    EXPECT_EQ(FSOUND_Stream_GetMode(Music.Streams[GetParam().index]), GetParam().mode);
}

INSTANTIATE_TEST_SUITE_P(Slots, LoadBGMMode,
                         ::testing::Values(LoadCase{1, false, kOnce}, LoadCase{0, true, kLooping},
                                           LoadCase{4, false, kOnce}));

// Builds the content of a bad music file from the real one's.
struct BadFile {
    const char* name;
    std::string (*make)(const std::string& real);
    bool opens; // whether SDL_mixer still finds something to play
};

void PrintTo(const BadFile& file, std::ostream* os) {
    *os << file.name;
}

std::string RealMusic() {
    return kit::SourceDir() + "/Data/BGM/Music.mp3";
}

std::string RandomBytes(const std::string&) {
    std::string bytes;
    uint32_t state = 12345;
    for (int i = 0; i < 16384; ++i) {
        state = state * 1103515245u + 12345u;
        bytes.push_back(static_cast<char>(state >> 24));
    }
    return bytes;
}

const BadFile kBadFiles[] = {
    {"Empty", [](const std::string&) { return std::string(); }, false},
    {"Text", [](const std::string&) { return std::string("not music at all\n"); }, false},
    {"RandomBytes", RandomBytes, false},
    {"FrameHeaderOnly", [](const std::string& real) { return real.substr(0, 4); }, false},
    {"TruncatedToItsFirstFrames", [](const std::string& real) { return real.substr(0, 3000); },
     true},
    {"TruncatedMidway", [](const std::string& real) { return real.substr(0, 200001); }, true},
    {"WavHeaderWithoutData",
     [](const std::string&) {
         const std::string wav = kit::TempDir() + "/t.wav";
         sound::WriteTone(wav, 0.5, 0.5);
         return sound::ReadBytes(wav, 44);
     },
     false},
};

class BadMusicFile : public MusicTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadMusicFile, LeavesTheGameRunningWithoutAMessage) {
    StartUpWith(GetParam().make(sound::ReadBytes(RealMusic())));
    // Give the mixer thread time to decode what it can.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(Music.Streams[0] != nullptr, GetParam().opens);
    const Calls expected = GetParam().opens ? Calls{"FSOUND_Init", "FSOUND_Stream_Open",
                                                    "FSOUND_Stream_Play", "FSOUND_SetVolume"}
                                            : Calls{"FSOUND_Init", "FSOUND_Stream_Open"};
    EXPECT_EQ(seam::CallLog(), expected);
}

INSTANTIATE_TEST_SUITE_P(Files, BadMusicFile, ::testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MusicTest, MusicFileThatIsAFolderIsNotOpened) {
    mkdir((dir + "/Data").c_str(), 0755);
    mkdir((dir + "/Data/BGM").c_str(), 0755);
    mkdir((dir + "/Data/BGM/Music.mp3").c_str(), 0755);
    ASSERT_EQ(chdir(dir.c_str()), 0);
    Music.InitSound();
    Music.PlayBGM(-1, 0);
    EXPECT_EQ(Music.Streams[0], nullptr);
    EXPECT_EQ(seam::CallLog(), (Calls{"FSOUND_Init", "FSOUND_Stream_Open"}));
}

TEST_F(MusicTest, NoAudioDeviceLeavesTheGameSilentWithoutAMessage) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    Music.InitSound();
    Music.PlayBGM(-1, 0);
    EXPECT_EQ(FSOUND_GetOutputRate(), 0);
    EXPECT_EQ(Music.Streams[0], nullptr);
    EXPECT_EQ(seam::CallLog(), (Calls{"FSOUND_Init", "FSOUND_Stream_Open"}));
}

} // namespace
