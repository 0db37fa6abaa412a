#include "skin/skinformat.h"

namespace vantrel {

int skinnumber(std::span<const unsigned char> block) {
    if (block.size() < 5 || block[0] != '.' || block[1] != 'S' || block[2] != 'H' ||
        block[3] != 'E') {
        return 0;
    }
    return block[4];
}

} // namespace vantrel
