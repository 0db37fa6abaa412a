// The results window of a finished game: words answered, answered correctly, and the rate.
#pragma once

#include "app/program.h"

namespace vantrel {

// 猜中率：R% with R the percentage of correct verdicts; 0 when there was no verdict.
Text ratetext(std::int32_t correct, std::int32_t total);

// Opens the results window modally; returns when the host has closed it.
void openresults(Program& program);

} // namespace vantrel
