// The import file's line reader, with the bytes 0 and 26 as importlines.h decides.
#include "library/importlines.h"

#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>

namespace vantrel {
namespace {

std::vector<std::string> lines(const std::string& bytes, std::size_t keep = 16) {
    std::istringstream in(bytes);
    ImportLines reader(in, keep);
    std::vector<std::string> out;
    ImportLine line;
    while (reader.next(line)) {
        out.push_back(line.text);
        if (line.length <= keep) {
            EXPECT_EQ(line.length, line.text.size());
        }
    }
    return out;
}

using Lines = std::vector<std::string>;

TEST(ImportLines, LineFeedAndCarriageReturnLineFeed) {
    EXPECT_EQ(lines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(lines("a\nb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(lines("a\nb"), (Lines{"a", "b"}));
}

TEST(ImportLines, EmptyFileAndEmptyLines) {
    EXPECT_EQ(lines(""), Lines{});
    EXPECT_EQ(lines("\n"), Lines{""});
    EXPECT_EQ(lines("\r\n\r\na"), (Lines{"", "", "a"}));
}

TEST(ImportLines, CarriageReturnInsideALineStays) {
    EXPECT_EQ(lines("a\rb\n"), Lines{"a\rb"});
    EXPECT_EQ(lines("a\r\r\n"), Lines{"a\r"}); // only one CR is dropped
    EXPECT_EQ(lines("a\r"), Lines{"a"});       // ended by the end of the file
}

TEST(ImportLines, BlanksAreKept) {
    EXPECT_EQ(lines(" a \n"), Lines{" a "});
}

TEST(ImportLines, SecondByteNeverEndsALine) {
    // 0x81 0x0A is one double-byte pair, not a line end.
    EXPECT_EQ(lines("\x81\na\nb"), (Lines{"\x81\na", "b"}));
    EXPECT_EQ(lines("\xff\r\n"), Lines{"\xff"}); // the CR went with 0xFF, then was dropped
    EXPECT_EQ(lines("x\x80"), Lines{"x\x80"});   // a lone lead byte at the end
    EXPECT_EQ(lines("\xb9\x1a"
                    "b"),
              Lines{"\xb9\x1a"
                    "b"});
    EXPECT_EQ(lines(std::string("\xb9\0b", 3)), Lines{std::string("\xb9\0b", 3)});
}

TEST(ImportLines, CtrlZEndsTheText) {
    EXPECT_EQ(lines("a\nb\x1a"
                    "c\nd\n"),
              (Lines{"a", "b"}));
    EXPECT_EQ(lines("a\n\x1a"), Lines{"a"});
    EXPECT_EQ(lines("\x1a"
                    "a"),
              Lines{});
}

TEST(ImportLines, NulIsSkipped) {
    EXPECT_EQ(lines(std::string("a\0b\n", 4)), Lines{"ab"});
    EXPECT_EQ(lines(std::string("a\n\0\0", 4)), Lines{"a"});
    EXPECT_EQ(lines(std::string("\0", 1)), Lines{});
    EXPECT_EQ(lines(std::string("\0\n", 2)), Lines{""});
}

TEST(ImportLines, LongLinesAreCountedNotKept) {
    std::istringstream in(std::string(100000, 'x') + "\r\nok\n" + std::string(10, 'y') + "\r\n");
    ImportLines reader(in, 9);
    ImportLine line;
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line.length, 100000u);
    EXPECT_EQ(line.text, std::string(9, 'x'));
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line.text, "ok");
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line.length, 10u);
    EXPECT_FALSE(reader.next(line));
}

TEST(ImportLines, NineBytesAndTheCarriageReturnAtTheLimit) {
    // With keep 9, nine bytes and a CR LF come back as nine bytes exactly.
    std::istringstream in("123456789\r\n");
    ImportLines reader(in, 9);
    ImportLine line;
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line.length, 9u);
    EXPECT_EQ(line.text, "123456789");
}

// 100 MB of generated lines, never held whole: the reader's memory stays its buffer.
class Generated : public std::streambuf {
  public:
    explicit Generated(std::size_t total) : left_(total) {}

  protected:
    int_type underflow() override {
        if (left_ == 0) {
            return traits_type::eof();
        }
        const std::size_t n = std::min(left_, sizeof chunk_);
        for (std::size_t i = 0; i < n; ++i) {
            chunk_[i] = (i % 7 == 6) ? '\n' : static_cast<char>('a' + i % 7);
        }
        left_ -= n;
        setg(chunk_, chunk_, chunk_ + n);
        return traits_type::to_int_type(chunk_[0]);
    }

  private:
    std::size_t left_;
    char chunk_[7 * 1024];
};

TEST(ImportLines, HundredMegabytesLineByLine) {
    Generated source(100u * 1024 * 1024 / 7 * 7);
    std::istream in(&source);
    ImportLines reader(in);
    ImportLine line;
    std::size_t count = 0;
    while (reader.next(line)) {
        ASSERT_EQ(line.text, "abcdef");
        ++count;
    }
    EXPECT_EQ(count, 100u * 1024 * 1024 / 7);
}

TEST(ImportLines, OneHugeLineKeepsOnlyItsStart) {
    Generated source(0);
    std::string big(50u * 1024 * 1024, 'z');
    std::istringstream in(std::move(big));
    ImportLines reader(in);
    ImportLine line;
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line.length, 50u * 1024 * 1024);
    EXPECT_EQ(line.text.size(), 16u);
    EXPECT_LE(line.text.capacity(), 64u);
}

} // namespace
} // namespace vantrel
