// The results window: three result lines and the link to the record file.
#include "ui/definition.h"

namespace vantrel::ui {

const Window& resultswindow() {
    static constexpr Font result{"黑体", 14, true};
    static const Window window{
        .id = "results",
        .title = "结果页",
        .width = 380,
        .height = 250,
        .controls =
            {
                {.name = "标签6",
                 .kind = Kind::label,
                 .x = 128,
                 .y = 176,
                 .width = 88,
                 .height = 24,
                 .text = "查看猜词记录>>",
                 .pointer = Pointer::hand},
                {.name = "caizhonglv",
                 .kind = Kind::label,
                 .x = 72,
                 .y = 128,
                 .width = 208,
                 .height = 32,
                 .text = "标签",
                 .font = result},
                {.name = "zonggong",
                 .kind = Kind::label,
                 .x = 72,
                 .y = 40,
                 .width = 208,
                 .height = 32,
                 .text = "标签",
                 .font = result},
                {.name = "zhengque",
                 .kind = Kind::label,
                 .x = 72,
                 .y = 85,
                 .width = 200,
                 .height = 32,
                 .text = "标签",
                 .font = result},
            },
    };
    return window;
}

} // namespace vantrel::ui
