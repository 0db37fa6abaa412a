// The library window: the word list, the search-and-edit row and the import box.
#include "ui/definition.h"

namespace vantrel::ui {

const Window& librarywindow() {
    static const Window window{
        .id = "library",
        .title = "词库管理",
        .width = 504,
        .height = 371,
        .controls =
            {
                {.name = "标签4", .kind = Kind::label, .parent = "分组框2", .x = 15, .y = 82,
                 .width = 183, .height = 26,
                 .text = "词语一行一行存放在txt文件中，每个词语长度不要超过4个字。",
                 .wordwrap = true},
                {.name = "daoru", .kind = Kind::button, .x = 392, .y = 272, .width = 50,
                 .height = 24, .text = "导入", .align = Align::centre, .tabstop = true},
                {.name = "通用对话框1", .kind = Kind::filedialog,
                 .dialog = FileDialog{.filter = "所有文件（*.txt）|*.txt"}},
                {.name = "标签2", .kind = Kind::label, .x = 296, .y = 243, .width = 192,
                 .height = 24, .text = "", .border = Border::single, .align = Align::right},
                {.name = "打开", .kind = Kind::button, .x = 328, .y = 272, .width = 50,
                 .height = 24, .text = "打开", .align = Align::centre, .tabstop = true},
                {.name = "qingkongall", .kind = Kind::button, .x = 320, .y = 188, .width = 64,
                 .height = 24, .text = "清空数据", .align = Align::centre, .tabstop = true},
                {.name = "按钮5", .kind = Kind::button, .x = 400, .y = 16, .width = 56,
                 .height = 24, .text = "清空", .align = Align::centre, .tabstop = true},
                {.name = "zishu", .kind = Kind::edit, .x = 328, .y = 16, .width = 56,
                 .height = 24, .text = "", .background = Rgb{236, 236, 236},
                 .border = Border::single},
                {.name = "标签3", .kind = Kind::label, .x = 287, .y = 16, .width = 40,
                 .height = 24, .text = "字数："},
                {.name = "外部数据库1", .kind = Kind::store},
                {.name = "tiaoshu", .kind = Kind::label, .x = 320, .y = 64, .width = 144,
                 .height = 32, .text = "", .font = {"黑体", 14, true}, .foreground = red},
                {.name = "selectbtn", .kind = Kind::button, .x = 320, .y = 114, .width = 50,
                 .height = 24, .text = "查询", .align = Align::centre, .tabstop = true},
                {.name = "ciyu", .kind = Kind::edit, .x = 63, .y = 16, .width = 209,
                 .height = 24, .text = "", .background = white, .border = Border::sunken,
                 .tabstop = true},
                {.name = "标签1", .kind = Kind::label, .x = 26, .y = 16, .width = 40,
                 .height = 24, .text = "词语："},
                {.name = "updatebtn", .kind = Kind::button, .x = 320, .y = 152, .width = 50,
                 .height = 24, .text = "修改", .align = Align::centre, .tabstop = true},
                {.name = "shanchbtn", .kind = Kind::button, .x = 384, .y = 152, .width = 50,
                 .height = 24, .text = "删除", .align = Align::centre, .tabstop = true},
                {.name = "zengjiabtn", .kind = Kind::button, .x = 384, .y = 114, .width = 50,
                 .height = 24, .text = "增加", .align = Align::centre, .tabstop = true},
                {.name = "xinxi", .kind = Kind::list, .x = 24, .y = 48, .width = 248,
                 .height = 280, .background = white, .border = Border::sunken,
                 .tabstop = true, .columns = {{"编号", 50}, {"词语", 135}, {"字数", 40}}},
                {.name = "分组框1", .kind = Kind::group, .x = 16, .y = 5, .width = 456,
                 .height = 40, .text = ""},
                {.name = "分组框2", .kind = Kind::group, .x = 287, .y = 220, .width = 208,
                 .height = 116, .text = "导入词语"},
            },
    };
    return window;
}

} // namespace vantrel::ui
