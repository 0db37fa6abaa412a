#include "game/countdown.h"

#include "game/record.h"
#include "game/resultswindow.h"
#include "text/numbers.h"

#include <cstdint>

namespace vantrel {

void countdowntick(Program& program, Window& game) {
    State& state = program.state();
    // The label's text is the countdown's state: the game ends on the tick after it shows 0.
    if (game.text("daojishi") != "0") {
        const double left = static_cast<double>(state.gameminutes) * 60.0 -
                            static_cast<double>(state.elapsedseconds);
        game.settext("daojishi", inttext(static_cast<std::int64_t>(left)));
        state.elapsedseconds += 1;
        return;
    }
    // Stopped first, so that no tick comes while the results window waits for the host.
    game.setperiod("时钟1", 0);
    appendrecord(program);
    openresults(program);
    game.destroy();
}

} // namespace vantrel
