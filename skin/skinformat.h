// Reading a skin block: the parts the program itself needs.
#pragma once

#include <span>

namespace vantrel {

// The number a skin block carries, or 0 when the block is not a skin.
int skinnumber(std::span<const unsigned char> block);

} // namespace vantrel
