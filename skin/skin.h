// The skin engine SkinH_EL.dll: written next to the program when missing, then handed one of
// the program's skins to draw every window in.
#pragma once

#include "app/program.h"

namespace vantrel {

void extractengine(Program& program);

// Hands skin n (1 to 33) to the engine, loading it on first use; any other n passes no block.
// An engine that cannot be loaded, or lacks its entry point, ends the program.
void attachskin(Program& program, int n);

} // namespace vantrel
