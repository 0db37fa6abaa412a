// The game window: the word in very large type, the countdown, the tally and the verdicts.
#include "ui/definition.h"

namespace vantrel::ui {

const Window& gamewindow() {
    static constexpr Font small{"黑体", 14, true};
    static const Window window{
        .id = "game",
        .title = "猜词进行中...",
        .width = 898,
        .height = 570,
        .background = white,
        .controls =
            {
                {.name = "daojishi2", .kind = Kind::label, .x = 127, .y = 453, .width = 24,
                 .height = 40, .text = "秒", .font = small},
                {.name = "daojishi1", .kind = Kind::label, .x = 39, .y = 453, .width = 56,
                 .height = 40, .text = "倒计时：", .font = small},
                {.name = "xinxi", .kind = Kind::label, .x = 39, .y = 490, .width = 497,
                 .height = 32, .text = "记录信息", .font = {"黑体", 21, true}},
                {.name = "外部数据库1", .kind = Kind::store},
                {.name = "zhengquebtn", .kind = Kind::button, .x = 544, .y = 480, .width = 104,
                 .height = 32, .text = "正确", .align = Align::centre, .tabstop = true},
                {.name = "时钟1", .kind = Kind::timer, .period = 1000},
                {.name = "daojishi", .kind = Kind::label, .x = 95, .y = 453, .width = 32,
                 .height = 40, .text = "标签", .font = small},
                {.name = "tiaoguobtn", .kind = Kind::button, .x = 680, .y = 480, .width = 104,
                 .height = 32, .text = "跳过/错误", .align = Align::centre, .tabstop = true},
                {.name = "xianshibiaoqian", .kind = Kind::label, .x = 40, .y = 24,
                 .width = 808, .height = 416, .text = "标签", .font = {"黑体", 200, true},
                 .foreground = black, .background = white, .align = Align::centre},
            },
    };
    return window;
}

} // namespace vantrel::ui
