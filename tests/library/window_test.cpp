// The library window's handlers, driven on the headless
// kit over real SQLite files.
#include "library/librarymaker.h"
#include "tests/support/world.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace vantrel {
namespace {

using testing::World;

void sql(const std::filesystem::path& file, const std::string& statement) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, statement.c_str(), nullptr, nullptr, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db);
    sqlite3_close(db);
}

std::string readbytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A program whose folder holds caici.mdb with the words (UTF-8), or none at all.
class Library : public ::testing::Test {
  protected:
    void makewords(const std::vector<std::string>& words) {
        std::string error;
        ASSERT_TRUE(makelibrary(world.file("caici.mdb").string(), words, error)) << error;
    }

    // Opens the library window from the main window, then acts in it.
    int open(std::function<void(HeadlessWindow&)> body) {
        world.then([](World& w) { w.kit.find("main")->press("标签2"); });
        world.then([body](World& w) {
            w.take();
            body(*w.kit.find("library"));
        });
        return world.run();
    }

    std::string log() { return world.take(); }
    State& state() { return world.program.state(); }

    World world;
};

// The list as "ID|word|count" rows, UTF-8.
std::vector<std::string> rows(const HeadlessWindow& window) {
    std::vector<std::string> out;
    for (const Row& row : window.rows("xinxi")) {
        out.push_back(toutf8(row[0] + "|" + row[1] + "|" + row[2]));
    }
    return out;
}

std::string show(const HeadlessWindow& window, std::string_view control) {
    return toutf8(window.text(control));
}

const std::string added = "messagebox \"添加成功！\" \"提示\" OK information -> OK\n";
const std::string exists = "messagebox \"已经有这个词了！\" \"提示\" OK stop -> OK\n";
const std::string empty = "messagebox \"词语、字数不能为空！\" \"提示\" OK stop -> OK\n";
const std::string choose = "messagebox \"请选择词语！\" \"提示\" OK information -> OK\n";
const std::string confirm = "messagebox \"确认删除\" \"警告\" OKCancel none -> OK\n";
const std::string cancelled = "messagebox \"确认删除\" \"警告\" OKCancel none -> Cancel\n";

TEST_F(Library, CreationListsNewestFirst) {
    makewords({"苹果", "香蕉", "西瓜"});
    open([&](HeadlessWindow& w) {
        EXPECT_EQ(rows(w), (std::vector<std::string>{"3|西瓜|2", "2|香蕉|2", "1|苹果|2"}));
        EXPECT_EQ(show(w, "tiaoshu"), "目前有3条词语");
        EXPECT_EQ(state().wordcount, 3);
        EXPECT_EQ(state().dbpath, fromutf8(world.dir_.string()) + "\\caici.mdb");
        EXPECT_EQ(show(w, "ciyu"), "");
        EXPECT_EQ(w.selectedrow("xinxi"), -1);
    });
}

TEST_F(Library, MissingDatabaseEndsTheProgramWithCodeZero) {
    world.then([](World& w) { w.kit.find("main")->press("标签2"); });
    world.then([](World&) { ADD_FAILURE() << "the program went on"; });
    EXPECT_EQ(world.run(), 0);
    const std::string seen = log();
    EXPECT_NE(seen.find("messagebox \"数据库不存在\" \"警告\" OK none -> OK\n"), std::string::npos)
        << seen;
    EXPECT_EQ(seen.find("window library opened"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(world.file("caici.mdb")));
}

TEST_F(Library, EmptyTableCountsZero) {
    makewords({});
    open([&](HeadlessWindow& w) {
        EXPECT_TRUE(rows(w).empty());
        EXPECT_EQ(show(w, "tiaoshu"), "目前有0条词语");
    });
}

TEST_F(Library, AutomaticCountHalvesTheBytes) {
    makewords({});
    open([&](HeadlessWindow& w) {
        w.type("ciyu", "花"_t);
        EXPECT_EQ(show(w, "zishu"), "1");
        w.type("ciyu", "abc");
        EXPECT_EQ(show(w, "zishu"), "1.5");
        w.type("ciyu", "");
        EXPECT_EQ(show(w, "zishu"), "0");
    });
}

TEST_F(Library, SearchByWordAndCount) {
    makewords({"花", "花生", "鲜花", "草"});
    open([&](HeadlessWindow& w) {
        w.type("ciyu", "花"_t);
        w.click("selectbtn");
        EXPECT_EQ(rows(w), (std::vector<std::string>{"1|花|1"}));
        EXPECT_EQ(show(w, "tiaoshu"), "查询到有1条词语");
        w.type("zishu", "");
        w.click("selectbtn");
        EXPECT_EQ(rows(w), (std::vector<std::string>{"1|花|1", "2|花生|2", "3|鲜花|2"}));
        EXPECT_EQ(show(w, "tiaoshu"), "查询到有3条词语");
        w.type("ciyu", "");
        w.type("zishu", "");
        w.click("selectbtn");
        EXPECT_EQ(rows(w).size(), 4u);
        EXPECT_EQ(rows(w).front(), "1|花|1"); // the store's order
        EXPECT_EQ(show(w, "tiaoshu"), "查询到有4条词语");
        // "_" and "%" keep their LIKE meaning.
        w.type("ciyu", "_花"_t);
        w.type("zishu", "");
        w.click("selectbtn");
        EXPECT_EQ(rows(w), (std::vector<std::string>{"3|鲜花|2"}));
        EXPECT_EQ(log(), "");
    });
}

TEST_F(Library, AddStoresAndRelists) {
    makewords({"苹果"});
    open([&](HeadlessWindow& w) {
        w.type("ciyu", "it's"_t);
        EXPECT_EQ(show(w, "zishu"), "2");
        const int repaints = w.repaints();
        w.click("zengjiabtn");
        EXPECT_EQ(log(), added);
        EXPECT_EQ(w.repaints(), repaints + 2);
        EXPECT_EQ(rows(w), (std::vector<std::string>{"2|it's|2", "1|苹果|2"}));
        EXPECT_EQ(show(w, "tiaoshu"), "目前有2条词语");
        EXPECT_EQ(show(w, "ciyu"), "");
        EXPECT_EQ(show(w, "zishu"), "");
        // The word with its quote is found by the duplicate check, whatever zishu says.
        w.type("ciyu", "it's");
        w.type("zishu", "9");
        w.click("zengjiabtn");
        EXPECT_EQ(log(), exists);
        EXPECT_EQ(state().wordcount, 1);
        EXPECT_EQ(show(w, "zishu"), "9");
        EXPECT_EQ(show(w, "tiaoshu"), "目前有2条词语");
    });
}

TEST_F(Library, AddWithAnEmptyBox) {
    makewords({"苹果"});
    open([&](HeadlessWindow& w) {
        w.type("ciyu", "梨"_t);
        w.type("zishu", "");
        w.click("zengjiabtn");
        EXPECT_EQ(log(), empty);
        EXPECT_EQ(state().wordcount, 0);
        w.type("ciyu", "");
        w.click("zengjiabtn"); // zishu holds the automatic 0, ciyu is empty
        EXPECT_EQ(log(), empty);
        EXPECT_EQ(rows(w).size(), 1u);
    });
}

TEST_F(Library, EmptyWordStoredMakesEmptyAddADuplicate) {
    makewords({"苹果"});
    sql(world.file("caici.mdb"), "insert into ciyu(词语,字数) values('','0')");
    open([&](HeadlessWindow& w) {
        w.click("zengjiabtn");
        EXPECT_EQ(log(), exists);
    });
}

TEST_F(Library, RejectedInsertIsReportedAsAFailure) {
    sql(world.file("caici.mdb"), "create table ciyu(ID INTEGER PRIMARY KEY AUTOINCREMENT,"
                                 " 词语 TEXT CHECK(length(词语) < 3), 字数 TEXT)");
    open([&](HeadlessWindow& w) {
        w.type("ciyu", "长颈鹿"_t);
        w.click("zengjiabtn");
        EXPECT_EQ(log(), "messagebox \"添加失败！\" \"提示\" OK stop -> OK\n");
        // Everything else goes on: inputs emptied, list refilled, total line.
        EXPECT_EQ(show(w, "ciyu"), "");
        EXPECT_EQ(show(w, "tiaoshu"), "目前有0条词语");
    });
}

TEST_F(Library, SelectionFillsTheBoxesWithTheStoredCount) {
    makewords({"苹果"});
    sql(world.file("caici.mdb"), "insert into ciyu(词语,字数) values('香蕉','7')");
    open([&](HeadlessWindow& w) {
        w.select("xinxi", 0);
        EXPECT_EQ(state().selectedid, "2");
        EXPECT_EQ(show(w, "ciyu"), "香蕉");
        EXPECT_EQ(show(w, "zishu"), "7");
        w.select("xinxi", -1);
        EXPECT_EQ(state().selectedid, "");
        EXPECT_EQ(show(w, "ciyu"), "");
        EXPECT_EQ(show(w, "zishu"), "");
    });
}

TEST_F(Library, NullWordListsEmpty) {
    makewords({});
    sql(world.file("caici.mdb"), "insert into ciyu(词语,字数) values(NULL,NULL)");
    open([&](HeadlessWindow& w) { EXPECT_EQ(rows(w), std::vector<std::string>{"1||"}); });
}

TEST_F(Library, ModifyKeepsBoxesAndSelection) {
    makewords({"苹果", "香蕉"});
    open([&](HeadlessWindow& w) {
        w.select("xinxi", 1);
        w.type("ciyu", "香蕉"_t); // a duplicate is allowed by modify
        w.click("updatebtn");
        EXPECT_EQ(log(), "messagebox \"修改成功！\" \"提示\" OK information -> OK\n");
        EXPECT_EQ(rows(w), (std::vector<std::string>{"2|香蕉|2", "1|香蕉|2"}));
        EXPECT_EQ(show(w, "ciyu"), "香蕉");
        EXPECT_EQ(state().selectedid, "1");
        EXPECT_EQ(show(w, "tiaoshu"), "目前有2条词语");
        w.type("zishu", "");
        w.click("updatebtn");
        EXPECT_EQ(log(), empty);
    });
}

TEST_F(Library, ModifyWithoutASelectedWordIsRefused) {
    makewords({"苹果"});
    open([&](HeadlessWindow& w) {
        w.type("ciyu", "梨"_t);
        w.click("updatebtn");
        EXPECT_EQ(log(), choose);
        EXPECT_EQ(rows(w), std::vector<std::string>{"1|苹果|2"});
    });
}

TEST_F(Library, RejectedUpdateIsReportedAsAFailure) {
    sql(world.file("caici.mdb"), "create table ciyu(ID INTEGER PRIMARY KEY AUTOINCREMENT,"
                                 " 词语 TEXT CHECK(length(词语) < 3), 字数 TEXT);"
                                 "insert into ciyu(词语,字数) values('苹果','2')");
    open([&](HeadlessWindow& w) {
        w.select("xinxi", 0);
        w.type("ciyu", "红苹果"_t);
        w.click("updatebtn");
        EXPECT_EQ(log(), "messagebox \"修改失败！\" \"提示\" OK stop -> OK\n");
        EXPECT_EQ(rows(w), std::vector<std::string>{"1|苹果|2"});
    });
}

TEST_F(Library, DeleteAsksAndListsInStoreOrder) {
    makewords({"苹果", "香蕉", "西瓜"});
    open([&](HeadlessWindow& w) {
        w.click("shanchbtn");
        EXPECT_EQ(log(), choose);
        w.select("xinxi", 1); // 香蕉
        world.kit.queueanswer(Answer::cancel);
        w.click("shanchbtn");
        EXPECT_EQ(log(), cancelled);
        EXPECT_EQ(rows(w).size(), 3u);
        w.click("shanchbtn");
        EXPECT_EQ(log(), confirm);
        EXPECT_EQ(rows(w), (std::vector<std::string>{"1|苹果|2", "3|西瓜|2"}));
        EXPECT_EQ(show(w, "tiaoshu"), "目前有2条词语");
        EXPECT_EQ(show(w, "ciyu"), "");
        // Again without a new selection: asked again, nothing removed.
        w.click("shanchbtn");
        EXPECT_EQ(log(), confirm);
        EXPECT_EQ(rows(w).size(), 2u);
        EXPECT_EQ(state().selectedid, "2");
    });
}

TEST_F(Library, SelectedIdSurvivesReopeningTheWindow) {
    makewords({"苹果", "香蕉"});
    world.then([](World& w) { w.kit.find("main")->press("标签2"); });
    world.then([](World& w) { w.kit.find("library")->select("xinxi", 0); });
    world.then([](World& w) { w.kit.find("library")->close(); });
    world.then([](World& w) { w.kit.find("main")->press("标签2"); });
    world.then([&](World& w) {
        w.take();
        HeadlessWindow& library = *w.kit.find("library");
        EXPECT_EQ(state().selectedid, "2");
        library.click("shanchbtn");
        EXPECT_EQ(log(), confirm);
        EXPECT_EQ(rows(library), std::vector<std::string>{"1|苹果|2"});
    });
    world.run();
}

TEST_F(Library, ClearAllAndClearInputs) {
    makewords({"苹果", "香蕉"});
    open([&](HeadlessWindow& w) {
        w.type("ciyu", "梨"_t);
        w.click("按钮5");
        EXPECT_EQ(show(w, "ciyu"), "");
        EXPECT_EQ(show(w, "zishu"), "");
        world.kit.queueanswer(Answer::cancel);
        w.click("qingkongall");
        EXPECT_EQ(log(), cancelled);
        EXPECT_EQ(rows(w).size(), 2u);
        w.click("qingkongall");
        EXPECT_EQ(log(), confirm);
        EXPECT_TRUE(rows(w).empty());
        EXPECT_EQ(show(w, "tiaoshu"), "目前有0条词语");
        w.click("qingkongall"); // an empty library still asks
        EXPECT_EQ(log(), confirm);
        EXPECT_EQ(show(w, "tiaoshu"), "目前有0条词语");
    });
}

TEST_F(Library, NotADatabaseListsNothingAndIsNeverChanged) {
    const std::string garbage = "this is not a database, only some text\n";
    std::ofstream(world.file("caici.mdb"), std::ios::binary) << garbage;
    open([&](HeadlessWindow& w) {
        EXPECT_TRUE(rows(w).empty());
        EXPECT_EQ(show(w, "tiaoshu"), "目前有0条词语");
        w.type("ciyu", "苹果"_t);
        w.click("zengjiabtn");
        EXPECT_EQ(log(), "messagebox \"添加失败！\" \"提示\" OK stop -> OK\n");
        w.click("qingkongall");
        EXPECT_EQ(show(w, "tiaoshu"), "目前有0条词语");
    });
    EXPECT_EQ(readbytes(world.file("caici.mdb")), garbage);
}

TEST_F(Library, WordThatIsNotTextIsFatal) {
    sql(world.file("caici.mdb"),
        "create table ciyu(ID INTEGER PRIMARY KEY AUTOINCREMENT, 词语 INTEGER, 字数 TEXT);"
        "insert into ciyu(词语,字数) values(5,'1')");
    world.then([](World& w) { w.kit.find("main")->press("标签2"); });
    EXPECT_EQ(world.run(), 1);
    EXPECT_NE(log().find("fatal \"类型不匹配：词语不是文本\""), std::string::npos);
}

} // namespace
} // namespace vantrel
