// The skin engine's own file, carried inside the program.
#pragma once

#include <span>

namespace vantrel {

std::span<const unsigned char> enginebytes();

} // namespace vantrel
