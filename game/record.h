// The game record file 猜词记录.txt next to the program: emptied at every start, one entry
// appended per game that runs out, opened with the system's text viewer.
#pragma once

#include "app/program.h"

namespace vantrel {

// The entry of the game that just ended: an empty line, the date-time line, the verdict lines
// of gamelog and the summary line, all ended by CR LF.
Text recordentry(const State& state, const DateTime& when);

void resetrecord(Program& program);
void appendrecord(Program& program);
void openrecord(Program& program);

} // namespace vantrel
