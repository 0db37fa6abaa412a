// The 33 skins the program carries, each a block that starts with ".SHE".
#pragma once

#include <span>

namespace vantrel {

inline constexpr int skincount = 33;

// Skin n, 1 to 33; an empty block for any other n.
std::span<const unsigned char> skinblock(int n);

} // namespace vantrel
