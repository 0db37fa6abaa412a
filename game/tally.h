// The summary line shared by the game window's tally and the record file.
#pragma once

#include "app/state.h"

namespace vantrel {

// 总个数：T个|正确个数：C个|错误：W个
Text tallyline(const State& state);

} // namespace vantrel
