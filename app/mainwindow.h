// The main window: the hub from which games and the library are opened.
#pragma once

#include "app/program.h"

namespace vantrel {

// Creates the main window (not modal); its created handler runs the start-up steps.
void openmainwindow(Program& program);

} // namespace vantrel
