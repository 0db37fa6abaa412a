#include "kit/random.h"

namespace vantrel {

void PortableRandom::reseed(std::uint32_t seed) {
    engine_.seed(seed);
}

int PortableRandom::between(int low, int high) {
    if (high <= low) {
        return low;
    }
    // Standard distributions differ between libraries; a plain modulus keeps draws identical
    // on every platform. The bias is far below what a party game could show.
    const auto span = static_cast<std::uint64_t>(high) - static_cast<std::uint64_t>(low) + 1;
    return low + static_cast<int>(engine_() % span);
}

} // namespace vantrel
