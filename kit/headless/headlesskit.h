// The headless kit: windows held in memory, driven by a test or a script. Its loops take the
// next operator action from the driver, so the program runs here exactly as on a screen.
#pragma once

#include "kit/kit.h"

#include <deque>
#include <functional>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace vantrel {

// An operator action that cannot be carried out (unknown window or control, a disabled
// window, the wrong kind of control).
class ActionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Thrown by fatal(): the program ends at once, past every loop and handler.
struct ProgramEnded {
    int code;
};

class HeadlessKit;

class HeadlessWindow : public Window {
  public:
    HeadlessWindow(HeadlessKit& kit, const ui::Window& definition, Handlers handlers);

    const ui::Window& definition() const override { return definition_; }
    bool alive() const override { return alive_; }
    Text title() const override;
    void settitle(const Text& title) override;
    Text text(std::string_view control) const override;
    void settext(std::string_view control, const Text& text) override;
    void setcolour(std::string_view control, ui::Rgb colour) override;
    void setpointer(std::string_view control, ui::Pointer pointer) override;
    void setrows(std::string_view control, std::vector<Row> rows) override;
    int rowcount(std::string_view control) const override;
    Text cell(std::string_view control, int row, int column) const override;
    int selectedrow(std::string_view control) const override;
    void setperiod(std::string_view control, int milliseconds) override;
    std::optional<Text> choosefile(std::string_view control) override;
    void repaint() override;
    void destroy() override;

    // What a person sees.
    ui::Rgb colour(std::string_view control) const;
    ui::Pointer pointer(std::string_view control) const;
    const std::vector<Row>& rows(std::string_view control) const;
    int period(std::string_view control) const;
    bool enabled() const { return disabled_ == 0; }
    int repaints() const { return repaints_; }

    // Operator actions; each throws ActionError when a person could not do it.
    void press(std::string_view control);
    void click(std::string_view control);
    void choose(std::string_view control, const Text& item);
    void type(std::string_view control, const Text& text);
    void select(std::string_view control, int row);
    void tick(std::string_view control, int count);
    void close();

  private:
    friend class HeadlessKit;
    struct ControlState {
        const ui::Control* definition = nullptr;
        Text text;
        ui::Rgb colour;
        ui::Pointer pointer = ui::Pointer::standard;
        std::vector<Row> rows;
        int selected = -1;
        int period = 0;
    };

    const ControlState& state(std::string_view control) const;
    ControlState& state(std::string_view control);
    ControlState& actionable(std::string_view control, std::initializer_list<ui::Kind> kinds);
    void fire(std::string_view control, Event event);
    void drop(); // gone without the destroying event

    HeadlessKit& kit_;
    const ui::Window& definition_;
    Handlers handlers_;
    Text title_;
    std::vector<ControlState> controls_;
    bool alive_ = true;
    int disabled_ = 0;
    int repaints_ = 0;
};

class HeadlessKit : public Kit {
  public:
    // The driver carries out the next operator action and answers false when there is none;
    // then the kit closes the topmost window, as a person ending the program would.
    using Driver = std::function<bool()>;

    explicit HeadlessKit(std::ostream& log);
    void setdriver(Driver driver) { driver_ = std::move(driver); }

    void open(const ui::Window& definition, Handlers handlers) override;
    void openmodal(const ui::Window& definition, Handlers handlers) override;
    int run() override;
    void quit(int code) override;
    Answer message(const Text& text, const Text& caption, Buttons buttons, Icon icon) override;
    [[noreturn]] void fatal(const Text& text) override;

    // The newest live window of that id (main, library, game, results), or null.
    HeadlessWindow* find(std::string_view id);
    void queueanswer(Answer answer) { answers_.push_back(answer); }
    // The next open-file dialog's answer: a full path, or nothing for Cancel.
    void queuefile(std::optional<Text> path) { files_.push_back(std::move(path)); }
    // Runs while each message box is open, to look at the program behind it.
    void whilemessage(std::function<void()> look) { whilemessage_ = std::move(look); }
    bool quitting() const { return quitting_; }
    std::ostream& log() { return log_; }

  private:
    friend class HeadlessWindow;
    HeadlessWindow& create(const ui::Window& definition, Handlers handlers);
    // Runs the driver until the window is gone or the program ends.
    void loop(const HeadlessWindow* until);
    HeadlessWindow* topmost();
    std::optional<Text> nextfile();

    std::ostream& log_;
    Driver driver_;
    std::vector<std::unique_ptr<HeadlessWindow>> windows_;
    std::deque<Answer> answers_;
    std::deque<std::optional<Text>> files_;
    // Handlers of destroyed windows, released once no handler can be running any more.
    std::vector<Handlers> retired_;
    std::function<void()> whilemessage_;
    bool quitting_ = false;
    int exitcode_ = 0;
};

// A text as the transcripts print it: UTF-8 in double quotes, '"' and '\' escaped, CR, LF and
// TAB as \r, \n, \t, bytes that are not GBK as \xHH.
std::string quoted(const Text& text);

} // namespace vantrel
