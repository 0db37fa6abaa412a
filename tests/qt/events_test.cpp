// Each kind of event from real input: pressed on the way down and never from the keyboard,
// clicked, a list item chosen but not typed, changed once for every write, the current row
// changed by the operator only, timer ticks, and closing by the close box and Esc.
#include "tests/qt/driver.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace vantrel::qt::testing {
namespace {

TEST(QtEvents, ALabelActsWhenTheLeftButtonGoesDown) {
    QtKit kit;
    int pressed = 0;
    kit.open(ui::mainwindow(), Handlers().on("标签3", Event::pressed, [&](Window&) { ++pressed; }));
    QWidget* label = controlof(kit, ui::mainwindow(), "标签3");
    press(label);
    EXPECT_EQ(pressed, 1);
    release(label);
    QTest::mouseClick(label, Qt::RightButton);
    EXPECT_EQ(pressed, 1);
}

TEST(QtEvents, AButtonIsPressedByTheMouseOnlyAndClickedByMouseOrKeyboard) {
    QtKit kit;
    int pressed = 0;
    int clicked = 0;
    kit.open(ui::gamewindow(), Handlers()
                                   .on("zhengquebtn", Event::pressed, [&](Window&) { ++pressed; })
                                   .on("zhengquebtn", Event::clicked, [&](Window&) { ++clicked; }));
    QWidget* button = controlof(kit, ui::gamewindow(), "zhengquebtn");
    press(button);
    EXPECT_EQ(pressed, 1);
    EXPECT_EQ(clicked, 0);
    release(button);
    EXPECT_EQ(clicked, 1);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(pressed, 1);
    EXPECT_EQ(clicked, 2);
}

TEST(QtEvents, PickingFromTheTimeListChoosesTypingDoesNot) {
    QtKit kit;
    std::vector<Text> chosen;
    kit.open(ui::mainwindow(), Handlers().on("shijian", Event::itemchosen, [&](Window& window) {
        chosen.push_back(window.text("shijian"));
    }));
    auto* combo = controlas<QComboBox>(kit, ui::mainwindow(), "shijian");
    Window& window = *kit.find(ui::mainwindow());
    EXPECT_EQ(combo->count(), 10);
    EXPECT_EQ(combo->itemText(9), "10");
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(window.text("shijian"), "");

    QTest::keyClicks(combo->lineEdit(), "7");
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(chosen.empty());
    EXPECT_EQ(window.text("shijian"), "7");

    combo->showPopup();
    QAbstractItemView* list = combo->view();
    QWidget* popup = list->window();
    EXPECT_EQ(popup->height(), 160 - 20);
    EXPECT_EQ(popup->geometry().top(), combo->mapToGlobal(QPoint(0, combo->height())).y());
    const QRect ten = list->visualRect(combo->model()->index(9, 0));
    list->scrollTo(combo->model()->index(9, 0));
    click(list->viewport(), list->visualRect(combo->model()->index(9, 0)).center());
    (void)ten;
    EXPECT_EQ(chosen, std::vector<Text>{"10"});
}

TEST(QtEvents, EscWithTheTimeListOpenClosesTheListAlone) {
    QtKit kit;
    int destroying = 0;
    kit.open(ui::mainwindow(),
             Handlers().on("", Event::destroying, [&](Window&) { ++destroying; }));
    auto* combo = controlas<QComboBox>(kit, ui::mainwindow(), "shijian");
    // Window shortcuts only work in the active window, as under a person's hands.
    frameof(kit, ui::mainwindow())->activateWindow();
    QTest::qWait(50);
    combo->showPopup();
    QTest::qWait(50);
    QWidget* popup = combo->view()->window();
    ASSERT_TRUE(popup->isVisible());
    QTest::keyClick(combo->view(), Qt::Key_Escape);
    QTest::qWait(50);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(destroying, 0);
    EXPECT_TRUE(kit.find(ui::mainwindow())->alive());
}

TEST(QtEvents, EveryWriteOfAnEditBoxIsOneChangeHandledAtOnce) {
    QtKit kit;
    std::vector<Text> seen;
    kit.open(ui::librarywindow(), Handlers().on("ciyu", Event::changed, [&](Window& window) {
        seen.push_back(window.text("ciyu"));
        window.settext("zishu", std::to_string(window.text("ciyu").size()));
    }));
    Window& window = *kit.find(ui::librarywindow());
    window.settext("ciyu", "花"_t);
    EXPECT_EQ(seen, std::vector<Text>{"花"_t});
    EXPECT_EQ(window.text("zishu"), "2");
    window.settext("ciyu", "花"_t);
    EXPECT_EQ(seen.size(), 2u);
    QTest::keyClicks(controlof(kit, ui::librarywindow(), "ciyu"), "x");
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen.back(), "花x"_t);
    EXPECT_EQ(window.text("zishu"), "3");
    // Labels have no such event; bytes that are no GBK read back as written.
    window.settext("tiaoshu", "\x81\x20\xff");
    EXPECT_EQ(window.text("tiaoshu"), "\x81\x20\xff");
    EXPECT_EQ(seen.size(), 3u);
}

TEST(QtEvents, TheCurrentRowChangesByTheOperatorNeverByAFill) {
    QtKit kit;
    std::vector<Text> current;
    kit.open(ui::librarywindow(),
             Handlers().on("xinxi", Event::currentchanged, [&](Window& window) {
                 const int row = window.selectedrow("xinxi");
                 current.push_back(row < 0 ? "none" : window.cell("xinxi", row, 1));
             }));
    Window& window = *kit.find(ui::librarywindow());
    auto* list = controlas<QTableView>(kit, ui::librarywindow(), "xinxi");
    window.setrows("xinxi", {{"3", "春风"_t, "2"}, {"2", "明月"_t, "2"}, {"1", "山"_t, "1"}});
    EXPECT_EQ(window.rowcount("xinxi"), 3);
    EXPECT_EQ(window.cell("xinxi", 1, 1), "明月"_t);
    EXPECT_EQ(window.cell("xinxi", 3, 0), "");
    EXPECT_EQ(window.selectedrow("xinxi"), -1);
    EXPECT_TRUE(current.empty());

    auto rowcentre = [&](int row) {
        return list->visualRect(list->model()->index(row, 1)).center();
    };
    click(list->viewport(), rowcentre(1));
    EXPECT_EQ(current, std::vector<Text>{"明月"_t});
    click(list->viewport(), rowcentre(1));
    EXPECT_EQ(current.size(), 1u);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(current.back(), "山"_t);
    EXPECT_EQ(window.selectedrow("xinxi"), 2);

    window.setrows("xinxi", {{"9", "新"_t, "1"}});
    EXPECT_EQ(current.size(), 2u);
    EXPECT_EQ(window.selectedrow("xinxi"), -1);
    EXPECT_FALSE(list->currentIndex().isValid());
    EXPECT_TRUE(list->showGrid());
    EXPECT_EQ(list->columnWidth(0), 50);
    EXPECT_EQ(list->columnWidth(1), 135);
    EXPECT_EQ(list->columnWidth(2), 40);
}

TEST(QtEvents, TheTimerRunsFromCreationAndStopsAtPeriodZero) {
    QtKit kit;
    int ticks = 0;
    bool runningatcreation = false;
    kit.open(ui::gamewindow(), Handlers()
                                   .on("", Event::created,
                                       [&](Window&) {
                                           const QTimer* timer =
                                               frameof(kit, ui::gamewindow())->findChild<QTimer*>();
                                           runningatcreation = timer && timer->isActive() &&
                                                               timer->interval() == 1000;
                                       })
                                   .on("时钟1", Event::tick, [&](Window&) { ++ticks; }));
    EXPECT_TRUE(runningatcreation);
    Window& window = *kit.find(ui::gamewindow());
    window.setperiod("时钟1", 5);
    QTRY_VERIFY(ticks >= 3);
    window.setperiod("时钟1", 0);
    const int stopped = ticks;
    QTest::qWait(50);
    EXPECT_EQ(ticks, stopped);
}

TEST(QtEvents, EscFromWhicheverControlHasTheFocusClosesTheWindow) {
    const std::pair<const ui::Window*, const char*> focused[] = {
        {&ui::librarywindow(), "ciyu"},  {&ui::librarywindow(), "zishu"},
        {&ui::librarywindow(), "xinxi"}, {&ui::librarywindow(), "zengjiabtn"},
        {&ui::mainwindow(), "shijian"},  {&ui::gamewindow(), "zhengquebtn"},
    };
    for (const auto& [definition, name] : focused) {
        QtKit kit;
        int destroying = 0;
        kit.open(*definition, Handlers().on("", Event::destroying, [&](Window&) { ++destroying; }));
        QtWindow& window = *kit.find(*definition);
        QWidget* control = controlof(kit, *definition, name);
        if (auto* combo = qobject_cast<QComboBox*>(control)) {
            control = combo->lineEdit();
        } else if (auto* view = qobject_cast<QAbstractItemView*>(control)) {
            control = view->viewport();
        }
        QTest::keyClick(control, Qt::Key_Escape);
        EXPECT_EQ(destroying, 1) << name;
        EXPECT_FALSE(window.alive()) << name;
    }
}

TEST(QtEvents, TheCloseBoxAndEscBothDestroyAfterTheDestroyingEvent) {
    for (const bool escape : {false, true}) {
        QtKit kit;
        std::vector<std::string> log;
        kit.open(ui::resultswindow(), Handlers().on("", Event::destroying, [&](Window& window) {
            log.push_back(window.alive() ? "destroying" : "late");
        }));
        QtWindow& window = *kit.find(ui::resultswindow());
        QWidget* frame = window.frame();
        if (escape) {
            QTest::keyClick(frame, Qt::Key_Escape);
        } else {
            frame->close();
        }
        EXPECT_EQ(log, std::vector<std::string>{"destroying"});
        EXPECT_FALSE(window.alive());
        EXPECT_FALSE(frame->isVisible());
        EXPECT_EQ(window.text("zonggong"), "");
        EXPECT_EQ(kit.run(), 0);
    }
}

} // namespace
} // namespace vantrel::qt::testing
