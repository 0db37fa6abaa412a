// The version check at start-up: the version page's three values and what the main window
// tells of them.
#pragma once

#include "app/program.h"

namespace vantrel {

// One read of the version page and the text between the two markers.
Text markertext(Program& program, const Text& start, const Text& end);

// Sets the version label of the main window, downloadurl and exiturl.
void checkversion(Program& program, Window& mainwindow);

} // namespace vantrel
