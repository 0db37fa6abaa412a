#include "ui/definition.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace vantrel::ui {
namespace {

std::vector<std::string_view> names(const std::vector<const Control*>& controls) {
    std::vector<std::string_view> result;
    for (const Control* control : controls) {
        result.push_back(control->name);
    }
    return result;
}

TEST(Definitions, TabOrderRunsAgainstTheListedOrder) {
    using Names = std::vector<std::string_view>;
    EXPECT_EQ(names(taborder(librarywindow())),
              (Names{"xinxi", "zengjiabtn", "shanchbtn", "updatebtn", "ciyu", "selectbtn", "按钮5",
                     "qingkongall", "打开", "daoru"}));
    EXPECT_EQ(names(taborder(gamewindow())), (Names{"tiaoguobtn", "zhengquebtn"}));
    EXPECT_EQ(names(taborder(mainwindow())), (Names{"shijian"}));
    EXPECT_TRUE(taborder(resultswindow()).empty());
}

TEST(Definitions, WindowsAreWhole) {
    struct Expected {
        const Window& window;
        std::string_view id;
        int width, height, controls;
        bool minimizebox;
    };
    const Expected windows[] = {{mainwindow(), "main", 584, 354, 17, true},
                                {librarywindow(), "library", 504, 371, 20, false},
                                {gamewindow(), "game", 898, 570, 9, false},
                                {resultswindow(), "results", 380, 250, 4, false}};
    for (const Expected& expected : windows) {
        const Window& window = expected.window;
        EXPECT_EQ(window.id, expected.id);
        EXPECT_EQ(window.width, expected.width);
        EXPECT_EQ(window.height, expected.height);
        EXPECT_EQ(window.minimizebox, expected.minimizebox);
        EXPECT_EQ(static_cast<int>(window.controls.size()), expected.controls);
        std::set<std::string_view> seen;
        for (const Control& control : window.controls) {
            EXPECT_TRUE(seen.insert(control.name).second) << control.name;
            if (!control.parent.empty()) {
                const Control* parent = findcontrol(window, control.parent);
                ASSERT_NE(parent, nullptr) << control.name;
                EXPECT_EQ(parent->kind, Kind::group);
            }
        }
    }
}

TEST(Definitions, ControlsThatOthersRelyOn) {
    const Control* shijian = findcontrol(mainwindow(), "shijian");
    ASSERT_NE(shijian, nullptr);
    EXPECT_EQ(shijian->items.size(), 10u);
    EXPECT_EQ(shijian->items.back(), "10");
    EXPECT_EQ(shijian->dropheight, 160);
    EXPECT_EQ(shijian->text, "");

    EXPECT_EQ(findcontrol(gamewindow(), "时钟1")->period, 1000);
    const Control* word = findcontrol(gamewindow(), "xianshibiaoqian");
    EXPECT_EQ(word->font.pixels, 200);
    EXPECT_TRUE(word->font.bold);
    EXPECT_EQ(word->align, Align::centre);

    const Control* list = findcontrol(librarywindow(), "xinxi");
    ASSERT_EQ(list->columns.size(), 3u);
    EXPECT_EQ(list->columns[0].title, "编号");
    EXPECT_EQ(list->columns[1].width, 135);
    EXPECT_EQ(findcontrol(librarywindow(), "通用对话框1")->dialog->filter,
              "所有文件（*.txt）|*.txt");
    EXPECT_EQ(findcontrol(librarywindow(), "tiaoshu")->foreground, red);
    EXPECT_EQ(findcontrol(librarywindow(), "标签2")->align, Align::right);
    EXPECT_EQ(findcontrol(mainwindow(), "图片框8")->picture, Picture::banner);
    EXPECT_EQ(findcontrol(mainwindow(), "标签3")->border, Border::raised);
    EXPECT_EQ(findcontrol(mainwindow(), "标签5")->parent, "分组框1");
}

} // namespace
} // namespace vantrel::ui
