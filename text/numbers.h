// Numbers written as texts, the way the game shows them and stores them.
#pragma once

#include "text/text.h"

#include <cstdint>

namespace vantrel {

// Decimal digits, a leading minus for negative values, no grouping, no leading zeros.
Text inttext(std::int64_t value);

// The shortest form with at most 13 significant digits ("%.13g"): 60, 2.5, 66.66666666667.
// Not-a-number gives an empty text.
Text realtext(double value);

} // namespace vantrel
