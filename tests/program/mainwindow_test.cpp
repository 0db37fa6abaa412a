#include "addresses.h"
#include "app/openaddress.h"
#include "tests/support/world.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

using testing::World;

HeadlessWindow& mainwindow(World& world) {
    return *world.kit.find("main");
}

TEST(MainWindow, StartsUpInOrderAndEndsWithExitCodeZero) {
    World world;
    std::ofstream(world.file("猜词记录.txt")) << "last run";
    world.then([](World& w) {
        // The record is already emptied and the window shown when the operator can act.
        EXPECT_EQ(std::filesystem::file_size(w.file("猜词记录.txt")), 0u);
        EXPECT_TRUE(std::filesystem::exists(w.file("SkinH_EL.dll")));
        EXPECT_EQ(mainwindow(w).text("shijian"), "");
    });
    EXPECT_EQ(world.run(), 0);
    const std::string log = world.take();
    const auto load = log.find("load \"SkinH_EL.dll\"\n");
    const auto get = log.find("get ");
    const auto opened = log.find("window main opened");
    ASSERT_NE(load, std::string::npos) << log;
    EXPECT_LT(load, get);
    EXPECT_LT(get, opened);
    EXPECT_NE(log.find("window main closed"), std::string::npos);
    ASSERT_EQ(world.attached.size(), 1u);
}

TEST(MainWindow, TimeChoiceAndStartWithoutTime) {
    World world;
    world.then([](World& w) {
        mainwindow(w).choose("shijian", "10");
        EXPECT_EQ(w.program.state().gameminutes, 10);
        mainwindow(w).choose("shijian", "3");
        EXPECT_EQ(w.program.state().gameminutes, 3);
        // Typing is no choice: the minutes stay as chosen last.
        mainwindow(w).type("shijian", "7");
        EXPECT_EQ(w.program.state().gameminutes, 3);
        EXPECT_EQ(mainwindow(w).text("shijian"), "7");
    });
    world.run();
}

TEST(MainWindow, StartWithoutTimeAsksForOne) {
    World world;
    world.then([](World& w) {
        w.take();
        mainwindow(w).press("标签3");
        EXPECT_EQ(w.take(), "messagebox \"请先选择时间！\" \"提示\" OK information -> OK\n");
        EXPECT_EQ(w.program.state().gamelog, "");
    });
    world.run();
}

TEST(MainWindow, LinksOpenTheirPagesInOrder) {
    World world;
    world.then([](World& w) {
        w.take();
        mainwindow(w).press("图片框8");
        mainwindow(w).press("图片框5");
        mainwindow(w).press("zhichi");
        mainwindow(w).press("标签6");
        const std::string expected = std::string("open \"") + addresses::banner1 + "\"\nopen \"" +
                                     addresses::banner2 + "\"\nopen \"" + addresses::support +
                                     "\"\nopen \"" + addresses::home + "\"\nopen \"" +
                                     addresses::support + "\"\nopenfile \"猜词记录.txt\"\n";
        EXPECT_EQ(w.take(), expected);
    });
    world.run();
}

TEST(MainWindow, EscClosesAndOpensTheExitPage) {
    World world;
    world.http.setpage(
        fromutf8("&lt;&lt;&lt;&lt;&lt;&lt;&lt;&lt;&lt;&lt;3.0&gt;&gt;&gt;&gt;&gt;&gt;"
                 "&gt;&gt;&gt;&gt;++++++++++https://bye.example/==========x"));
    world.then([](World& w) {
        w.take();
        mainwindow(w).close();
    });
    EXPECT_EQ(world.run(), 0);
    EXPECT_EQ(world.take(), "open \"https://bye.example/\"\nwindow main closed\n");
}

TEST(OpenAddress, OnlyAbsoluteWebAddressesReachTheShell) {
    const std::pair<const char*, bool> cases[] = {
        {"https://example.com/", true},
        {"HTTP://example.com", true},
        {"hTtPs://a", true},
        {"", false},
        {"http://", false},
        {"ftp://example.com", false},
        {"file:///etc/passwd", false},
        {"example.com", false},
        {"-help", false},
        {"http://a b", false},
        {"http://a\nb", false},
        {"calc.exe", false},
    };
    for (const auto& [address, expected] : cases) {
        EXPECT_EQ(webaddress(address), expected) << address;
    }
}

} // namespace
} // namespace vantrel
