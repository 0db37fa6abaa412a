// Reads the embedded pictures' file structures byte by byte, so the check needs no image
// library and covers exactly the bytes the program carries.
#include "assets/assets.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::span<const unsigned char>;

// Every read is range-checked: a damaged file fails the test instead of reading past the end.
Bytes slice(Bytes b, std::size_t at, std::size_t length) {
    if (at > b.size() || length > b.size() - at) {
        throw std::out_of_range("read past the end at " + std::to_string(at));
    }
    return b.subspan(at, length);
}
unsigned byte(Bytes b, std::size_t at) {
    return slice(b, at, 1)[0];
}
unsigned le16(Bytes b, std::size_t at) {
    return byte(b, at) | byte(b, at + 1) << 8;
}
std::uint32_t le32(Bytes b, std::size_t at) {
    return le16(b, at) | std::uint32_t{le16(b, at + 2)} << 16;
}
unsigned be16(Bytes b, std::size_t at) {
    return byte(b, at) << 8 | byte(b, at + 1);
}
std::string text(Bytes b, std::size_t at, std::size_t length) {
    const Bytes part = slice(b, at, length);
    return {part.begin(), part.end()};
}
std::vector<unsigned char> copy(Bytes b, std::size_t at, std::size_t length) {
    const Bytes part = slice(b, at, length);
    return {part.begin(), part.end()};
}

// --- GIF ---------------------------------------------------------------------------------------

struct GifFrame {
    std::optional<unsigned> delay; // from the graphic control extension before the frame
    unsigned disposal = 0;
    bool transparent = false;
    unsigned left = 0, top = 0, width = 0, height = 0;
    std::vector<unsigned char> localtable; // empty when the frame uses the global table
    std::vector<unsigned char> data;       // LZW minimum code size and the data sub-blocks
};

struct Gif {
    std::string signature;
    unsigned width = 0, height = 0;
    std::vector<unsigned char> globaltable;
    std::optional<unsigned> loops; // from the NETSCAPE2.0 application extension
    std::vector<GifFrame> frames;
};

std::size_t tablebytes(unsigned flags) {
    return flags & 0x80 ? 3u << ((flags & 0x07) + 1) : 0;
}

// Position just past the sub-blocks starting at `at`.
std::size_t skipsubblocks(Bytes b, std::size_t at) {
    while (byte(b, at) != 0) {
        at += byte(b, at) + 1;
    }
    return at + 1;
}

Gif readgif(Bytes b) {
    Gif gif;
    gif.signature = text(b, 0, 6);
    gif.width = le16(b, 6);
    gif.height = le16(b, 8);
    std::size_t at = 13;
    gif.globaltable = copy(b, at, tablebytes(byte(b, 10)));
    at += gif.globaltable.size();
    GifFrame next;
    for (;;) {
        const unsigned block = byte(b, at);
        if (block == 0x3B) {
            return gif;
        }
        if (block == 0x21 && byte(b, at + 1) == 0xF9) {
            next.disposal = (byte(b, at + 3) >> 2) & 0x07;
            next.transparent = byte(b, at + 3) & 0x01;
            next.delay = le16(b, at + 4);
            at = skipsubblocks(b, at + 2);
        } else if (block == 0x21 && byte(b, at + 1) == 0xFF) {
            if (text(b, at + 3, 11) == "NETSCAPE2.0" && byte(b, at + 14) == 3 &&
                byte(b, at + 15) == 1) {
                gif.loops = le16(b, at + 16);
            }
            at = skipsubblocks(b, at + 2);
        } else if (block == 0x21) {
            at = skipsubblocks(b, at + 2);
        } else if (block == 0x2C) {
            next.left = le16(b, at + 1);
            next.top = le16(b, at + 3);
            next.width = le16(b, at + 5);
            next.height = le16(b, at + 7);
            const unsigned flags = byte(b, at + 9);
            at += 10;
            next.localtable = copy(b, at, tablebytes(flags));
            at += next.localtable.size();
            const std::size_t end = skipsubblocks(b, at + 1);
            next.data = copy(b, at, end - at);
            at = end;
            gif.frames.push_back(std::move(next));
            next = GifFrame{};
        } else {
            throw std::runtime_error("unexpected GIF block " + std::to_string(block));
        }
    }
}

TEST(EmbeddedBanner, IsAFullSizeGif89aWithA256ColourGlobalPalette) {
    const Gif gif = readgif(vantrel::assets::banner());
    EXPECT_EQ(gif.signature, "GIF89a");
    EXPECT_EQ(gif.width, 468u);
    EXPECT_EQ(gif.height, 60u);
    EXPECT_EQ(gif.globaltable.size(), 256u * 3);
    EXPECT_EQ(gif.loops, 0u) << "loops forever";
}

TEST(EmbeddedBanner, HasFourWholeOpaqueFramesOfAFifthOfASecond) {
    const Gif gif = readgif(vantrel::assets::banner());
    ASSERT_EQ(gif.frames.size(), 4u);
    for (std::size_t i = 0; i < gif.frames.size(); ++i) {
        SCOPED_TRACE("frame " + std::to_string(i + 1));
        const GifFrame& frame = gif.frames[i];
        EXPECT_EQ(frame.delay, 20u);
        EXPECT_FALSE(frame.transparent);
        EXPECT_EQ(frame.disposal, 1u) << "left in place, for the next whole frame to cover";
        EXPECT_EQ(frame.left, 0u);
        EXPECT_EQ(frame.top, 0u);
        EXPECT_EQ(frame.width, 468u);
        EXPECT_EQ(frame.height, 60u);
    }
}

TEST(EmbeddedBanner, FlashesBetweenTwoLooksAndFramesAfterTheFirstCarryTheirOwnPalettes) {
    const Gif gif = readgif(vantrel::assets::banner());
    ASSERT_EQ(gif.frames.size(), 4u);
    EXPECT_TRUE(gif.frames[0].localtable.empty()) << "frame 1 uses the global palette";
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(gif.frames[i].localtable.size(), 256u * 3) << "frame " << i + 1;
    }
    // Same palette and same coded pixels make the same picture.
    EXPECT_EQ(gif.frames[2].localtable, gif.globaltable);
    EXPECT_EQ(gif.frames[2].data, gif.frames[0].data);
    EXPECT_EQ(gif.frames[3].localtable, gif.frames[1].localtable);
    EXPECT_EQ(gif.frames[3].data, gif.frames[1].data);
    EXPECT_NE(gif.frames[1].data, gif.frames[0].data) << "the second look differs";
}

// --- JPEG --------------------------------------------------------------------------------------

TEST(EmbeddedJpegs, AreBaselineJfifOfTheirSizes) {
    struct Case {
        const char* name;
        Bytes bytes;
        unsigned width, height;
    };
    const Case cases[] = {
        {"title artwork", vantrel::assets::titleart(), 524, 201},
        {"house", vantrel::assets::house(), 118, 124},
        {"photograph", vantrel::assets::photo(), 812, 434},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes b = c.bytes;
        EXPECT_EQ(be16(b, 0), 0xFFD8u) << "start of image";
        EXPECT_EQ(be16(b, 2), 0xFFE0u) << "APP0 comes first";
        EXPECT_EQ(text(b, 6, 5), std::string("JFIF", 5));
        EXPECT_EQ(be16(b, b.size() - 2), 0xFFD9u) << "end of image";

        // Walk the marker segments up to the frame header; its marker names the coding
        // process, and only SOF0 is baseline. Frame markers are 0xC0 to 0xCF less DHT (C4),
        // JPG (C8) and DAC (CC).
        const auto isframe = [](unsigned m) {
            return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
        };
        std::size_t at = 2;
        while (!isframe(byte(b, at + 1))) {
            ASSERT_EQ(byte(b, at), 0xFFu) << "marker at " << at;
            ASSERT_NE(byte(b, at + 1), 0xDAu) << "a scan before any frame header";
            at += 2 + be16(b, at + 2);
        }
        EXPECT_EQ(be16(b, at), 0xFFC0u) << "baseline frame header";
        EXPECT_EQ(byte(b, at + 4), 8u) << "8-bit samples";
        EXPECT_EQ(be16(b, at + 5), c.height);
        EXPECT_EQ(be16(b, at + 7), c.width);
    }
}

// --- ICO ---------------------------------------------------------------------------------------

TEST(EmbeddedIcon, HoldsOneUncompressed128PixelImageWith32BitColourAndAlpha) {
    const Bytes b = vantrel::assets::icon();
    constexpr std::size_t imagebytes = 40 + 128 * 128 * 4 + 128 * 128 / 8; // header, BGRA, mask
    static_assert(imagebytes == 67'624);
    ASSERT_EQ(b.size(), 6 + 16 + imagebytes) << "directory, then the one image";

    EXPECT_EQ(le16(b, 0), 0u);
    EXPECT_EQ(le16(b, 2), 1u) << "icon, not cursor";
    EXPECT_EQ(le16(b, 4), 1u) << "one image";
    EXPECT_EQ(byte(b, 6), 128u);
    EXPECT_EQ(byte(b, 7), 128u);
    EXPECT_EQ(le16(b, 10), 1u) << "planes";
    EXPECT_EQ(le16(b, 12), 32u) << "bits per pixel";
    EXPECT_EQ(le32(b, 14), imagebytes);
    EXPECT_EQ(le32(b, 18), 22u) << "image offset";

    const std::size_t dib = 22;
    EXPECT_EQ(le32(b, dib), 40u) << "BITMAPINFOHEADER, not a PNG stream";
    EXPECT_EQ(le32(b, dib + 4), 128u);
    EXPECT_EQ(le32(b, dib + 8), 256u) << "colour rows and mask rows";
    EXPECT_EQ(le16(b, dib + 14), 32u);
    EXPECT_EQ(le32(b, dib + 16), 0u) << "BI_RGB: uncompressed";

    // Rows run bottom-up, BGRA. The tile's rounded corner is see-through, its middle solid.
    const auto alpha = [&](std::size_t x, std::size_t y) {
        return byte(b, dib + 40 + ((127 - y) * 128 + x) * 4 + 3);
    };
    EXPECT_EQ(alpha(0, 0), 0u);
    EXPECT_EQ(alpha(127, 127), 0u);
    EXPECT_EQ(alpha(64, 64), 255u);
    EXPECT_EQ(alpha(10, 120), 255u);
}

} // namespace
