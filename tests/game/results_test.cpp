#include "playing.h"

#include "game/resultswindow.h"

namespace vantrel::testing {
namespace {

TEST(RateText, WritesThePercentageWithThirteenDigitsAtMost) {
    struct Case {
        int correct;
        int total;
        const char* text;
    };
    const Case cases[] = {
        {3, 4, "猜中率：75%"},
        {2, 3, "猜中率：66.66666666667%"},
        {1, 3, "猜中率：33.33333333333%"},
        {1, 7, "猜中率：14.28571428571%"},
        {0, 5, "猜中率：0%"},
        {5, 5, "猜中率：100%"},
        {8, 12, "猜中率：66.66666666667%"},
        {0, 0, "猜中率：0%"},
    };
    for (const Case& each : cases) {
        EXPECT_EQ(toutf8(ratetext(each.correct, each.total)), each.text)
            << each.correct << " of " << each.total;
    }
}

TEST(Results, AGameWithoutVerdictsShowsNoughtsAndOpensTheRecordWithoutClosing) {
    World world;
    givelibrary(world, {"苹果"});
    std::vector<std::string> labels;
    bool stillopen = false;
    world.then([](World& w) { startgame(w, 1); });
    world.then([](World& w) { window(w, "game").tick("时钟1", 61); });
    world.then([&](World& w) {
        for (const char* label : {"zonggong", "zhengque", "caizhonglv"}) {
            labels.push_back(shown(w, "results", label));
        }
        w.take();
        window(w, "results").press("标签6");
        stillopen = w.kit.find("results") != nullptr;
    });
    world.run();
    EXPECT_EQ(labels, (std::vector<std::string>{"总共0个词语", "猜正确0个词语", "猜中率：0%"}));
    EXPECT_TRUE(stillopen);
    EXPECT_EQ(world.take().find("openfile \"猜词记录.txt\"\n"), 0u);
}

} // namespace
} // namespace vantrel::testing
