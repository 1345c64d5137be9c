// Each of the game's data files missing, empty, cut in half or replaced by
// random bytes, one at a time: the game starts, runs its title and plays, and
// the damage shows only as its defined outcome.
#include "audio/CMusic.h"
#include "props/objects.h"
#include "shell/main.h"
#include "tests/faults/data_copy.h"
#include "tests/faults/fault_run.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char* const kTileFile = "Data/Map/MapTex.txt";
const char* const kPropFile = "Data/Map/Map.txt";
const char* const kMusicFile = "Data/BGM/Music.mp3";

constexpr Damage kDamages[] = {Damage::Missing, Damage::Empty, Damage::Truncated,
                               Damage::RandomBytes};

std::string ShippedText(const std::string& file) {
    const std::vector<char> bytes = DataCopy::Shipped(file);
    return std::string(bytes.begin(), bytes.end());
}

// The number of white-space separated words in the first half of the file.
size_t WordsInFirstHalf(const std::string& file) {
    const std::string text = ShippedText(file);
    std::istringstream in(text.substr(0, text.size() / 2));
    size_t words = 0;
    for (std::string word; in >> word;)
        ++words;
    return words;
}

struct Case {
    const char* file;
    Damage damage;
};

std::vector<Case> EachDamage(const char* file) {
    std::vector<Case> cases;
    for (Damage damage : kDamages)
        cases.push_back({file, damage});
    return cases;
}

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.file << " " << DamageName(c.damage);
}

std::string CaseName(const testing::TestParamInfo<Case>& info) {
    std::string name = info.param.file;
    name = name.substr(name.rfind('/') + 1);
    for (char& c : name)
        if (c == '.')
            c = '_';
    return name + "_" + DamageName(info.param.damage);
}

class DamagedFile : public testing::TestWithParam<Case> {
  protected:
    // Damages the file, runs the game and checks what every case shares: a
    // clean run through the title into play, and no box but the start
    // question before play.
    FaultRun RunDamaged(const std::function<bool(int)>& during = nullptr) {
        data_.Apply(GetParam().file, GetParam().damage);
        const FaultRun run = RunTitleAndPlay(10, 60, during);
        EXPECT_EQ(run.exitValue, 0);
        EXPECT_EQ(run.titleFrames, 10);
        EXPECT_EQ(run.playFrames, 60);
        EXPECT_EQ(run.boxesBeforePlay, 1u);
        return run;
    }
    DataCopy data_;
};

using DamagedTileFile = DamagedFile;
using DamagedPropFile = DamagedFile;
using DamagedMusicFile = DamagedFile;

TEST_P(DamagedTileFile, GivesTheGroundItsReadablePartAndGrassForTheRest) {
    const FaultRun run = RunDamaged();
    EXPECT_EQ(run.boxes.size(), 1u);
    const Damage damage = GetParam().damage;
    if (damage == Damage::RandomBytes)
        return; // whatever the bytes spell, the run above held
    // Only the values wholly before the cut are known; from the cut on, grass.
    const size_t known = damage == Damage::Truncated ? WordsInFirstHalf(kTileFile) : 0;
    std::istringstream shipped(ShippedText(kTileFile));
    for (size_t k = 0; k < MAP_ROWS * MAP_COLS; ++k) {
        int value = 0;
        shipped >> value;
        const int entry = Main.MapGrid[k / MAP_COLS][k % MAP_COLS];
        if (k + 1 < known) {
            ASSERT_EQ(entry, value) << "entry " << k;
        } else if (k >= known) {
            ASSERT_EQ(entry, 0) << "entry " << k;
        }
    }
}

TEST_P(DamagedPropFile, PlacesTheRecordsItCanReadAndNoOthers) {
    // The table as the first frame of play shows it, before any step.
    structObjects atStart[MAX_OBJECTS] = {};
    bool seen = false;
    const FaultRun run = RunDamaged([&](int) {
        if (Main.GameState == GAME_STATE_PLAYING && !seen) {
            std::memcpy(atStart, TheObjects, sizeof atStart);
            seen = true;
        }
        return true;
    });
    ASSERT_TRUE(seen);
    const Damage damage = GetParam().damage;
    if (damage == Damage::Missing) {
        // The box comes when play begins; the title's letters stay.
        ASSERT_EQ(run.boxes.size(), 2u);
        EXPECT_EQ(run.boxes[1].text, "Could not load map file");
        EXPECT_EQ(run.boxes[1].caption, "error");
        EXPECT_EQ(run.boxes[1].style, static_cast<unsigned>(MB_OK));
        for (int slot = 0; slot < MAX_OBJECTS; ++slot)
            EXPECT_EQ(atStart[slot].TexID >= 36 && atStart[slot].TexID <= 48, slot < 20) << slot;
        return;
    }
    EXPECT_EQ(run.boxes.size(), 1u);
    if (damage == Damage::Empty || damage == Damage::RandomBytes) {
        // No index can be read, so the expected index 0 stands: one empty record.
        EXPECT_EQ(atStart[0].TexID, 0);
        EXPECT_EQ(atStart[0].InWorld, 1);
        EXPECT_EQ(atStart[0].Width, 0.0f);
        EXPECT_EQ(atStart[1].TexID, 37) << "the title's second letter";
        return;
    }
    // Cut in half: the whole records before the cut are the shipped ones.
    const size_t records = WordsInFirstHalf(kPropFile) / 8;
    std::istringstream shipped(ShippedText(kPropFile));
    for (size_t slot = 0; slot + 1 < records; ++slot) {
        int index = 0, TexID = 0;
        float PosX = 0, PosY = 0, PosZ = 0, Depth = 0, Width = 0, Height = 0;
        shipped >> index >> TexID >> PosX >> PosY >> PosZ >> Depth >> Width >> Height;
        ASSERT_EQ(atStart[slot].TexID, TexID) << slot;
        ASSERT_EQ(atStart[slot].PosX, PosX) << slot;
        ASSERT_EQ(atStart[slot].PosZ, PosZ) << slot;
        ASSERT_EQ(atStart[slot].Height, Height) << slot;
    }
    for (int slot = static_cast<int>(records) + 1; slot < MAX_OBJECTS; ++slot)
        ASSERT_EQ(atStart[slot].InWorld, slot < 20 ? 1 : 0) << slot;
}

TEST_P(DamagedMusicFile, LeavesTheGameSilentOrPlaysWhatCanBeDecoded) {
    const FaultRun run = RunDamaged();
    EXPECT_EQ(run.boxes.size(), 1u);
    switch (GetParam().damage) {
    case Damage::Missing:
    case Damage::Empty:
        EXPECT_EQ(Music->Streams[0], nullptr);
        break;
    case Damage::Truncated:
        EXPECT_NE(Music->Streams[0], nullptr) << "half of the music still decodes";
        break;
    case Damage::RandomBytes:
        break; // silent, or noise the decoder made of it: either way the run held
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, DamagedTileFile, testing::ValuesIn(EachDamage(kTileFile)),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(Faults, DamagedPropFile, testing::ValuesIn(EachDamage(kPropFile)),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(Faults, DamagedMusicFile, testing::ValuesIn(EachDamage(kMusicFile)),
                         CaseName);

} // namespace
