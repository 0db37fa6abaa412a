// The game window's countdown: one tick of 时钟1 and the end of the game.
#pragma once

#include "app/program.h"

namespace vantrel {

// Counts daojishi down by one; once it has shown "0" for a tick, ends the game: timer
// stopped, record appended, results shown modally, game window destroyed.
void countdowntick(Program& program, Window& game);

} // namespace vantrel
