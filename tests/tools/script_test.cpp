#include "kit/headless/headlesskit.h"
#include "tools/script/arguments.h"
#include "tools/script/runner.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace vantrel::script {
namespace {

TEST(Script, LinesSplitIntoWords) {
    const auto words = splitline(R"(type library.ciyu "a \"b\" \\ \r\n\t\xC4\xEA" # comment)");
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[0].utf8, "type");
    EXPECT_FALSE(words[0].quoted);
    EXPECT_EQ(words[1].utf8, "library.ciyu");
    EXPECT_TRUE(words[2].quoted);
    EXPECT_EQ(words[2].text, "a \"b\" \\ \r\n\t\xC4\xEA");
    // UTF-8 becomes GBK, raw bytes stay as given.
    EXPECT_EQ(splitline("\"年\\x41\"")[0].text, "\xC4\xEA"
                                                "A");
    EXPECT_TRUE(splitline("   # only a comment").empty());
    for (const char* bad : {"\"open", "\"\\q\"", "\"\\x4\"", "\"\\"}) {
        EXPECT_THROW(splitline(bad), SyntaxError) << bad;
    }
}

TEST(Script, TextsPrintAsUtf8WithEscapes) {
    const std::pair<Text, const char*> cases[] = {
        {"猜词"_t, "\"猜词\""},
        {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {"\r\n\t", "\"\\r\\n\\t\""},
        {"\xFF"
         "a",
         "\"\\xff"
         "a\""},
        {"\xC4", "\"\\xc4\""},
        {"\x81\x20", "\"\\x81 \""},
        {"", "\"\""},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(quoted(text), expected);
    }
}

TEST(Script, ABadCommandStopsTheRunWithStatusTwo) {
    const char* scripts[] = {"frobnicate",
                             "start\nshow main.nosuch",
                             "start\nclick main.标签3",
                             "start\nchoose main.shijian \"11\"",
                             "tick main.时钟1",
                             "clock 2016-11-23",
                             "answer Maybe"};
    for (const char* text : scripts) {
        const auto dir = std::filesystem::temp_directory_path() / "vantrel-script-test";
        std::filesystem::create_directories(dir);
        std::istringstream script(text);
        std::ostringstream out;
        EXPECT_EQ(Runner(script, out, dir).run(), 2) << text;
        EXPECT_NE(out.str().find("error: line "), std::string::npos) << out.str();
        std::filesystem::remove_all(dir);
    }
}

} // namespace
} // namespace vantrel::script
