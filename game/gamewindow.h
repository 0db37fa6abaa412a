// The game window: the word draw, the verdicts and the countdown.
#pragma once

#include "app/program.h"

namespace vantrel {

// Opens the game window modally; returns when it has been destroyed.
void opengame(Program& program);

} // namespace vantrel
