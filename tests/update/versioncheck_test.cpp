#include "addresses.h"
#include "tests/support/world.h"
#include "update/versioncheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace vantrel {
namespace {

using testing::World;

const std::string versionstart = "&lt;&lt;&lt;&lt;&lt;&lt;&lt;&lt;&lt;&lt;";
const std::string versionend = "&gt;&gt;&gt;&gt;&gt;&gt;&gt;&gt;&gt;&gt;";
const std::string downloadstart = "##########";
const std::string downloadend = "!!!!!!!!!!";
const std::string exitstart = "++++++++++";
const std::string exitend = "==========";

std::string version(const std::string& value) {
    return versionstart + value + versionend;
}
std::string download(const std::string& value) {
    return downloadstart + value + downloadend;
}
std::string leaving(const std::string& value) {
    return exitstart + value + exitend;
}

TEST(MarkedText, CountsBytesFromOneAndTakesFirstOccurrences) {
    struct Case {
        const char* name;
        std::string page;
        std::string start;
        std::string end;
        std::string value;
    };
    const Case cases[] = {
        {"plain", "ab[[x]]cd", "[[", "]]", "x"},
        {"start and end repeated", "[[a]][[b]]", "[[", "]]", "a"},
        {"start repeated before the end", "[[a[[b]]", "[[", "]]", "a[[b"},
        {"end before start", "]]ab[[cd", "[[", "]]", ""},
        {"nothing between", "[[]]", "[[", "]]", ""},
        // A missing start stands at -1, so the value begins at byte len(start) - 1.
        {"start missing, ten-byte markers", "0123456789abc!!!!!!!!!!", downloadstart, downloadend,
         "89abc"},
        {"start missing, end before byte 9", "0123!!!!!!!!!!", downloadstart, downloadend, ""},
        {"start missing, forty-byte markers", std::string(38, '.') + "vw" + versionend,
         versionstart, versionend, "vw"},
        {"end missing", "[[abc", "[[", "]]", ""},
        {"both missing", "abc", "[[", "]]", ""},
        {"letter case matters", "[[ab]]", "[[", "B", ""},
        {"a zero byte ends the page", std::string("[[a\0]]", 6), "[[", "]]", ""},
        {"text before a zero byte", std::string("[[a]]\0[[b]]", 11), "[[", "]]", "a"},
        // 0xB0 0x5B is one double-byte character: its second byte starts no "[[", so the
        // start is missing and the value runs from byte 1.
        {"no match on a second byte", "\xb0[[x]]", "[[", "]]", "\xb0[[x"},
        {"a value may begin inside a character", "1234567\xb0\xa1x!!!!!!!!!!", downloadstart,
         downloadend, "\xa1x"},
    };
    for (const Case& each : cases) {
        EXPECT_EQ(markedtext(each.page, each.start, each.end), each.value) << each.name;
    }
}

TEST(CheckVersion, TellsTheVersionAndKeepsTheAddresses) {
    const std::string announced = "有了新版本 V";
    struct Case {
        const char* name;
        std::optional<std::string> page;
        std::string caption; // UTF-8
        bool newer;
        std::string downloadurl;
        std::string exiturl;
    };
    const std::string rest = download("https://dl.example/") + leaving("https://bye.example/");
    const Case cases[] = {
        {"up to date", version("3.0") + rest, "已是最近版本！", false, "", "https://bye.example/"},
        {"newer", version("3.1") + rest, announced + "3.1，点击更新！", true, "https://dl.example/",
         "https://bye.example/"},
        {"older counts as newer", version("2.9") + rest, announced + "2.9，点击更新！", true,
         "https://dl.example/", "https://bye.example/"},
        {"3.00", version("3.00") + rest, announced + "3.00，点击更新！", true,
         "https://dl.example/", "https://bye.example/"},
        {"3.0 and a blank", version("3.0 ") + rest, announced + "3.0 ，点击更新！", true,
         "https://dl.example/", "https://bye.example/"},
        {"unreachable", std::nullopt, announced + "，点击更新！", true, "", ""},
        {"no markers", "<html>moved</html>", announced + "，点击更新！", true, "", ""},
        {"download pair missing", version("3.1") + leaving("https://bye.example/"),
         announced + "3.1，点击更新！", true, "", "https://bye.example/"},
        {"end before start",
         versionend + "3.1" + versionstart + downloadend + "x" + downloadstart +
             leaving("https://bye.example/"),
         announced + "，点击更新！", true, "", "https://bye.example/"},
        {"repeated markers", version("3.0") + version("3.1") + rest + leaving("https://two/"),
         "已是最近版本！", false, "", "https://bye.example/"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        World world;
        if (each.page) {
            world.http.setpage(fromutf8(*each.page));
        }
        world.then([&](World& w) {
            HeadlessWindow& main = *w.kit.find("main");
            EXPECT_EQ(toutf8(main.text("标签1")), each.caption);
            EXPECT_EQ(main.colour("标签1") == ui::red, each.newer);
            EXPECT_EQ(main.pointer("标签1") == ui::Pointer::hand, each.newer);
            EXPECT_EQ(w.program.state().downloadurl, each.downloadurl);
            EXPECT_EQ(w.program.state().exiturl, each.exiturl);
        });
        world.run();
        // Each value is a read of its own.
        const std::string log = world.take();
        const std::string read = "get \"" + std::string(addresses::version) + "\"\n";
        std::size_t reads = 0;
        for (auto at = log.find(read); at != std::string::npos; at = log.find(read, at + 1)) {
            ++reads;
        }
        EXPECT_EQ(reads, each.newer ? 3u : 2u);
    }
}

} // namespace
} // namespace vantrel
