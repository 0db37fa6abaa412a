#include "game/gamewindow.h"

#include "game/countdown.h"
#include "game/tally.h"
#include "game/worddraw.h"
#include "text/numbers.h"

#include <memory>

namespace vantrel {

namespace {

void updatetally(Program& program, Window& game) {
    game.settext("xinxi", tallyline(program.state()));
}

void startgame(Program& program, WordStore& store, Window& game) {
    State& state = program.state();
    game.settitle("计时"_t + inttext(state.gameminutes) + "分钟 "_t + game.title());
    if (!storepresent(program, game)) {
        return;
    }
    loadwordids(program, store);
    if (state.wordcount == 0) {
        // Nothing to draw from: no game, and so no record either; the timer must not count
        // down behind the message.
        game.setperiod("时钟1", 0);
        program.services().kit.message("词库中还没有词语，请先在“管理词库”中添加词语。"_t, "提示"_t,
                                       Buttons::ok, Icon::information);
        game.destroy();
        return;
    }
    game.settext("daojishi", realtext(static_cast<double>(state.gameminutes) * 60.0));
    state.elapsedseconds = 1;
    state.totalcount = 0;
    state.correctcount = 0;
    if (const std::optional<Text> word = drawword(program, store, game)) {
        state.currentword = *word;
    }
}

void verdict(Program& program, WordStore& store, Window& game, bool correct) {
    State& state = program.state();
    state.totalcount += 1;
    if (correct) {
        state.correctcount += 1;
    }
    state.gamelog += state.currentword + (correct ? "-ok\r\n" : "-error\r\n");
    const std::optional<Text> word = drawword(program, store, game);
    if (!word) {
        return;
    }
    state.currentword = *word;
    updatetally(program, game);
}

} // namespace

void opengame(Program& program) {
    // 外部数据库1: the window's own connection, closed when the window's handlers go.
    const auto store = std::make_shared<WordStore>();
    Handlers handlers;
    handlers
        .on("", Event::created,
            [&program, store](Window& game) { startgame(program, *store, game); })
        .on("zhengquebtn", Event::pressed,
            [&program, store](Window& game) { verdict(program, *store, game, true); })
        .on("tiaoguobtn", Event::pressed,
            [&program, store](Window& game) { verdict(program, *store, game, false); })
        .on("时钟1", Event::tick, [&program](Window& game) { countdowntick(program, game); });
    program.services().kit.openmodal(ui::gamewindow(), std::move(handlers));
}

} // namespace vantrel
