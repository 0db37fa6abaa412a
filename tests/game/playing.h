// Helpers for driving games through the whole program: a library to play with and the
// operator's way into a game.
#pragma once

#include "library/librarymaker.h"
#include "tests/support/world.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel::testing {

inline void givelibrary(World& world, const std::vector<std::string>& words) {
    std::string error;
    ASSERT_TRUE(makelibrary(world.file("caici.mdb").string(), words, error)) << error;
}

inline HeadlessWindow& window(World& world, std::string_view id) {
    HeadlessWindow* found = world.kit.find(id);
    if (found == nullptr) {
        throw std::runtime_error("no window " + std::string(id));
    }
    return *found;
}

// A control's text as UTF-8.
inline std::string shown(World& world, std::string_view id, std::string_view control) {
    return toutf8(window(world, id).text(control));
}

// Chooses the game length in the main window (0: a number typed, none chosen) and starts a
// game; returns once the game window has gone.
inline void startgame(World& world, int minutes) {
    HeadlessWindow& main = window(world, "main");
    if (minutes == 0) {
        main.type("shijian", "5");
    } else {
        main.choose("shijian", std::to_string(minutes));
    }
    main.press("标签3");
}

} // namespace vantrel::testing
