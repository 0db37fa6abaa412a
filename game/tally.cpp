#include "game/tally.h"

#include "text/numbers.h"

namespace vantrel {

Text tallyline(const State& state) {
    // The wrong count is a real difference, written by the real-to-text rule.
    const double wrong =
        static_cast<double>(state.totalcount) - static_cast<double>(state.correctcount);
    return "总个数："_t + inttext(state.totalcount) + "个|正确个数："_t +
           inttext(state.correctcount) + "个|错误："_t + realtext(wrong) + "个"_t;
}

} // namespace vantrel
