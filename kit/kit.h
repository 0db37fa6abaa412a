// The UI kit: windows made from their definitions, driven by handlers keyed by control name
// and event. Every kit (headless, Qt, Win32) gives the same semantics.
#pragma once

#include "text/text.h"
#include "ui/definition.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantrel {

enum class Event {
    created,        // the window: controls exist, not yet shown
    destroying,     // the window: about to be destroyed
    pressed,        // left button went down over the control (never from the keyboard)
    clicked,        // a button's completed click or keyboard activation
    itemchosen,     // a combo box's list item was picked; its text already shows it
    changed,        // an edit box's text changed, typed or written by the program
    currentchanged, // a list's current row changed by the operator (never by a fill)
    tick,           // a timer's period has passed
};

class Window;

using Handler = std::function<void(Window&)>;

// Handlers keyed by control name (empty for the window itself) and event.
class Handlers {
  public:
    Handlers& on(std::string_view control, Event event, Handler handler) {
        table_[{std::string(control), event}] = std::move(handler);
        return *this;
    }
    const Handler* find(std::string_view control, Event event) const {
        const auto found = table_.find({std::string(control), event});
        return found == table_.end() ? nullptr : &found->second;
    }

  private:
    std::map<std::pair<std::string, Event>, Handler> table_;
};

using Row = std::vector<Text>;

// A live window. Controls are named as in the window's definition. Calls on a window that has
// been destroyed do nothing and read empty values.
class Window {
  public:
    virtual ~Window() = default;
    virtual const ui::Window& definition() const = 0;
    virtual bool alive() const = 0;

    virtual Text title() const = 0;
    virtual void settitle(const Text& title) = 0;
    // A label's caption, an edit box's or combo box's text.
    virtual Text text(std::string_view control) const = 0;
    // Writing an edit box's text raises its changed event once, even with the same text.
    virtual void settext(std::string_view control, const Text& text) = 0;
    virtual void setcolour(std::string_view control, ui::Rgb colour) = 0;
    virtual void setpointer(std::string_view control, ui::Pointer pointer) = 0;

    // Replaces every row of a report list; no row is current afterwards and no event is raised.
    virtual void setrows(std::string_view control, std::vector<Row> rows) = 0;
    virtual int rowcount(std::string_view control) const = 0;
    virtual Text cell(std::string_view control, int row, int column) const = 0;
    // The first selected row, or -1.
    virtual int selectedrow(std::string_view control) const = 0;

    // 0 stops the timer; a positive period restarts it.
    virtual void setperiod(std::string_view control, int milliseconds) = 0;
    // Shows the open-file dialog; the chosen full path, or nothing when cancelled.
    virtual std::optional<Text> choosefile(std::string_view control) = 0;
    // Does the window's pending painting at once.
    virtual void repaint() = 0;
    // Raises destroying, then destroys the window.
    virtual void destroy() = 0;
};

enum class Buttons { ok, okcancel };
enum class Icon { none, information, stop };
enum class Answer { ok, cancel };

class Kit {
  public:
    virtual ~Kit() = default;
    // Creates the window, raises created, then shows it; returns at once.
    virtual void open(const ui::Window& definition, Handlers handlers) = 0;
    // The same, then blocks in a nested loop with every other window disabled, until the
    // window has been destroyed.
    virtual void openmodal(const ui::Window& definition, Handlers handlers) = 0;
    // Runs the loop until no window is left; gives the exit code.
    virtual int run() = 0;
    // Ends the program at once: every window goes without its destroying event, every loop
    // returns, and run() gives the code.
    virtual void quit(int code) = 0;
    // A message box without an owner, modal for the whole program.
    virtual Answer message(const Text& text, const Text& caption, Buttons buttons, Icon icon) = 0;
    // A fatal error: reported, then the process ends.
    [[noreturn]] virtual void fatal(const Text& text) = 0;
};

} // namespace vantrel
