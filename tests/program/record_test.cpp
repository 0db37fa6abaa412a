#include "game/record.h"
#include "tests/support/world.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

std::string readfile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

State workedgame() {
    State state;
    state.gamelog = "苹果-ok\r\n跳绳-error\r\n老虎-ok\r\n"_t;
    state.totalcount = 3;
    state.correctcount = 2;
    return state;
}

TEST(Record, WorkedEntryByteForByteInEveryDateShape) {
    const std::string tail =
        "苹果-ok\r\n跳绳-error\r\n老虎-ok\r\n总个数：3个|正确个数：2个|错误：1个\r\n";
    const std::pair<DateTime, std::string> cases[] = {
        {{2016, 11, 23, 20, 8, 45}, "2016年11月23日20时8分45秒"},
        {{2016, 11, 23, 20, 8, 0}, "2016年11月23日20时8分"},
        {{2016, 11, 23, 20, 0, 0}, "2016年11月23日20时"},
        {{2016, 11, 23, 0, 0, 0}, "2016年11月23日"},
    };
    for (const auto& [when, dateline] : cases) {
        EXPECT_EQ(recordentry(workedgame(), when), fromutf8("\r\n" + dateline + "\r\n" + tail));
    }
    EXPECT_EQ(recordentry(workedgame(), cases[0].first).size(), 96u);
}

TEST(Record, GameWithoutVerdicts) {
    EXPECT_EQ(toutf8(recordentry(State{}, {2016, 11, 23, 20, 8, 45})),
              "\r\n2016年11月23日20时8分45秒\r\n总个数：0个|正确个数：0个|错误：0个\r\n");
}

TEST(Record, ResetThenAppendsKeepEveryEntry) {
    testing::World world;
    const auto path = world.file("猜词记录.txt");
    std::ofstream(path) << "an earlier run";
    resetrecord(world.program);
    EXPECT_EQ(readfile(path), "");

    world.program.state() = workedgame();
    world.clock.setnow({2016, 11, 23, 20, 8, 45});
    appendrecord(world.program);
    const std::string first = readfile(path);
    EXPECT_EQ(first.substr(0, 2), "\r\n");
    EXPECT_EQ(first.size(), 96u);

    world.clock.setnow({2016, 11, 23, 20, 9, 0});
    appendrecord(world.program);
    EXPECT_EQ(readfile(path), first + recordentry(workedgame(), {2016, 11, 23, 20, 9, 0}));

    // A file deleted during the run starts again with the next entry alone.
    std::filesystem::remove(path);
    appendrecord(world.program);
    EXPECT_EQ(readfile(path), recordentry(workedgame(), {2016, 11, 23, 20, 9, 0}));
}

TEST(Record, AFailedRewriteLeavesNoDebris) {
    testing::World world;
    // A folder in the record file's place: the rewrite cannot replace it.
    std::filesystem::create_directory(world.file("猜词记录.txt"));
    world.program.state() = workedgame();
    appendrecord(world.program);
    EXPECT_TRUE(std::filesystem::is_directory(world.file("猜词记录.txt")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(world.dir_),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(Record, OpensTheFileWithItsProgram) {
    testing::World world;
    openrecord(world.program);
    EXPECT_EQ(world.take(), "openfile \"猜词记录.txt\"\n");
}

} // namespace
} // namespace vantrel
