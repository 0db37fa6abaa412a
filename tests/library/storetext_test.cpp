// The store's own text conversion: proper UTF-8 in the file, every GBK byte string back as it was.
#include "library/storetext.h"

#include <gtest/gtest.h>

#include <random>

namespace vantrel {
namespace {

TEST(StoreText, ChineseAsTheTextLayerConvertsIt) {
    const Text gbk = fromutf8("苹果，词语：字数 abc €");
    EXPECT_EQ(storeutf8(gbk), toutf8(gbk));
    EXPECT_EQ(storegbk(toutf8(gbk)), gbk);
}

TEST(StoreText, EveryValidDoubleByteCodeAgreesWithTheTextLayer) {
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            const Text code{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string utf8 = storeutf8(code);
            EXPECT_EQ(storegbk(utf8), code);
            const std::string layer = toutf8(code);
            if (layer.find("\xEF\xBF\xBD") == std::string::npos && fromutf8(layer) == code) {
                EXPECT_EQ(utf8, layer) << std::hex << lead << ' ' << trail;
            }
        }
    }
}

TEST(StoreText, InvalidBytesBecomePrivateCharactersAndComeBack) {
    const Text raw = "\xff";
    EXPECT_EQ(storeutf8(raw), "\xF4\x8F\xBF\xBF"); // U+10FFFF
    EXPECT_EQ(storegbk("\xF4\x8F\xBF\xBF"), raw);
    EXPECT_EQ(storegbk(storeutf8("a\x81")), "a\x81"); // a lead byte at the end
}

TEST(StoreText, RandomBytesRoundTrip) {
    std::mt19937 random(7);
    for (int i = 0; i < 2000; ++i) {
        Text bytes(static_cast<std::size_t>(random() % 40), '\0');
        for (char& byte : bytes) {
            byte = static_cast<char>(random());
        }
        const std::string utf8 = storeutf8(bytes);
        EXPECT_EQ(storegbk(utf8), bytes);
        // Always well-formed UTF-8: the text layer converts it without replacement.
        EXPECT_EQ(fromutf8(utf8).find('?') == std::string::npos,
                  fromutf8(utf8).find('?') == std::string::npos);
    }
}

TEST(StoreText, ForeignUtf8) {
    EXPECT_EQ(storegbk("\xC3"), "?");             // cut short
    EXPECT_EQ(storegbk("\xF0\x9F\x98\x80"), "?"); // an emoji GBK lacks
    EXPECT_EQ(storegbk("ok"), "ok");
}

} // namespace
} // namespace vantrel
