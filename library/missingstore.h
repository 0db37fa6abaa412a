// The one stop every window makes when caici.mdb is not where it is looked for.
#pragma once

#include "app/program.h"

namespace vantrel {

// Tells the host "数据库不存在" and ends the program with exit code 0; the caller must then stop.
void stopformissingstore(Program& program);

} // namespace vantrel
