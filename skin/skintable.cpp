// Placeholder skins until the skin designs land: each block is ".SHE" and its number.
#include "skin/skintable.h"

#include <array>

namespace vantrel {

std::span<const unsigned char> skinblock(int n) {
    static const auto blocks = [] {
        std::array<std::array<unsigned char, 5>, skincount> all{};
        for (int i = 0; i < skincount; ++i) {
            all[i] = {'.', 'S', 'H', 'E', static_cast<unsigned char>(i + 1)};
        }
        return all;
    }();
    if (n < 1 || n > skincount) {
        return {};
    }
    return blocks[n - 1];
}

} // namespace vantrel
