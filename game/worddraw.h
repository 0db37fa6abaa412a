// The word draw of the game window and what it rests on: the word IDs of the game, the check
// for the library file and the reseeding of the generator.
#pragma once

#include "app/program.h"
#include "library/wordstore.h"

#include <optional>

namespace vantrel {

// Whether caici.mdb exists in the current directory. When it does not, stops the game's
// timer, tells the host and ends the program; the caller must then stop.
bool storepresent(Program& program, Window& game);

// Reseeds the generator from the tick count plus the accumulator, which then grows, so that
// two reseeds within one millisecond still differ.
void reseed(Program& program);

// Opens the store and loads the IDs of the game into wordids, ascending: every ID, or 1000
// drawn uniformly from them when the library holds more. Sets wordcount.
void loadwordids(Program& program, WordStore& store);

// Draws a word at random from wordids (with replacement), shows it in xianshibiaoqian and
// gives it. Nothing when the program is ending because the library file has gone.
std::optional<Text> drawword(Program& program, WordStore& store, Window& game);

} // namespace vantrel
