// The prop file read into the table, and SetObject.
#include "tests/core/world.h"

#include "platform/seam.h"
#include "tests/kit/kit.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// What a slot holds after reading; fields 9 to 13 are checked separately.
struct Slot {
    int slot;
    int TexID;
    float PosX, PosY, PosZ, Depth, Width, Height;
};

struct FileCase {
    const char* what;
    std::string content;
    std::vector<Slot> filled; // every other slot must stay empty
};

// Runs InitObjects in a fresh folder whose Data/Map/Map.txt holds content.
void ReadPropFile(const std::string& content) {
    const std::string dir = kit::TempDir();
    ASSERT_EQ(mkdir((dir + "/Data").c_str(), 0755), 0);
    ASSERT_EQ(mkdir((dir + "/Data/Map").c_str(), 0755), 0);
    const std::string file = dir + "/Data/Map/Map.txt";
    std::ofstream(file) << content;
    ASSERT_EQ(chdir(dir.c_str()), 0);
    ObjectsMgr->InitObjects();
    std::remove(file.c_str());
    rmdir((dir + "/Data/Map").c_str());
    rmdir((dir + "/Data").c_str());
    rmdir(dir.c_str());
}

void ExpectSlot(const Slot& want, const char* what) {
    const structObjects& got = TheObjects[want.slot];
    SCOPED_TRACE(std::string(what) + ", slot " + std::to_string(want.slot));
    EXPECT_EQ(got.InWorld, 1);
    EXPECT_EQ(got.TexID, want.TexID);
    EXPECT_EQ(got.PosX, want.PosX);
    EXPECT_EQ(got.PosY, want.PosY);
    EXPECT_EQ(got.PosZ, want.PosZ);
    EXPECT_EQ(got.Depth, want.Depth);
    EXPECT_EQ(got.Width, want.Width);
    EXPECT_EQ(got.Height, want.Height);
}

class CorePropFile : public ::testing::TestWithParam<FileCase> {
  protected:
    void SetUp() override { core::ResetWorld(); }
};

TEST_P(CorePropFile, FillsTheSlotsItsRecordsName) {
    const FileCase& k = GetParam();
    ReadPropFile(k.content);
    std::vector<bool> expected(MAX_OBJECTS, false);
    for (const Slot& slot : k.filled) {
        ExpectSlot(slot, k.what);
        expected[slot.slot] = true;
    }
    for (int i = 0; i < MAX_OBJECTS; ++i)
        if (!expected[i]) {
            EXPECT_EQ(TheObjects[i].InWorld, 0) << k.what << ", slot " << i;
        }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CorePropFile,
    ::testing::Values(
        FileCase{"one record", "0 5 1 0 -20 0 10 8\n", {{0, 5, 1, 0, -20, 0, 10, 8}}},
        FileCase{"first index 1", "1 5 1 0 -20 0 10 8\n", {}},
        FileCase{"indices 0 1 3",
                 "0 5 1 0 -20 0 10 8\n1 6 2 0 -30 4 0 9\n3 7 3 0 -40 2 2 2\n",
                 {{0, 5, 1, 0, -20, 0, 10, 8}, {1, 6, 2, 0, -30, 4, 0, 9}}},
        FileCase{"empty file", "", {{0, 0, 0, 0, 0, 0, 0, 0}}},
        FileCase{"ends inside a record",
                 "0 5 1 2 3 4 5 6\n1 7 8.5",
                 {{0, 5, 1, 2, 3, 4, 5, 6}, {1, 7, 8.5f, 2, 3, 4, 5, 6}}},
        FileCase{"ends inside the first record", "0 9 -1.5", {{0, 9, -1.5f, 0, 0, 0, 0, 0}}},
        FileCase{"tabs and line breaks alike, %i bases",
                 "0\t0x1A\n1.25 -0.5\t+3e1 0 7 1\n 01 017 0 0 0 0 0 0",
                 {{0, 26, 1.25f, -0.5f, 30, 0, 7, 1}, {1, 15, 0, 0, 0, 0, 0, 0}}},
        FileCase{"text in place of a number stops the reading",
                 "0 5 x 2 3 4 5 6\n1 7 8 9 10 11 12 13\n",
                 {{0, 5, 0, 0, 0, 0, 0, 0}}},
        FileCase{"text after a record", "0 5 1 0 -20 0 10 8 end\n", {{0, 5, 1, 0, -20, 0, 10, 8}}},
        FileCase{"negative sizes stored as read",
                 "0 -3 1 2 3 -4 -5 -6",
                 {{0, -3, 1, 2, 3, -4, -5, -6}}}));

TEST(CorePropFileValues, NonFiniteValuesAreStoredAsRead) {
    core::ResetWorld();
    ReadPropFile("0 5 nan inf -inf 0 NAN 1\n");
    const structObjects& prop = TheObjects[0];
    EXPECT_EQ(prop.InWorld, 1);
    EXPECT_TRUE(std::isnan(prop.PosX));
    EXPECT_EQ(prop.PosY, INFINITY);
    EXPECT_EQ(prop.PosZ, -INFINITY);
    EXPECT_TRUE(std::isnan(prop.Width));
    EXPECT_EQ(prop.Height, 1.0f);
}

TEST(CorePropFileValues, RecordsPastTheLastSlotAreIgnored) {
    core::ResetWorld();
    std::string content;
    for (int i = 0; i < MAX_OBJECTS + 5; ++i)
        content += std::to_string(i) + " " + std::to_string(3 + i % 30) + " " + std::to_string(i) +
                   " 0 -10 0 2 3\n";
    ReadPropFile(content);
    for (int i = 0; i < MAX_OBJECTS; ++i) {
        ASSERT_EQ(TheObjects[i].InWorld, 1) << i;
        ASSERT_EQ(TheObjects[i].TexID, 3 + i % 30) << i;
        ASSERT_EQ(TheObjects[i].PosX, static_cast<float>(i)) << i;
    }
}

TEST(CorePropFileValues, SlotsBeyondTheFileAndTheStickFieldsKeepWhatTheyHeld) {
    core::ResetWorld();
    TheObjects[0].StickX = 1.0f;
    TheObjects[0].StickZ = 2.0f;
    TheObjects[0].AxisZ = 3.0f;
    TheObjects[0].AxisX = 4.0f;
    TheObjects[0].StickAngle = 5.0f;
    TheObjects[0].InWorld = 0;
    core::Place(5, 40, 7, -7, 5, 5);
    TheObjects[5].InWorld = 0; // a letter the ball took during the title
    ReadPropFile("0 5 1 0 -20 0 10 8\n");
    EXPECT_EQ(TheObjects[0].InWorld, 1);
    EXPECT_EQ(TheObjects[0].StickX, 1.0f);
    EXPECT_EQ(TheObjects[0].StickZ, 2.0f);
    EXPECT_EQ(TheObjects[0].AxisZ, 3.0f);
    EXPECT_EQ(TheObjects[0].AxisX, 4.0f);
    EXPECT_EQ(TheObjects[0].StickAngle, 5.0f);
    EXPECT_EQ(TheObjects[5].InWorld, 0);
    EXPECT_EQ(TheObjects[5].TexID, 40);
}

TEST(CorePropFileValues, AMissingFileShowsTheBoxAndLeavesTheTable) {
    core::ResetWorld();
    core::Place(3, 40, 1, 2, 5, 5);
    std::vector<kit::Box> boxes;
    seam::SetMessageBoxAnswerer(
        [&](const std::string& text, const std::string& caption, unsigned style) {
            boxes.push_back({text, caption, style});
            return IDOK;
        });
    const std::string dir = kit::TempDir();
    ASSERT_EQ(chdir(dir.c_str()), 0);
    ObjectsMgr->InitObjects();
    seam::SetMessageBoxAnswerer(nullptr);
    rmdir(dir.c_str());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Could not load map file");
    EXPECT_EQ(boxes[0].caption, "error");
    EXPECT_EQ(boxes[0].style, unsigned(MB_OK));
    EXPECT_EQ(TheObjects[3].InWorld, 1);
    EXPECT_EQ(TheObjects[3].TexID, 40);
    for (int i = 0; i < MAX_OBJECTS; ++i)
        if (i != 3) {
            EXPECT_EQ(TheObjects[i].InWorld, 0) << i;
        }
}

TEST(CoreSetObject, FillsOneSlotInTheFileOrderOfArguments) {
    core::ResetWorld();
    TheObjects[7].StickX = 11.0f;
    TheObjects[7].StickAngle = -12.0f;
    ObjectsMgr->SetObject(7, 20, 4, 0, -100, 0, 6, 9);
    ExpectSlot({7, 20, 4, 0, -100, 0, 6, 9}, "SetObject");
    EXPECT_EQ(TheObjects[7].StickX, 11.0f);
    EXPECT_EQ(TheObjects[7].StickAngle, -12.0f);
    EXPECT_EQ(TheObjects[6].InWorld, 0);
    EXPECT_EQ(TheObjects[8].InWorld, 0);
}

TEST(CoreSetObject, OutsideTheTableChangesNothing) {
    core::ResetWorld();
    core::Place(0, 5, 1, 1, 1, 1);
    core::Place(MAX_OBJECTS - 1, 6, 1, 1, 1, 1);
    std::vector<unsigned char> before(reinterpret_cast<unsigned char*>(TheObjects),
                                      reinterpret_cast<unsigned char*>(TheObjects + MAX_OBJECTS));
    for (int slot : {-1, MAX_OBJECTS, MAX_OBJECTS + 1, -100000, 1 << 30})
        ObjectsMgr->SetObject(slot, 9, 2, 2, 2, 2, 2, 2);
    EXPECT_EQ(std::memcmp(before.data(), TheObjects, before.size()), 0);
}

} // namespace
