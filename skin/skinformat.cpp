#include "skin/skinformat.h"

#include <charconv>
#include <cstdio>

namespace vantrel {

namespace {

constexpr std::size_t headersize = 6;

bool hasheader(std::span<const unsigned char> block) {
    return block.size() >= headersize && block[0] == '.' && block[1] == 'S' && block[2] == 'H' &&
           block[3] == 'E' && block[4] == skinversion && block[5] != 0;
}

std::optional<int> number(std::string_view text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::optional<ui::Rgb> colourvalue(std::string_view text) {
    if (text.size() != 7 || text[0] != '#') {
        return std::nullopt;
    }
    int parts[3];
    for (int i = 0; i < 3; ++i) {
        const char* from = text.data() + 1 + 2 * i;
        const auto [end, error] = std::from_chars(from, from + 2, parts[i], 16);
        if (error != std::errc() || end != from + 2) {
            return std::nullopt;
        }
    }
    return ui::Rgb{parts[0], parts[1], parts[2]};
}

} // namespace

const std::vector<std::string_view>& skincolours() {
    static const std::vector<std::string_view> keys{
        "face",       "text",         "light",       "shadow",        "button",  "buttonend",
        "buttontext", "buttonborder", "hover",       "hoverend",      "pressed", "pressedend",
        "editborder", "focus",        "highlight",   "highlighttext", "header",  "headerend",
        "headertext", "grid",         "groupborder", "grouptext",     "scroll",  "scrollhandle",
    };
    return keys;
}

int skinnumber(std::span<const unsigned char> block) {
    return hasheader(block) ? block[5] : 0;
}

std::optional<Skin> parseskin(std::span<const unsigned char> block) {
    if (!hasheader(block)) {
        return std::nullopt;
    }
    Skin skin;
    skin.number = block[5];
    const std::string_view body(reinterpret_cast<const char*>(block.data()) + headersize,
                                block.size() - headersize);
    std::size_t at = 0;
    while (at < body.size()) {
        std::size_t end = body.find('\n', at);
        if (end == std::string_view::npos) {
            end = body.size();
        }
        const std::string_view line = body.substr(at, end - at);
        at = end + 1;
        if (line.empty()) {
            continue;
        }
        const std::size_t space = line.find(' ');
        if (space == std::string_view::npos) {
            return std::nullopt;
        }
        const std::string_view key = line.substr(0, space);
        const std::string_view value = line.substr(space + 1);
        if (key == "name") {
            skin.name = value;
        } else if (key == "radius") {
            const auto radius = number(value, 0, 12);
            if (!radius) {
                return std::nullopt;
            }
            skin.radius = *radius;
        } else {
            const auto colour = colourvalue(value);
            if (!colour) {
                return std::nullopt;
            }
            skin.colours.insert_or_assign(std::string(key), *colour);
        }
    }
    for (const std::string_view key : skincolours()) {
        if (!skin.colours.contains(key)) {
            return std::nullopt;
        }
    }
    return skin;
}

std::vector<unsigned char> describeskin(const Skin& skin) {
    std::string body = "name " + skin.name + "\nradius " + std::to_string(skin.radius) + "\n";
    for (const std::string_view key : skincolours()) {
        const auto found = skin.colours.find(key);
        const ui::Rgb colour = found == skin.colours.end() ? ui::Rgb{} : found->second;
        char value[8];
        std::snprintf(value, sizeof value, "#%02x%02x%02x", colour.red & 0xff, colour.green & 0xff,
                      colour.blue & 0xff);
        body += std::string(key) + " " + value + "\n";
    }
    std::string block = ".SHE";
    block += static_cast<char>(skinversion);
    block += static_cast<char>(skin.number);
    block += body;
    return {block.begin(), block.end()};
}

} // namespace vantrel
