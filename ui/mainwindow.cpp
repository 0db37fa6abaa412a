// The main window: banner, title artwork, the time box and the links.
#include "ui/definition.h"

namespace vantrel::ui {

const Window& mainwindow() {
    static const Window window{
        .id = "main",
        .title = "Vantrel V3.0 —— Vantrel 工作室出品",
        .width = 584,
        .height = 354,
        .minimizebox = true,
        .controls =
            {
                {.name = "标签6", .kind = Kind::label, .x = 336, .y = 288, .width = 88,
                 .height = 24, .text = "查看猜词记录>>", .pointer = Pointer::hand},
                {.name = "标签1", .kind = Kind::label, .x = 0, .y = 304, .width = 160,
                 .height = 24, .text = "标签"},
                {.name = "图片框8", .kind = Kind::picture, .x = -3, .y = 2, .width = 576,
                 .height = 88, .pointer = Pointer::hand, .picture = Picture::banner,
                 .animate = true},
                {.name = "图片框7", .kind = Kind::picture, .x = 52, .y = 106, .width = 213,
                 .height = 77, .picture = Picture::titleart},
                {.name = "标签5", .kind = Kind::label, .parent = "分组框1", .x = 146, .y = 37,
                 .width = 38, .height = 20, .text = "分钟"},
                {.name = "shijian", .kind = Kind::combo, .parent = "分组框1", .x = 88, .y = 37,
                 .width = 46, .height = 20, .text = "", .background = white, .tabstop = true,
                 .items = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
                 .dropheight = 160},
                {.name = "标签4", .kind = Kind::label, .parent = "分组框1", .x = 40, .y = 39,
                 .width = 38, .height = 16, .text = "时间："},
                {.name = "标签3", .kind = Kind::label, .x = 173, .y = 257, .width = 56,
                 .height = 28, .text = "开始猜词", .border = Border::raised,
                 .pointer = Pointer::hand},
                {.name = "标签2", .kind = Kind::label, .x = 84, .y = 257, .width = 56,
                 .height = 28, .text = "管理词库", .border = Border::raised,
                 .pointer = Pointer::hand},
                {.name = "图片框5", .kind = Kind::picture, .x = 537, .y = 297, .width = 25,
                 .height = 25, .pointer = Pointer::hand, .picture = Picture::house},
                {.name = "zhichi", .kind = Kind::label, .x = 487, .y = 300, .width = 53,
                 .height = 24, .text = "支持作者", .pointer = Pointer::hand},
                {.name = "图片框4", .kind = Kind::picture, .x = -21, .y = -10, .width = 24,
                 .height = 120},
                {.name = "图片框3", .kind = Kind::picture, .x = -21, .y = -18, .width = 608,
                 .height = 22},
                {.name = "图片框2", .kind = Kind::picture, .x = -21, .y = 87, .width = 600,
                 .height = 24},
                {.name = "图片框1", .kind = Kind::picture, .x = 576, .y = -26, .width = 35,
                 .height = 144},
                {.name = "分组框1", .kind = Kind::group, .x = 50, .y = 189, .width = 216,
                 .height = 112, .text = "设置"},
                {.name = "图片框6", .kind = Kind::picture, .x = 272, .y = 96, .width = 280,
                 .height = 200, .picture = Picture::photo},
            },
    };
    return window;
}

} // namespace vantrel::ui
