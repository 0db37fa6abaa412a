// The skin block format shared by the program and the engine: the four bytes ".SHE", a format
// version, the skin's number, then UTF-8 lines "key value": the skin's name, the corner
// radius of its buttons and the colours of every face the engine draws.
#pragma once

#include "ui/definition.h"

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

inline constexpr unsigned char skinversion = 1;

struct Skin {
    int number = 0;
    std::string name;
    int radius = 0;
    std::map<std::string, ui::Rgb, std::less<>> colours;

    // A colour every valid skin has (see skincolours).
    ui::Rgb colour(std::string_view key) const { return colours.find(key)->second; }
};

// The colours a skin must give, each for one face the engine draws.
const std::vector<std::string_view>& skincolours();

// The number a skin block carries, or 0 when the block is not a skin.
int skinnumber(std::span<const unsigned char> block);

// The skin a block describes; nothing for a block that is damaged, of another version or
// missing a colour.
std::optional<Skin> parseskin(std::span<const unsigned char> block);

std::vector<unsigned char> describeskin(const Skin& skin);

} // namespace vantrel
