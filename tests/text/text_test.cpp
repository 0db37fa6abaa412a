#include "text/datetime.h"
#include "text/numbers.h"
#include "text/search.h"
#include "text/text.h"

#include <clocale>
#include <gtest/gtest.h>
#include <string>

namespace vantrel {
namespace {

TEST(Text, LiteralsAreGbk) {
    EXPECT_EQ("猜词"_t, "\xB2\xC2\xB4\xCA");
    EXPECT_EQ("总个数：3个|"_t.size(), 12u);
    EXPECT_EQ(toutf8("\xB2\xC2\xB4\xCA"), "猜词");
    // Bytes that are not GBK survive as replacements without losing what follows.
    EXPECT_EQ(toutf8("a\xFF"
                     "b"),
              "a\xEF\xBF\xBD"
              "b");
}

TEST(Text, Integers) {
    EXPECT_EQ(inttext(0), "0");
    EXPECT_EQ(inttext(-42), "-42");
    EXPECT_EQ(inttext(2147483647), "2147483647");
}

TEST(Text, RealsUseThirteenSignificantDigits) {
    const std::pair<double, const char*> cases[] = {
        {60, "60"},   {2.5, "2.5"}, {200.0 / 3, "66.66666666667"},
        {0.5, "0.5"}, {100, "100"}, {100.0 / 3, "33.33333333333"},
        {0, "0"},     {-1, "-1"},   {100.0 / 7, "14.28571428571"},
        {4.5, "4.5"},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(realtext(value), expected) << value;
    }
    EXPECT_EQ(realtext(0.0 / 0.0), "");
}

TEST(Text, RealsIgnoreTheDesktopsLocale) {
    // Qt takes the user's locale for the C library; a decimal comma must not follow it.
    const char* commas[] = {"de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8", "de_DE", "fr_FR"};
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    bool switched = false;
    for (const char* locale : commas) {
        if (std::setlocale(LC_NUMERIC, locale)) {
            switched = true;
            break;
        }
    }
    const Text written = realtext(200.0 / 3);
    std::setlocale(LC_NUMERIC, before.c_str());
    if (!switched) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    EXPECT_EQ(written, "66.66666666667");
}

TEST(Text, GbkRepresentable) {
    EXPECT_TRUE(gbkrepresentable("/tmp/游戏/vantrel"));
    EXPECT_FALSE(gbkrepresentable("/tmp/dir한"));
    EXPECT_FALSE(gbkrepresentable("/tmp/\xF0\x9F\x98\x80"));
}

TEST(Text, DateTimeDropsTrailingZeroFields) {
    const std::pair<DateTime, const char*> cases[] = {
        {{2016, 11, 23, 20, 8, 45}, "2016年11月23日20时8分45秒"},
        {{2016, 11, 23, 20, 8, 0}, "2016年11月23日20时8分"},
        {{2016, 11, 23, 20, 0, 0}, "2016年11月23日20时"},
        {{2016, 11, 23, 0, 0, 0}, "2016年11月23日"},
        {{2016, 11, 23, 0, 0, 7}, "2016年11月23日0时0分7秒"},
        {{2016, 1, 2, 0, 5, 0}, "2016年1月2日0时5分"},
    };
    for (const auto& [when, expected] : cases) {
        EXPECT_EQ(toutf8(datetimetext(when)), expected);
    }
    EXPECT_EQ(datetimetext({2016, 11, 23, 20, 8, 45}),
              "\x32\x30\x31\x36\xC4\xEA\x31\x31\xD4\xC2\x32\x33\xC8\xD5\x32\x30\xCA\xB1\x38\xB7"
              "\xD6\x34\x35\xC3\xEB");
}

TEST(Text, SearchesNeverStartOnASecondByte) {
    // 臷 is C5 5C: its second byte is a backslash, and 乔 (C7 C7) hides C7 pairs.
    const Text path = "D:\\"_t + "臷"_t + "\\caici.mdb";
    EXPECT_EQ(findlastbyte(path, '\\'), 5u);
    EXPECT_EQ(findlastbyte("臷"_t, '\\'), notfound);
    EXPECT_EQ(findtext("臷"_t, "\\"), notfound);
    EXPECT_EQ(findtext("a乔乔b"_t, "\xC7\xC7"), 1u);
    EXPECT_EQ(findtext("\xC7\xC7"
                       "a",
                       "\xC7"
                       "a"),
              notfound);
    EXPECT_EQ(findtext("\xC7\xC7\xC7"
                       "a",
                       "\xC7"
                       "a"),
              2u);
    EXPECT_EQ(findtext("xx##y##", "##"), 2u);
    EXPECT_EQ(findtext("abc", ""), 0u);
    EXPECT_EQ(findtext("ab", "abc"), notfound);
    // A lead byte at the very end stands alone.
    EXPECT_EQ(findtext("a\xC7", "\xC7"), 1u);
}

} // namespace
} // namespace vantrel
