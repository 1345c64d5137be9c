// Images missing, empty, cut in half or replaced by random bytes. One at a
// time through the texture catalogue's real loading: only the slots of the
// damaged file lose their texture. All of them at once through the whole
// game: it starts, runs its title and plays, untextured.
#include "ground/CTextureMgr.h"
#include "shell/main.h"
#include "tests/faults/data_copy.h"
#include "tests/faults/fault_run.h"
#include "tests/ground/gl_context.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kUnloadedSlots[] = {49, 59};

std::vector<std::string> ShippedImages() {
    std::vector<std::string> images;
    const std::filesystem::path data = std::filesystem::path(kit::SourceDir());
    for (const auto& entry : std::filesystem::recursive_directory_iterator(data / "Data/Images"))
        if (entry.is_regular_file())
            images.push_back(std::filesystem::relative(entry.path(), data).string());
    return images;
}

bool Unloaded(int slot) {
    return slot == kUnloadedSlots[0] || slot == kUnloadedSlots[1];
}

void LoadCatalogue() {
    for (unsigned int& texture : TextureMgr->Textures) {
        if (texture)
            glDeleteTextures(1, &texture);
        texture = 0;
    }
    TextureMgr->InitTextures();
}

class DamagedImages : public testing::TestWithParam<Damage> {};

TEST_P(DamagedImages, OneAtATimeEmptyOnlyTheirOwnSlots) {
    DataCopy data;
    GlContext context;
    ASSERT_TRUE(context.Ready());
    const std::vector<std::string> images = ShippedImages();
    ASSERT_EQ(images.size(), 57u);

    // Every loaded slot belongs to exactly one file; damaging that file
    // empties it and leaves all the others loaded.
    std::set<int> owned;
    for (const std::string& image : images) {
        SCOPED_TRACE(image);
        data.Apply(image, GetParam());
        LoadCatalogue();
        data.Restore(image);
        std::set<int> emptied;
        for (int slot = 0; slot < TEXTURE_SLOTS; ++slot)
            if (!Unloaded(slot) && TextureMgr->Textures[slot] == 0)
                emptied.insert(slot);
        EXPECT_FALSE(emptied.empty()) << "the damage went unnoticed";
        for (int slot : emptied)
            EXPECT_TRUE(owned.insert(slot).second) << "slot " << slot << " emptied twice";
    }
    EXPECT_EQ(owned.size(), static_cast<size_t>(TEXTURE_SLOTS - 2));
}

TEST_P(DamagedImages, AllAtOnceLeaveAGameThatPlaysUntextured) {
    DataCopy data;
    for (const std::string& image : ShippedImages())
        data.Apply(image, GetParam());
    const FaultRun run = RunTitleAndPlay(10, 60);
    EXPECT_EQ(run.exitValue, 0);
    EXPECT_EQ(run.titleFrames, 10);
    EXPECT_EQ(run.playFrames, 60);
    EXPECT_EQ(run.boxes.size(), 1u) << "a message beyond the start question";
    for (unsigned int texture : TextureMgr->Textures)
        EXPECT_EQ(texture, 0u);
}

INSTANTIATE_TEST_SUITE_P(Faults, DamagedImages,
                         testing::Values(Damage::Missing, Damage::Empty, Damage::Truncated,
                                         Damage::RandomBytes),
                         [](const testing::TestParamInfo<Damage>& info) {
                             return std::string(DamageName(info.param));
                         });

} // namespace
