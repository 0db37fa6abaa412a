// The library window: lists, searches and edits the words of the store and
// imports words from a text file.
#pragma once

#include "app/program.h"

namespace vantrel {

// Opens the library window modally and returns once it is gone (or the program is ending).
// The window's word store connection lives exactly as long as the window.
void openlibrary(Program& program);

} // namespace vantrel
