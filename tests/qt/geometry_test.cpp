// Every window drawn from its definition: client size, each control's place and size, which
// control lies on top, the tab order, the fonts and the pointers.
#include "tests/qt/driver.h"

#include <QApplication>
#include <QCursor>
#include <gtest/gtest.h>

namespace vantrel::qt::testing {
namespace {

const ui::Window* const windows[] = {&ui::mainwindow(), &ui::librarywindow(), &ui::gamewindow(),
                                     &ui::resultswindow()};

bool visual(const ui::Control& control) {
    return control.kind != ui::Kind::timer && control.kind != ui::Kind::filedialog &&
           control.kind != ui::Kind::store;
}

TEST(QtGeometry, EveryControlLiesWhereItsDefinitionPutsIt) {
    for (const ui::Window* definition : windows) {
        SCOPED_TRACE(std::string(definition->id));
        QtKit kit;
        kit.open(*definition, {});
        QWidget* frame = frameof(kit, *definition);
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->size(), QSize(definition->width - 6, definition->height - 29));
        EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
        EXPECT_EQ(frame->windowFlags().testFlag(Qt::WindowMinimizeButtonHint),
                  definition->minimizebox);
        EXPECT_FALSE(frame->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        for (const ui::Control& control : definition->controls) {
            SCOPED_TRACE(std::string(control.name));
            QWidget* widget = controlof(kit, *definition, control.name);
            if (!visual(control)) {
                EXPECT_EQ(widget, nullptr);
                continue;
            }
            ASSERT_NE(widget, nullptr);
            EXPECT_TRUE(widget->isVisible());
            EXPECT_TRUE(widget->isEnabled());
            EXPECT_EQ(widget->geometry(),
                      QRect(control.x, control.y, control.width, control.height));
            QWidget* parent =
                control.parent.empty() ? frame : controlof(kit, *definition, control.parent);
            EXPECT_EQ(widget->parentWidget(), parent);
            EXPECT_EQ(widget->cursor().shape() == Qt::PointingHandCursor,
                      control.pointer == ui::Pointer::hand);
            if (!control.font.face.empty()) {
                EXPECT_EQ(widget->font().pixelSize(), control.font.pixels);
                EXPECT_EQ(widget->font().bold(), control.font.bold);
            }
        }
        kit.quit(0);
    }
}

// Of two controls with the same parent, the one listed first lies on top: Qt paints a parent's
// later children over its earlier ones.
TEST(QtGeometry, LabelsWithoutAColourShowTheDialogFaceEvenOnTheWhiteGameWindow) {
    QtKit kit;
    kit.open(ui::gamewindow(), {});
    QWidget* label = controlas<QWidget>(kit, ui::gamewindow(), "daojishi1");
    const QImage shot = label->grab().toImage();
    const QColor face = QApplication::palette().color(QPalette::Active, QPalette::Window);
    EXPECT_EQ(shot.pixelColor(1, 1), face);
    QWidget* word = controlas<QWidget>(kit, ui::gamewindow(), "xianshibiaoqian");
    EXPECT_EQ(word->grab().toImage().pixelColor(1, 1), QColor(Qt::white));
}

TEST(QtGeometry, TheFirstListedLiesOnTop) {
    for (const ui::Window* definition : windows) {
        SCOPED_TRACE(std::string(definition->id));
        QtKit kit;
        kit.open(*definition, {});
        std::vector<const ui::Control*> shown;
        for (const ui::Control& control : definition->controls) {
            if (visual(control)) {
                shown.push_back(&control);
            }
        }
        for (std::size_t upper = 0; upper < shown.size(); ++upper) {
            for (std::size_t lower = upper + 1; lower < shown.size(); ++lower) {
                QWidget* top = controlof(kit, *definition, shown[upper]->name);
                QWidget* bottom = controlof(kit, *definition, shown[lower]->name);
                if (top->parentWidget() != bottom->parentWidget()) {
                    continue;
                }
                const auto& siblings = top->parentWidget()->children();
                EXPECT_GT(siblings.indexOf(top), siblings.indexOf(bottom))
                    << shown[upper]->name << " under " << shown[lower]->name;
            }
        }
        kit.quit(0);
    }
}

TEST(QtGeometry, TabGoesThroughTheTabStopsInTheirOrderAndWraps) {
    for (const ui::Window* definition : windows) {
        SCOPED_TRACE(std::string(definition->id));
        QtKit kit;
        kit.open(*definition, {});
        const auto order = ui::taborder(*definition);
        if (order.empty()) {
            EXPECT_EQ(frameof(kit, *definition)->focusWidget(), nullptr);
            kit.quit(0);
            continue;
        }
        QWidget* first = controlof(kit, *definition, order.front()->name);
        QWidget* focused = frameof(kit, *definition)->focusWidget();
        EXPECT_TRUE(focused == first || first->isAncestorOf(focused));
        std::vector<QWidget*> visited;
        QWidget* at = first;
        do {
            visited.push_back(at);
            do {
                at = at->nextInFocusChain();
            } while (!(at->focusPolicy() & Qt::TabFocus) || !at->isVisible() || at->focusProxy());
        } while (at != first && visited.size() <= order.size());
        ASSERT_EQ(visited.size(), order.size());
        for (std::size_t i = 0; i < order.size(); ++i) {
            EXPECT_EQ(visited[i], controlof(kit, *definition, order[i]->name)) << i;
        }
        kit.quit(0);
    }
}

} // namespace
} // namespace vantrel::qt::testing
