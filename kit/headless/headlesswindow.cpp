#include "kit/headless/headlesskit.h"

#include <algorithm>

namespace vantrel {

namespace {

std::string describe(const ui::Window& window, std::string_view control) {
    return std::string(window.id) + "." + std::string(control);
}

} // namespace

HeadlessWindow::HeadlessWindow(HeadlessKit& kit, const ui::Window& definition, Handlers handlers)
    : kit_(kit), definition_(definition), handlers_(std::move(handlers)),
      title_(fromutf8(definition.title)) {
    controls_.reserve(definition.controls.size());
    for (const ui::Control& control : definition.controls) {
        ControlState state;
        state.definition = &control;
        state.text = fromutf8(control.text);
        state.colour = control.foreground.value_or(ui::black);
        state.pointer = control.pointer;
        state.period = control.period; // a timer runs from the moment its window's controls exist
        controls_.push_back(std::move(state));
    }
}

const HeadlessWindow::ControlState& HeadlessWindow::state(std::string_view control) const {
    for (const ControlState& state : controls_) {
        if (state.definition->name == control) {
            return state;
        }
    }
    throw ActionError("no control " + describe(definition_, control));
}

HeadlessWindow::ControlState& HeadlessWindow::state(std::string_view control) {
    return const_cast<ControlState&>(std::as_const(*this).state(control));
}

HeadlessWindow::ControlState& HeadlessWindow::actionable(std::string_view control,
                                                         std::initializer_list<ui::Kind> kinds) {
    if (!alive_) {
        throw ActionError("window " + std::string(definition_.id) + " is closed");
    }
    if (!enabled()) {
        throw ActionError("window " + std::string(definition_.id) +
                          " is disabled while another window is open");
    }
    ControlState& found = state(control);
    if (std::find(kinds.begin(), kinds.end(), found.definition->kind) == kinds.end()) {
        throw ActionError(describe(definition_, control) + " does not take that action");
    }
    return found;
}

void HeadlessWindow::fire(std::string_view control, Event event) {
    if (!alive_ || kit_.quitting()) {
        return;
    }
    if (const Handler* handler = handlers_.find(control, event)) {
        (*handler)(*this);
    }
}

Text HeadlessWindow::title() const {
    return alive_ ? title_ : Text();
}

void HeadlessWindow::settitle(const Text& title) {
    if (alive_) {
        title_ = title;
    }
}

Text HeadlessWindow::text(std::string_view control) const {
    return alive_ ? state(control).text : Text();
}

void HeadlessWindow::settext(std::string_view control, const Text& text) {
    if (!alive_) {
        return;
    }
    ControlState& target = state(control);
    target.text = text;
    if (target.definition->kind == ui::Kind::edit) {
        fire(control, Event::changed);
    }
}

void HeadlessWindow::setcolour(std::string_view control, ui::Rgb colour) {
    if (alive_) {
        state(control).colour = colour;
    }
}

void HeadlessWindow::setpointer(std::string_view control, ui::Pointer pointer) {
    if (alive_) {
        state(control).pointer = pointer;
    }
}

void HeadlessWindow::setrows(std::string_view control, std::vector<Row> rows) {
    if (!alive_) {
        return;
    }
    ControlState& list = state(control);
    list.rows = std::move(rows);
    list.selected = -1;
}

int HeadlessWindow::rowcount(std::string_view control) const {
    return alive_ ? static_cast<int>(state(control).rows.size()) : 0;
}

Text HeadlessWindow::cell(std::string_view control, int row, int column) const {
    if (!alive_ || row < 0 || column < 0) {
        return {};
    }
    const std::vector<Row>& rows = state(control).rows;
    if (row >= static_cast<int>(rows.size()) || column >= static_cast<int>(rows[row].size())) {
        return {};
    }
    return rows[row][column];
}

int HeadlessWindow::selectedrow(std::string_view control) const {
    return alive_ ? state(control).selected : -1;
}

void HeadlessWindow::setperiod(std::string_view control, int milliseconds) {
    if (alive_) {
        state(control).period = std::max(milliseconds, 0);
    }
}

std::optional<Text> HeadlessWindow::choosefile(std::string_view control) {
    if (!alive_) {
        return std::nullopt;
    }
    state(control); // the dialog must exist in the definition
    return kit_.nextfile();
}

void HeadlessWindow::repaint() {
    ++repaints_;
}

void HeadlessWindow::destroy() {
    if (!alive_) {
        return;
    }
    fire("", Event::destroying);
    drop();
}

void HeadlessWindow::drop() {
    if (!alive_) {
        return;
    }
    alive_ = false;
    kit_.retired_.push_back(std::move(handlers_));
    handlers_ = Handlers();
    for (ControlState& control : controls_) {
        control.period = 0;
        // A closed window keeps no list: a kit that lives long must not grow with each opening.
        std::vector<Row>().swap(control.rows);
    }
    kit_.log() << "window " << definition_.id << " closed\n";
}

ui::Rgb HeadlessWindow::colour(std::string_view control) const {
    return state(control).colour;
}

ui::Pointer HeadlessWindow::pointer(std::string_view control) const {
    return state(control).pointer;
}

const std::vector<Row>& HeadlessWindow::rows(std::string_view control) const {
    return state(control).rows;
}

int HeadlessWindow::period(std::string_view control) const {
    return state(control).period;
}

void HeadlessWindow::press(std::string_view control) {
    const ControlState& target =
        actionable(control, {ui::Kind::label, ui::Kind::picture, ui::Kind::button, ui::Kind::group,
                             ui::Kind::edit, ui::Kind::combo, ui::Kind::list});
    fire(target.definition->name, Event::pressed);
}

void HeadlessWindow::click(std::string_view control) {
    actionable(control, {ui::Kind::button});
    fire(control, Event::clicked);
}

void HeadlessWindow::choose(std::string_view control, const Text& item) {
    ControlState& combo = actionable(control, {ui::Kind::combo});
    const auto& items = combo.definition->items;
    const bool listed = std::any_of(items.begin(), items.end(),
                                    [&](std::string_view each) { return fromutf8(each) == item; });
    if (!listed) {
        throw ActionError(describe(definition_, control) + " has no item " + toutf8(item));
    }
    combo.text = item; // the field shows the picked item before the event is handled
    fire(control, Event::itemchosen);
}

void HeadlessWindow::type(std::string_view control, const Text& text) {
    ControlState& field = actionable(control, {ui::Kind::edit, ui::Kind::combo});
    field.text = text;
    if (field.definition->kind == ui::Kind::edit) {
        fire(control, Event::changed);
    }
}

void HeadlessWindow::select(std::string_view control, int row) {
    ControlState& list = actionable(control, {ui::Kind::list});
    if (row < -1 || row >= static_cast<int>(list.rows.size())) {
        throw ActionError(describe(definition_, control) + " has no row " + std::to_string(row));
    }
    list.selected = row;
    fire(control, Event::currentchanged);
}

void HeadlessWindow::tick(std::string_view control, int count) {
    if (!alive_) {
        throw ActionError("window " + std::string(definition_.id) + " is closed");
    }
    const ControlState& timer = state(control);
    if (timer.definition->kind != ui::Kind::timer) {
        throw ActionError(describe(definition_, control) + " is not a timer");
    }
    // The clock goes on while a modal window is open; a stopped timer simply does not tick.
    for (int i = 0; i < count && alive_ && state(control).period > 0; ++i) {
        fire(control, Event::tick);
    }
}

void HeadlessWindow::close() {
    if (!alive_) {
        throw ActionError("window " + std::string(definition_.id) + " is closed");
    }
    if (!enabled()) {
        throw ActionError("window " + std::string(definition_.id) +
                          " is disabled while another window is open");
    }
    destroy();
}

} // namespace vantrel
