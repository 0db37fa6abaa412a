#include "text/numbers.h"

#include <charconv>
#include <cmath>

namespace vantrel {

Text inttext(std::int64_t value) { return std::to_string(value); }

Text realtext(double value) {
    if (std::isnan(value)) {
        return {};
    }
    // "%.13g" without the C library's locale: a desktop set to German must still write 2.5.
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 13);
    return Text(buffer, written.ptr);
}

} // namespace vantrel
