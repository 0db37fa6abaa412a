// The starter word list (assets/words.txt) as the build embedded it.
#pragma once

#include <string_view>

namespace vantrel {

// The whole list, UTF-8, with its theme headers; parsewordlist (library/librarymaker.h) gives
// the words.
std::string_view starterwordlist();

} // namespace vantrel
