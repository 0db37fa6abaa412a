#include "text/datetime.h"

#include "text/numbers.h"

namespace vantrel {

Text datetimetext(const DateTime& when) {
    Text line =
        inttext(when.year) + "年"_t + inttext(when.month) + "月"_t + inttext(when.day) + "日"_t;
    if (when.second != 0) {
        line += inttext(when.hour) + "时"_t + inttext(when.minute) + "分"_t + inttext(when.second) +
                "秒"_t;
    } else if (when.minute != 0) {
        line += inttext(when.hour) + "时"_t + inttext(when.minute) + "分"_t;
    } else if (when.hour != 0) {
        line += inttext(when.hour) + "时"_t;
    }
    return line;
}

} // namespace vantrel
