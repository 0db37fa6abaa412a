#include "app/mainwindow.h"

#include "addresses.h"
#include "app/openaddress.h"
#include "game/gamewindow.h"
#include "game/record.h"
#include "library/librarywindow.h"
#include "skin/skin.h"
#include "update/versioncheck.h"

#include <cstdlib>

namespace vantrel {

namespace {

void created(Program& program, Window& window) {
    // Each step runs whatever the one before it gave; only a missing skin engine ends the
    // program, inside attachskin.
    extractengine(program);
    attachskin(program, 2);
    checkversion(program, window);
    resetrecord(program);
}

void startgame(Program& program, Window& window) {
    if (window.text("shijian").empty()) {
        program.services().kit.message("请先选择时间！"_t, "提示"_t, Buttons::ok,
                                       Icon::information);
    } else {
        opengame(program);
    }
    program.state().gamelog.clear();
}

} // namespace

void openmainwindow(Program& program) {
    Handlers handlers;
    handlers.on("", Event::created, [&program](Window& window) { created(program, window); })
        .on("", Event::destroying,
            [&program](Window&) { openaddress(program, program.state().exiturl); })
        .on("图片框8", Event::pressed,
            [&program](Window&) {
                openaddress(program, fromutf8(addresses::banner1));
                openaddress(program, fromutf8(addresses::banner2));
                openaddress(program, fromutf8(addresses::support));
            })
        .on("图片框5", Event::pressed,
            [&program](Window&) { openaddress(program, fromutf8(addresses::home)); })
        .on("zhichi", Event::pressed,
            [&program](Window&) { openaddress(program, fromutf8(addresses::support)); })
        .on("标签1", Event::pressed,
            [&program](Window&) { openaddress(program, program.state().downloadurl); })
        .on("shijian", Event::itemchosen,
            [&program](Window& window) {
                program.state().gameminutes = std::atoi(window.text("shijian").c_str());
            })
        .on("标签3", Event::pressed, [&program](Window& window) { startgame(program, window); })
        .on("标签2", Event::pressed, [&program](Window&) { openlibrary(program); })
        .on("标签6", Event::pressed, [&program](Window&) { openrecord(program); });
    program.services().kit.open(ui::mainwindow(), std::move(handlers));
}

} // namespace vantrel
