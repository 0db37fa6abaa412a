#include "ui/definition.h"

namespace vantrel::ui {

const Control* findcontrol(const Window& window, std::string_view name) {
    for (const Control& control : window.controls) {
        if (control.name == name) {
            return &control;
        }
    }
    return nullptr;
}

std::vector<const Control*> taborder(const Window& window) {
    std::vector<const Control*> order;
    for (auto control = window.controls.rbegin(); control != window.controls.rend(); ++control) {
        if (control->tabstop) {
            order.push_back(&*control);
        }
    }
    return order;
}

} // namespace vantrel::ui
