// The word import on the headless kit: real import files, a real caici.mdb.
#include "library/librarymaker.h"
#include "tests/support/world.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace vantrel {
namespace {

using testing::World;

class Import : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(
            makelibrary(world.file("caici.mdb").string(), std::vector<std::string>{"苹果"}, error))
            << error;
    }

    // Writes the import file (bytes as given) and returns its program path.
    Text importfile(const std::string& bytes, const std::string& name = "words.txt") {
        std::ofstream(world.file(name), std::ios::binary) << bytes;
        return world.gbkfile(name);
    }

    int open(std::function<void(HeadlessWindow&)> body) {
        world.then([](World& w) { w.kit.find("main")->press("标签2"); });
        world.then([body](World& w) {
            w.take();
            body(*w.kit.find("library"));
        });
        return world.run();
    }

    // Chooses the file with 打开 and imports it with 导入.
    void run(HeadlessWindow& w, const Text& path) {
        world.kit.queuefile(path);
        w.click("打开");
        EXPECT_EQ(w.text("标签2"), path);
        EXPECT_EQ(world.program.state().importpath, path);
        w.click("daoru");
        EXPECT_EQ(w.text("标签2"), "");
        EXPECT_EQ(world.program.state().importpath, "");
    }

    World world;
};

std::vector<std::string> rows(const HeadlessWindow& window) {
    std::vector<std::string> out;
    for (const Row& row : window.rows("xinxi")) {
        out.push_back(toutf8(row[0] + "|" + row[1] + "|" + row[2]));
    }
    return out;
}

TEST_F(Import, ShortLinesAreAddedOnceLongOnesSkipped) {
    const std::string file = fromutf8("香蕉\r\n苹果\r\n长颈鹿\r\n孔雀开屏\r\n一二三四五\r\n") +
                             fromutf8("四个汉字") + "x\r\n" + "abcdefghi\r\nabcdefghij\r\n" +
                             fromutf8("香蕉") + "\r\n" + "tail \n";
    open([&](HeadlessWindow& w) {
        run(w, importfile(file));
        EXPECT_EQ(rows(w),
                  (std::vector<std::string>{"7|tail |2.5", "6|abcdefghi|4.5", "5|四个汉字x|4.5",
                                            "4|孔雀开屏|4", "3|长颈鹿|3", "2|香蕉|2", "1|苹果|2"}));
        EXPECT_EQ(toutf8(w.text("tiaoshu")), "目前有7条词语");
        // The last line was stored: the list query and its count stay.
        EXPECT_EQ(world.program.state().wordcount, 7);
        EXPECT_EQ(world.take(), ""); // no message at all
    });
}

TEST_F(Import, LineFeedsAndCarriageReturnsGiveTheSameWords) {
    open([&](HeadlessWindow& w) {
        run(w, importfile("a\nb\n"));
        run(w, importfile("a\r\nb\r\nc\rd\r\n", "crlf.txt"));
        EXPECT_EQ(rows(w),
                  (std::vector<std::string>{"4|c\rd|1.5", "3|b|0.5", "2|a|0.5", "1|苹果|2"}));
    });
}

TEST_F(Import, EmptyLineIsAnEmptyWordOnce) {
    open([&](HeadlessWindow& w) {
        run(w, importfile("\r\n\n"));
        EXPECT_EQ(rows(w), (std::vector<std::string>{"2||0", "1|苹果|2"}));
        // The last line was a duplicate: its check and its count stay.
        EXPECT_EQ(world.program.state().wordcount, 1);
    });
}

TEST_F(Import, AfterAStoredWordTheBoxesAreEmptied) {
    open([&](HeadlessWindow& w) {
        w.type("ciyu", "x");
        run(w, importfile(fromutf8("苹果\n")));
        EXPECT_EQ(w.text("ciyu"), "x"); // nothing stored: left alone
        run(w, importfile("y\n"));
        EXPECT_EQ(w.text("ciyu"), "");
        EXPECT_EQ(w.text("zishu"), "");
    });
}

TEST_F(Import, WithoutAChosenFileNothingHappens) {
    open([&](HeadlessWindow& w) {
        const int repaints = w.repaints();
        w.click("daoru");
        EXPECT_EQ(rows(w), std::vector<std::string>{"1|苹果|2"});
        EXPECT_EQ(w.text("标签2"), "");
        EXPECT_EQ(w.repaints(), repaints);
        // A second 导入 after an import imports nothing.
        run(w, importfile(fromutf8("梨\n")));
        w.click("daoru");
        EXPECT_EQ(rows(w).size(), 2u);
    });
}

TEST_F(Import, CancellingTheDialogKeepsTheFirstChoice) {
    open([&](HeadlessWindow& w) {
        const Text path = importfile(fromutf8("梨\n"));
        world.kit.queuefile(path);
        w.click("打开");
        world.kit.queuefile(std::nullopt);
        w.click("打开");
        EXPECT_EQ(w.text("标签2"), path);
        EXPECT_EQ(world.program.state().importpath, path);
    });
}

TEST_F(Import, MissingFileEmptiesTheLabel) {
    open([&](HeadlessWindow& w) {
        world.kit.queuefile(world.gbkfile("gone.txt"));
        w.click("打开");
        w.click("daoru");
        EXPECT_EQ(w.text("标签2"), "");
        EXPECT_EQ(rows(w).size(), 1u);
    });
}

TEST_F(Import, ReadOnlyFileImports) {
    const Text path = importfile(fromutf8("梨\n"));
    std::filesystem::permissions(world.file("words.txt"), std::filesystem::perms::owner_read);
    open([&](HeadlessWindow& w) {
        run(w, path);
        EXPECT_EQ(rows(w).size(), 2u);
    });
    std::filesystem::permissions(world.file("words.txt"), std::filesystem::perms::owner_all);
}

TEST_F(Import, NulAndCtrlZ) {
    open([&](HeadlessWindow& w) {
        run(w, importfile(std::string("a\0b\nc\x1a"
                                      "d\ne\n",
                                      12)));
        EXPECT_EQ(rows(w), (std::vector<std::string>{"3|c|0.5", "2|ab|1", "1|苹果|2"}));
    });
}

TEST_F(Import, Utf8AndInvalidGbkAreStoredAsTheirBytes) {
    // 苹果 in UTF-8 is six bytes: 3 "characters" by the GBK count. 0xFF 0xFF is no GBK.
    const std::string utf8 = "苹果";
    const std::string invalid = "\xff\xff"
                                "a";
    open([&](HeadlessWindow& w) {
        run(w, importfile(utf8 + "\n" + invalid + "\n"));
        const auto& list = w.rows("xinxi");
        ASSERT_EQ(list.size(), 3u);
        EXPECT_EQ(list[0][1], invalid);
        EXPECT_EQ(list[0][2], "1.5");
        EXPECT_EQ(list[1][1], utf8);
        EXPECT_EQ(list[1][2], "3");
        // Stored exactly: a second import finds both as duplicates.
        run(w, importfile(utf8 + "\n" + invalid + "\n", "again.txt"));
        EXPECT_EQ(w.rows("xinxi").size(), 3u);
    });
}

} // namespace
} // namespace vantrel
