// The version check at start-up: the version page's three values and what the main window
// tells of them.
#pragma once

#include "app/program.h"

#include <string_view>

namespace vantrel {

// The text between the markers in a page: the page ends at its first zero byte; positions are
// counted in bytes from 1 and a missing marker stands at -1, so a missing start marker gives
// the bytes from just after where it would have ended.
Text markedtext(std::string_view page, const Text& start, const Text& end);

// One read of the version page and the text between the two markers.
Text markertext(Program& program, const Text& start, const Text& end);

// Sets the version label of the main window, downloadurl and exiturl.
void checkversion(Program& program, Window& mainwindow);

} // namespace vantrel
