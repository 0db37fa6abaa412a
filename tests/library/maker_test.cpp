// The library maker and its starter words.
#include "library/librarymaker.h"
#include "library/wordstore.h"
#include "scratch.h"
#include "starterwords.h"

#include <cstdio>
#include <set>

namespace vantrel {
namespace {

using testing::directsql;
using testing::readbytes;
using testing::Scratch;
using testing::writebytes;

// The characters of a UTF-8 word; empty when it is not well-formed.
std::u32string characters(std::string_view utf8) {
    std::u32string out;
    for (std::size_t at = 0; at < utf8.size();) {
        const auto first = static_cast<unsigned char>(utf8[at]);
        if (first >= 0xE0 && first < 0xF0 && at + 2 < utf8.size()) {
            out.push_back(((first & 0x0Fu) << 12) |
                          ((static_cast<unsigned char>(utf8[at + 1]) & 0x3Fu) << 6) |
                          (static_cast<unsigned char>(utf8[at + 2]) & 0x3Fu));
            at += 3;
        } else {
            return {};
        }
    }
    return out;
}

TEST(StarterWords, TheFileHoldsAtLeast600GoodWords) {
    const std::vector<std::string> words = parsewordlist(readbytes(VANTREL_WORDS_TXT));
    EXPECT_GE(words.size(), 600u);
    std::set<std::string> seen;
    for (const std::string& word : words) {
        const std::u32string chars = characters(word);
        EXPECT_GE(chars.size(), 1u) << word;
        EXPECT_LE(chars.size(), 4u) << word;
        for (const char32_t c : chars) {
            EXPECT_TRUE(c >= 0x4E00 && c <= 0x9FFF) << word; // CJK unified ideographs
        }
        EXPECT_EQ(fromutf8(word).size(), chars.size() * 2) << word << " is not GBK";
        EXPECT_TRUE(seen.insert(word).second) << word << " twice";
    }
}

TEST(StarterWords, EmbeddedListIsTheFile) {
    EXPECT_EQ(starterwordlist(), readbytes(VANTREL_WORDS_TXT));
}

TEST(WordList, Parsing) {
    EXPECT_EQ(parsewordlist("# 动物\n猫\r\n  狗 \n\n#x\n大象"),
              (std::vector<std::string>{"猫", "狗", "大象"}));
    EXPECT_EQ(charactercount("长颈鹿"), 3u);
}

TEST(Maker, MakesALibraryTheStoreReads) {
    Scratch scratch;
    std::string error;
    const std::vector<std::string> words{"苹果", "长颈鹿", "猫"};
    ASSERT_TRUE(makelibrary(scratch.file("caici.mdb"), words, error)) << error;
    WordStore store;
    ASSERT_TRUE(store.openstore(scratch.programpath("caici.mdb")));
    const std::int32_t handle = store.runquery("select * from ciyu order by ID desc");
    std::vector<std::string> rows;
    for (store.firstrow(handle); !store.pastlast(handle); store.nextrow(handle)) {
        rows.push_back(toutf8(valuetext(store.readcolumn(handle, "ID")) + " " +
                              std::get<Text>(store.readcolumn(handle, "词语"_t)) + " " +
                              std::get<Text>(store.readcolumn(handle, "字数"_t))));
    }
    EXPECT_EQ(rows, (std::vector<std::string>{"3 猫 1", "2 长颈鹿 3", "1 苹果 2"}));
    EXPECT_EQ(
        directsql(scratch.file("caici.mdb"), "select sql from sqlite_master where name='ciyu'"),
        std::vector<std::string>{
            "CREATE TABLE ciyu(ID INTEGER PRIMARY KEY AUTOINCREMENT, 词语 TEXT, 字数 TEXT)"});
}

TEST(Maker, NeverReplacesAFile) {
    Scratch scratch;
    writebytes(scratch.file("caici.mdb"), "keep me");
    std::string error;
    EXPECT_FALSE(makelibrary(scratch.file("caici.mdb"), {}, error));
    EXPECT_NE(error.find("already exists"), std::string::npos);
    EXPECT_EQ(readbytes(scratch.file("caici.mdb")), "keep me");
}

std::string run(const std::string& command) {
    std::string output;
    if (std::FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            output.append(buffer, got);
        }
        output += "exit " + std::to_string(WEXITSTATUS(pclose(pipe)));
    }
    return output;
}

TEST(MakerTool, StarterLibraryReadsAsUtf8InTheSqliteCli) {
    Scratch scratch;
    const std::string folder = scratch.folder().string();
    EXPECT_EQ(run(std::string(VANTREL_MAKELIB) + " " + folder + " 2>&1"),
              "made " + folder + "/caici.mdb with " +
                  std::to_string(parsewordlist(starterwordlist()).size()) + " words\nexit 0");
    // The sqlite3 command-line tool, knowing nothing of GBK, shows the words as they are.
    EXPECT_EQ(
        run("sqlite3 " + folder + "/caici.mdb \"select ID, 词语, 字数 from ciyu where ID <= 3\""),
        "1|猫|1\n2|狗|1\n3|猪|1\nexit 0");
    EXPECT_EQ(run("sqlite3 " + folder +
                  "/caici.mdb \"select 词语, 字数 from ciyu where 词语 like '长颈%'\""),
              "长颈鹿|3\nexit 0");
}

TEST(MakerTool, EmptyAndRefusals) {
    Scratch scratch;
    const std::string file = scratch.file("caici.mdb");
    EXPECT_EQ(run(std::string(VANTREL_MAKELIB) + " --empty " + file + " 2>&1"),
              "made " + file + " with 0 words\nexit 0");
    EXPECT_EQ(run("sqlite3 " + file + " \"select count(*) from ciyu\""), "0\nexit 0");
    const std::string before = readbytes(file);
    EXPECT_EQ(run(std::string(VANTREL_MAKELIB) + " " + file + " 2>&1"),
              "vantrel-makelib: " + file +
                  ": the file already exists; it is left as it is\nexit 1");
    EXPECT_EQ(readbytes(file), before);
    EXPECT_NE(run(std::string(VANTREL_MAKELIB) + " 2>&1").find("usage"), std::string::npos);
}

} // namespace
} // namespace vantrel
