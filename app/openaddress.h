// Web pages shown in the user's browser.
#pragma once

#include "app/program.h"

namespace vantrel {

// Whether the text is an absolute http or https address (scheme in any letter case).
bool webaddress(const Text& address);

// Shows the address in the default browser. Anything but a web address, the empty text
// included, is never handed to the shell; nothing is ever reported.
void openaddress(Program& program, const Text& address);

} // namespace vantrel
