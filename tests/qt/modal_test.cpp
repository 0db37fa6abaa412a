// Modal windows in nested loops with the other windows disabled, message boxes and the
// open-file dialog, and the ends of the program: the last window gone, or quit.
#include "tests/qt/driver.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace vantrel::qt::testing {
namespace {

TEST(QtModal, AModalWindowDisablesTheOthersUntilItIsGone) {
    QtKit kit;
    kit.open(ui::mainwindow(), {});
    QWidget* main = frameof(kit, ui::mainwindow());
    std::vector<std::string> seen;
    Steps steps;
    steps
        .when([&] { return frameof(kit, ui::gamewindow()); },
              [&] {
                  seen.push_back(main->isEnabled() ? "main enabled" : "main disabled");
                  kit.openmodal(ui::resultswindow(), {});
                  seen.push_back("results returned");
                  seen.push_back(frameof(kit, ui::gamewindow())->isEnabled() ? "game enabled"
                                                                             : "game disabled");
                  seen.push_back(main->isEnabled() ? "main enabled" : "main disabled");
              })
        .when([&] { return frameof(kit, ui::resultswindow()); },
              [&] {
                  seen.push_back(frameof(kit, ui::gamewindow())->isEnabled() ? "game enabled"
                                                                             : "game disabled");
                  // A disabled window's close box does nothing.
                  frameof(kit, ui::gamewindow())->close();
                  seen.push_back(kit.find(ui::gamewindow()) ? "game open" : "game closed");
                  QTest::keyClick(frameof(kit, ui::resultswindow()), Qt::Key_Escape);
              })
        .when([&] { return seen.size() == 6; },
              [&] { QTest::keyClick(frameof(kit, ui::gamewindow()), Qt::Key_Escape); });
    kit.openmodal(ui::gamewindow(), {});
    seen.push_back("game returned");
    EXPECT_EQ(seen, (std::vector<std::string>{"main disabled", "game disabled", "game open",
                                              "results returned", "game enabled", "main disabled",
                                              "game returned"}));
    EXPECT_TRUE(main->isEnabled());
    main->close();
    EXPECT_EQ(kit.run(), 0);
}

TEST(QtModal, QuitEndsEveryLoopWithoutDestroyingEvents) {
    QtKit kit;
    int destroying = 0;
    bool returned = false;
    kit.open(ui::mainwindow(),
             Handlers().on("", Event::destroying, [&](Window&) { ++destroying; }));
    Steps steps;
    steps
        .then([&] {
            kit.openmodal(ui::librarywindow(),
                          Handlers().on("", Event::destroying, [&](Window&) { ++destroying; }));
            returned = true;
        })
        .when([&] { return frameof(kit, ui::librarywindow()); }, [&] { kit.quit(7); });
    EXPECT_EQ(kit.run(), 7);
    EXPECT_TRUE(returned);
    EXPECT_EQ(destroying, 0);
    EXPECT_EQ(kit.find(ui::mainwindow()), nullptr);
}

TEST(QtModal, MessageBoxesHaveNoOwnerTheirIconAndTheirButtons) {
    struct Case {
        Buttons buttons;
        Icon icon;
        QMessageBox::Icon shown;
        const char* press;
        Answer answer;
    };
    const Case cases[] = {
        {Buttons::ok, Icon::information, QMessageBox::Information, "确定", Answer::ok},
        {Buttons::okcancel, Icon::none, QMessageBox::NoIcon, "取消", Answer::cancel},
        {Buttons::okcancel, Icon::none, QMessageBox::NoIcon, "确定", Answer::ok},
        {Buttons::ok, Icon::stop, QMessageBox::Critical, "确定", Answer::ok},
    };
    QtKit kit;
    kit.open(ui::librarywindow(), {});
    for (const Case& test : cases) {
        QString text;
        QString title;
        QMessageBox::Icon icon{};
        int buttons = 0;
        bool owned = true;
        whenmodal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            buttons = static_cast<int>(box->buttons().size());
            owned = box->parentWidget() != nullptr;
            EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == QString::fromUtf8(test.press)) {
                    button->click();
                }
            }
        });
        EXPECT_EQ(kit.message("确认删除"_t, "警告"_t, test.buttons, test.icon), test.answer);
        EXPECT_EQ(text, "确认删除");
        EXPECT_EQ(title, "警告");
        EXPECT_EQ(icon, test.shown);
        EXPECT_EQ(buttons, test.buttons == Buttons::ok ? 1 : 2);
        EXPECT_FALSE(owned);
    }
}

TEST(QtModal, TheOpenFileDialogFiltersKeepsTheDirectoryAndRemembersTheLastFile) {
    QTemporaryDir folder;
    const QString words = folder.filePath("词表.txt");
    QFile(words).open(QIODevice::WriteOnly);
    const QString before = QDir::currentPath();
    QtKit kit;
    kit.open(ui::librarywindow(), {});
    Window& window = *kit.find(ui::librarywindow());

    QStringList filters;
    QString initial;
    whenmodal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        EXPECT_TRUE(dialog->testOption(QFileDialog::HideNameFilterDetails));
        dialog->selectFile(words);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    EXPECT_EQ(window.choosefile("通用对话框1"), fromutf8(words.toStdString()));
    EXPECT_EQ(filters, QStringList{"所有文件（*.txt） (*.txt)"});
    EXPECT_EQ(QDir::currentPath(), before);

    whenmodal([&](QWidget* modal) {
        auto* dialog = static_cast<QFileDialog*>(modal);
        initial = dialog->selectedFiles().value(0);
        dialog->reject();
    });
    EXPECT_EQ(window.choosefile("通用对话框1"), std::nullopt);
    EXPECT_EQ(initial, words);
}

} // namespace
} // namespace vantrel::qt::testing
