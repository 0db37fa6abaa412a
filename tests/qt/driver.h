// Driving real windows of the Qt kit from tests: finding controls by their definition names,
// acting on modal boxes as they appear, and steps that wait for a window to show.
#pragma once

#include "kit/qt/qtkit.h"
#include "kit/qt/qtwindow.h"

#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <string_view>

namespace vantrel::qt::testing {

// The window's frame and a control's widget, by name.
QWidget* frameof(const QtKit& kit, const ui::Window& definition);
QWidget* controlof(const QtKit& kit, const ui::Window& definition, std::string_view name);
template <typename Widget>
Widget* controlas(const QtKit& kit, const ui::Window& definition, std::string_view name) {
    return static_cast<Widget*>(controlof(kit, definition, name));
}

// Runs act on the next application-modal box or dialog once it shows.
void whenmodal(std::function<void(QWidget*)> act);

// The left button goes down and comes up again over the middle of the widget.
void press(QWidget* widget, QPoint at = {});
void release(QWidget* widget, QPoint at = {});
void click(QWidget* widget, QPoint at = {});

// Steps run one after the other, each once its condition holds; an action may block in a
// nested loop without holding up the steps after it.
class Steps {
  public:
    Steps();
    Steps& when(std::function<bool()> ready, std::function<void()> act);
    Steps& then(std::function<void()> act) {
        return when([] { return true; }, std::move(act));
    }
    bool done() const { return steps_.empty(); }

  private:
    struct Step {
        std::function<bool()> ready;
        std::function<void()> act;
    };
    std::deque<Step> steps_;
    QTimer poll_;
};

} // namespace vantrel::qt::testing
