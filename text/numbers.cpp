#include "text/numbers.h"

#include <cmath>
#include <cstdio>

namespace vantrel {

Text inttext(std::int64_t value) {
    return std::to_string(value);
}

Text realtext(double value) {
    if (std::isnan(value)) {
        return {};
    }
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, "%.13g", value);
    return Text(buffer, static_cast<std::size_t>(length));
}

} // namespace vantrel
