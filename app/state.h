// The program state: the fourteen variables every window shares, under their own names.
#pragma once

#include "text/text.h"

#include <array>
#include <cstdint>

namespace vantrel {

struct State {
    Text downloadurl;
    Text exiturl;
    std::int32_t gameminutes = 0;
    Text gamelog;
    std::int32_t totalcount = 0;
    Text currentword;
    std::int32_t wordcount = 0;
    // Positions 1 to 1000; index 0 is position 1. Never resized.
    std::array<std::int32_t, 1000> wordids{};
    std::int32_t correctcount = 0;
    std::int32_t elapsedseconds = 0;
    Text selectedid;
    std::int32_t recordset = 0;
    Text importpath;
    Text dbpath;
};

} // namespace vantrel
