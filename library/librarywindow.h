// The library window: lists, searches and edits the words, and imports them from a file.
#pragma once

#include "app/program.h"

namespace vantrel {

// Opens the library window modally; returns when it has been destroyed.
void openlibrary(Program& program);

} // namespace vantrel
