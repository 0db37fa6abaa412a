// The local date and time, and the way the game record writes it.
#pragma once

#include "text/text.h"

namespace vantrel {

struct DateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// 2016年11月23日20时8分45秒; trailing zero fields are left out (20时8分, 20时, or the date alone
// at midnight), and a zero hour before non-zero minutes or seconds is kept (0时0分7秒).
Text datetimetext(const DateTime& when);

} // namespace vantrel
