#include "skin/skin.h"
#include "skin/skinformat.h"
#include "skin/skintable.h"
#include "tests/support/world.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

using testing::World;

std::string readfile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(Skin, EngineIsWrittenOnlyWhenMissing) {
    World world;
    extractengine(world.program);
    EXPECT_EQ(readfile(world.file("SkinH_EL.dll")), "test engine");

    std::ofstream(world.file("SkinH_EL.dll"), std::ios::trunc) << "someone else's";
    std::filesystem::permissions(world.file("SkinH_EL.dll"), std::filesystem::perms::owner_read);
    extractengine(world.program);
    EXPECT_EQ(readfile(world.file("SkinH_EL.dll")), "someone else's");
    EXPECT_EQ(std::filesystem::status(world.file("SkinH_EL.dll")).permissions(),
              std::filesystem::perms::owner_read);
}

TEST(Skin, EveryBlockIsASkinCarryingItsNumber) {
    for (int n = 1; n <= skincount; ++n) {
        const auto block = skinblock(n);
        ASSERT_GE(block.size(), 4u);
        EXPECT_EQ(std::string(block.begin(), block.begin() + 4), ".SHE");
        EXPECT_EQ(skinnumber(block), n);
    }
    EXPECT_TRUE(skinblock(0).empty());
    EXPECT_TRUE(skinblock(34).empty());
}

TEST(Skin, AttachHandsSkinTwoToTheEngine) {
    World world;
    std::vector<unsigned char> seen;
    attachskin(world.program, 2);
    ASSERT_EQ(world.attached.size(), 1u);
    EXPECT_EQ(world.attached[0].second, static_cast<int>(skinblock(2).size()));
    attachskin(world.program, 40);
    EXPECT_EQ(world.attached[1], std::make_pair(static_cast<const void*>(nullptr), 0));
    // Loaded once for the whole run.
    EXPECT_EQ(world.take(), "load \"SkinH_EL.dll\"\n");
}

TEST(Skin, AnEngineWithoutItsEntryPointEndsTheProgram) {
    for (const bool loadable : {false, true}) {
        World world;
        world.modules.setloadable(loadable);
        world.modules.setentrypoint(false);
        world.then([](World&) { ADD_FAILURE() << "the program went on"; });
        EXPECT_NE(world.run(), 0);
        const std::string log = world.take();
        EXPECT_NE(log.find("fatal \"无法加载 SkinH_EL.dll 或找不到其入口 SkinH_AttachRes"),
                  std::string::npos)
            << log;
        EXPECT_EQ(log.find("window main opened"), std::string::npos);
        EXPECT_EQ(log.find("get "), std::string::npos);
    }
}

} // namespace
} // namespace vantrel
