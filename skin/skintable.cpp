// The 33 skins the program carries. Each is drawn from a few chosen colours: the window face,
// the accent of buttons and selections, the text on the accent and the trim of frames; the
// lighter and darker shades of hover, press and 3D edges follow from them by one rule.
#include "skin/skintable.h"

#include "skin/skinformat.h"

#include <array>
#include <vector>

namespace vantrel {

namespace {

struct Seed {
    const char* name;
    ui::Rgb face;
    ui::Rgb accent;
    ui::Rgb ink;  // text on buttons and selections
    ui::Rgb trim; // group frames and their captions
    ui::Rgb text; // the face's own text
    int radius;
};

constexpr ui::Rgb hex(unsigned value) {
    return {static_cast<int>(value >> 16 & 0xff), static_cast<int>(value >> 8 & 0xff),
            static_cast<int>(value & 0xff)};
}

// Part `amount` (0 to 100) of the way from one colour to another.
ui::Rgb mix(ui::Rgb from, ui::Rgb to, int amount) {
    auto channel = [amount](int a, int b) { return a + (b - a) * amount / 100; };
    return {channel(from.red, to.red), channel(from.green, to.green), channel(from.blue, to.blue)};
}

const ui::Rgb white = hex(0xffffff);
const ui::Rgb black = hex(0x000000);

// Skin 2 is the one shown: red and gold on warm cream, bold enough for a projector.
const Seed seeds[skincount] = {
    {"晴空", hex(0xeef3f8), hex(0x3a7bd5), white, hex(0x3a7bd5), hex(0x1b2a3a), 3},
    {"新春", hex(0xfff1d0), hex(0xd62828), white, hex(0xc8901a), hex(0x2b0d00), 5},
    {"翡翠", hex(0xecf6ef), hex(0x2e9b5e), white, hex(0x2e9b5e), hex(0x12301f), 3},
    {"紫藤", hex(0xf3eef8), hex(0x7b4fb0), white, hex(0x7b4fb0), hex(0x2a1840), 4},
    {"橘子", hex(0xfff4e6), hex(0xf07b16), white, hex(0xd0650a), hex(0x3a1c00), 6},
    {"石墨", hex(0xe9eaec), hex(0x44484e), white, hex(0x5c6168), hex(0x16181b), 2},
    {"樱花", hex(0xfdf0f3), hex(0xe0608a), white, hex(0xd0507a), hex(0x3d1020), 6},
    {"海湾", hex(0xe8f6f7), hex(0x1a8c99), white, hex(0x1a8c99), hex(0x0b2e33), 3},
    {"麦田", hex(0xfaf5e4), hex(0xc9a227), black, hex(0xa88414), hex(0x33290a), 3},
    {"夜航", hex(0xe6e9f2), hex(0x24345c), white, hex(0x24345c), hex(0x101830), 2},
    {"薄荷", hex(0xeefaf6), hex(0x3cc0a0), black, hex(0x27a084), hex(0x0c3027), 5},
    {"砖红", hex(0xf7ece8), hex(0xa8432a), white, hex(0xa8432a), hex(0x341208), 2},
    {"柠檬", hex(0xfffbe0), hex(0xf2d024), black, hex(0xc9aa0c), hex(0x332a00), 6},
    {"深海", hex(0xe5eef6), hex(0x0e5a8a), white, hex(0x0e5a8a), hex(0x06233a), 3},
    {"可可", hex(0xf4eee8), hex(0x7a5234), white, hex(0x7a5234), hex(0x2a1a0e), 3},
    {"青柠", hex(0xf2f9e6), hex(0x7cb518), black, hex(0x5e8c0c), hex(0x1f2e04), 4},
    {"玫瑰", hex(0xf9ecee), hex(0xb0304a), white, hex(0xb0304a), hex(0x3a0d18), 4},
    {"冰川", hex(0xf0f6fb), hex(0x6aa6d6), black, hex(0x4f8cc0), hex(0x142838), 7},
    {"琥珀", hex(0xfbf1e2), hex(0xd98e04), black, hex(0xb57400), hex(0x382300), 4},
    {"松林", hex(0xe9efe9), hex(0x2f5d3a), white, hex(0x2f5d3a), hex(0x0f2414), 2},
    {"丁香", hex(0xf6f0fa), hex(0xa87cc9), black, hex(0x8a5cb0), hex(0x2c1a3a), 6},
    {"铜锈", hex(0xecf3f0), hex(0x4a9a86), white, hex(0x3b7f6e), hex(0x12302a), 3},
    {"落日", hex(0xfdeee6), hex(0xe4572e), white, hex(0xc74420), hex(0x3a1306), 5},
    {"钢蓝", hex(0xe8edf2), hex(0x4a6f8f), white, hex(0x4a6f8f), hex(0x17242f), 2},
    {"蜜桃", hex(0xfff0ea), hex(0xf59a7a), black, hex(0xdb7a58), hex(0x3a1a10), 7},
    {"墨竹", hex(0xedf0ea), hex(0x3d4a3a), white, hex(0x56664f), hex(0x161c14), 1},
    {"天青", hex(0xeaf7fb), hex(0x28a7d4), white, hex(0x1a8cb6), hex(0x0a2d3a), 4},
    {"葡萄", hex(0xf1ebf3), hex(0x5b2a6e), white, hex(0x5b2a6e), hex(0x220c2b), 3},
    {"沙丘", hex(0xf7f0e4), hex(0xb98a55), black, hex(0x99703e), hex(0x33240f), 3},
    {"极光", hex(0xeaf5f2), hex(0x16a085), white, hex(0x8e44ad), hex(0x0e2b25), 5},
    {"烟雨", hex(0xf0f1f3), hex(0x8b95a3), black, hex(0x6b7584), hex(0x22262c), 2},
    {"金秋", hex(0xfbf3e4), hex(0xb3541e), white, hex(0xd4a017), hex(0x331507), 4},
    {"雪原", hex(0xf7f9fb), hex(0x5d7fa3), white, hex(0x9aaabb), hex(0x1c2530), 0},
};

Skin makeskin(int number, const Seed& seed) {
    const ui::Rgb face = seed.face;
    const ui::Rgb accent = seed.accent;
    Skin skin;
    skin.number = number;
    skin.name = seed.name;
    skin.radius = seed.radius;
    skin.colours = {
        {"face", face},
        {"text", seed.text},
        {"light", mix(face, white, 70)},
        {"shadow", mix(face, black, 45)},
        {"button", mix(accent, white, 22)},
        {"buttonend", accent},
        {"buttontext", seed.ink},
        {"buttonborder", mix(seed.trim, black, 25)},
        {"hover", mix(accent, white, 38)},
        {"hoverend", mix(accent, white, 12)},
        {"pressed", mix(accent, black, 25)},
        {"pressedend", mix(accent, black, 8)},
        {"editborder", mix(face, black, 38)},
        {"focus", accent},
        {"highlight", accent},
        {"highlighttext", seed.ink},
        {"header", mix(face, white, 60)},
        {"headerend", mix(face, black, 6)},
        {"headertext", seed.text},
        {"grid", mix(face, black, 14)},
        {"groupborder", mix(seed.trim, face, 35)},
        {"grouptext", mix(seed.trim, black, 20)},
        {"scroll", mix(face, white, 40)},
        {"scrollhandle", mix(accent, face, 45)},
    };
    return skin;
}

} // namespace

std::span<const unsigned char> skinblock(int n) {
    static const auto blocks = [] {
        std::array<std::vector<unsigned char>, skincount> all;
        for (int i = 0; i < skincount; ++i) {
            all[static_cast<std::size_t>(i)] = describeskin(makeskin(i + 1, seeds[i]));
        }
        return all;
    }();
    if (n < 1 || n > skincount) {
        return {};
    }
    return blocks[static_cast<std::size_t>(n - 1)];
}

} // namespace vantrel
