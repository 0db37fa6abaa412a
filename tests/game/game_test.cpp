#include "playing.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace vantrel::testing {
namespace {

std::string record(World& world) {
    std::ifstream file(world.file("猜词记录.txt"), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(Game, RunsFromStartToResultsWithEveryVerdictRecorded) {
    World world;
    givelibrary(world, {"苹果"});
    world.clock.setnow({2016, 11, 23, 20, 8, 45});
    std::vector<std::string> countdown;
    std::string recordwhileresults;
    bool timerstopped = false;
    std::vector<std::string> results;
    world.then([](World& w) { startgame(w, 1); });
    world.then([&](World& w) {
        EXPECT_EQ(shown(w, "game", "xianshibiaoqian"), "苹果");
        EXPECT_EQ(shown(w, "game", "xinxi"), "记录信息");
        countdown.push_back(shown(w, "game", "daojishi"));
        window(w, "game").press("zhengquebtn");
        window(w, "game").press("tiaoguobtn");
        EXPECT_EQ(shown(w, "game", "xinxi"), "总个数：2个|正确个数：1个|错误：1个");
    });
    for (int k = 1; k <= 60; ++k) {
        world.then([&](World& w) {
            window(w, "game").tick("时钟1", 1);
            countdown.push_back(shown(w, "game", "daojishi"));
            EXPECT_EQ(w.kit.find("results"), nullptr);
        });
    }
    // The last second: 0 is showing and a verdict still counts.
    world.then([](World& w) { window(w, "game").press("zhengquebtn"); });
    world.then([](World& w) { window(w, "game").tick("时钟1", 1); });
    // Taken while the results window is open over the game window.
    world.then([&](World& w) {
        recordwhileresults = record(w);
        timerstopped = window(w, "game").period("时钟1") == 0;
        for (const char* label : {"zonggong", "zhengque", "caizhonglv"}) {
            results.push_back(shown(w, "results", label));
        }
        window(w, "results").close();
    });
    world.then([](World& w) {
        EXPECT_EQ(w.kit.find("game"), nullptr);
        EXPECT_EQ(w.program.state().gamelog, "");
    });

    EXPECT_EQ(world.run(), 0);

    std::vector<std::string> expected;
    for (int left = 60; left >= 0; --left) {
        expected.push_back(std::to_string(left));
    }
    EXPECT_EQ(countdown, expected);
    const Text entry = "\r\n2016年11月23日20时8分45秒\r\n苹果-ok\r\n苹果-error\r\n苹果-ok\r\n"
                       "总个数：3个|正确个数：2个|错误：1个\r\n"_t;
    EXPECT_EQ(recordwhileresults, entry);
    EXPECT_EQ(record(world), entry);
    EXPECT_TRUE(timerstopped);
    EXPECT_EQ(results, (std::vector<std::string>{"总共3个词语", "猜正确2个词语",
                                                 "猜中率：66.66666666667%"}));
    // The game window goes only once the results window has been closed.
    const std::string log = world.take();
    EXPECT_LT(log.find("window results closed"), log.find("window game closed"));
}

TEST(Game, CountsDownFromItsLengthAndEndsOnTheTickAfterZero) {
    struct Case {
        int minutes;
        const char* start;
        const char* title;
    };
    const Case cases[] = {
        {0, "0", "计时0分钟 猜词进行中..."},
        {1, "60", "计时1分钟 猜词进行中..."},
        {4, "240", "计时4分钟 猜词进行中..."},
        {10, "600", "计时10分钟 猜词进行中..."},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.minutes);
        World world;
        givelibrary(world, {"老虎", "跳绳"});
        bool endedearly = true;
        bool ended = false;
        world.then([&](World& w) { startgame(w, each.minutes); });
        world.then([&](World& w) {
            EXPECT_EQ(toutf8(window(w, "game").title()), each.title);
            EXPECT_EQ(shown(w, "game", "daojishi"), each.start);
            window(w, "game").tick("时钟1", each.minutes * 60);
            endedearly = w.kit.find("results") != nullptr;
            EXPECT_EQ(shown(w, "game", "daojishi"), "0");
            window(w, "game").tick("时钟1", 1);
        });
        world.then([&](World& w) { ended = w.kit.find("results") != nullptr; });
        world.run();
        EXPECT_FALSE(endedearly);
        EXPECT_TRUE(ended);
    }
}

TEST(Game, ClosedEarlyLeavesNoRecordAndNoResults) {
    World world;
    givelibrary(world, {"苹果", "老虎"});
    world.then([](World& w) { startgame(w, 1); });
    world.then([](World& w) {
        window(w, "game").press("zhengquebtn");
        window(w, "game").tick("时钟1", 60);
    });
    world.then([](World& w) { window(w, "game").close(); });
    world.then([](World& w) {
        EXPECT_EQ(w.program.state().totalcount, 1);
        EXPECT_EQ(w.program.state().gamelog, "");
    });
    world.run();
    EXPECT_EQ(record(world), "");
    EXPECT_EQ(world.take().find("window results"), std::string::npos);
}

TEST(Game, LogsTheWordThatWasShownWhenTheButtonWentDown) {
    World world;
    givelibrary(world, {"苹果", "老虎", "跳绳", "足球"});
    std::string expected;
    std::string logged;
    std::pair<int, int> counts;
    world.then([](World& w) { startgame(w, 2); });
    for (int i = 0; i < 12; ++i) {
        world.then([&, i](World& w) {
            w.clock.settickcount(static_cast<std::uint32_t>(i * 7));
            expected += shown(w, "game", "xianshibiaoqian") + (i % 3 ? "-error\r\n" : "-ok\r\n");
            window(w, "game").press(i % 3 ? "tiaoguobtn" : "zhengquebtn");
            logged = toutf8(w.program.state().gamelog);
            counts = {w.program.state().totalcount, w.program.state().correctcount};
        });
    }
    world.run();
    EXPECT_EQ(logged, expected);
    EXPECT_EQ(counts, std::make_pair(12, 4));
}

TEST(Game, AnEmptyLibraryStartsNoGame) {
    World world;
    givelibrary(world, {});
    world.then([](World& w) {
        w.take();
        // No tick may count down behind the message box.
        w.kit.whilemessage([&w] { EXPECT_EQ(window(w, "game").period("时钟1"), 0); });
        startgame(w, 1);
        EXPECT_EQ(w.take(), "messagebox \"词库中还没有词语，请先在“管理词库”中添加词语。\" "
                            "\"提示\" OK information -> OK\n"
                            "window game closed\n");
    });
    EXPECT_EQ(world.run(), 0);
    EXPECT_EQ(record(world), "");
}

TEST(Game, AMissingLibraryEndsTheProgramAtStartOrAtTheNextDraw) {
    const std::string message = "messagebox \"数据库不存在\" \"警告\" OK none -> OK\n";
    {
        World world;
        world.then([](World& w) { startgame(w, 1); });
        EXPECT_EQ(world.run(), 0);
        EXPECT_NE(world.take().find(message), std::string::npos);
    }
    {
        World world;
        givelibrary(world, {"苹果"});
        world.then([](World& w) { startgame(w, 1); });
        world.then([](World& w) {
            std::filesystem::remove(w.file("caici.mdb"));
            w.kit.whilemessage([&w] { EXPECT_EQ(window(w, "game").period("时钟1"), 0); });
            w.take();
            window(w, "game").press("zhengquebtn");
        });
        EXPECT_EQ(world.run(), 0);
        EXPECT_EQ(world.take().find(message), 0u);
    }
}

} // namespace
} // namespace vantrel::testing
