#include "game/resultswindow.h"

#include "game/record.h"
#include "text/numbers.h"

namespace vantrel {

Text ratetext(std::int32_t correct, std::int32_t total) {
    // A game without verdicts has no rate; it reads as none hit rather than as an empty gap.
    if (total == 0) {
        return "猜中率：0%"_t;
    }
    const double rate = static_cast<double>(correct) / static_cast<double>(total) * 100.0;
    return "猜中率："_t + realtext(rate) + "%";
}

void openresults(Program& program) {
    Handlers handlers;
    handlers
        .on("", Event::created,
            [&program](Window& results) {
                const State& state = program.state();
                results.settext("zonggong", "总共"_t + inttext(state.totalcount) + "个词语"_t);
                results.settext("zhengque", "猜正确"_t + inttext(state.correctcount) + "个词语"_t);
                results.settext("caizhonglv", ratetext(state.correctcount, state.totalcount));
            })
        .on("标签6", Event::pressed, [&program](Window&) { openrecord(program); });
    program.services().kit.openmodal(ui::resultswindow(), std::move(handlers));
}

} // namespace vantrel
