#include "kit/headless/headlesskit.h"

namespace vantrel {

namespace {

const char* buttonsname(Buttons buttons) {
    return buttons == Buttons::ok ? "OK" : "OKCancel";
}

const char* iconname(Icon icon) {
    switch (icon) {
    case Icon::information:
        return "information";
    case Icon::stop:
        return "stop";
    case Icon::none:
        break;
    }
    return "none";
}

} // namespace

HeadlessKit::HeadlessKit(std::ostream& log) : log_(log) {}

HeadlessWindow& HeadlessKit::create(const ui::Window& definition, Handlers handlers) {
    windows_.push_back(std::make_unique<HeadlessWindow>(*this, definition, std::move(handlers)));
    HeadlessWindow& window = *windows_.back();
    window.fire("", Event::created);
    if (window.alive() && !quitting_) {
        log_ << "window " << definition.id << " opened\n";
    }
    return window;
}

void HeadlessKit::open(const ui::Window& definition, Handlers handlers) {
    create(definition, std::move(handlers));
}

void HeadlessKit::openmodal(const ui::Window& definition, Handlers handlers) {
    // Every window that exists now is disabled until the new one is gone.
    std::vector<HeadlessWindow*> others;
    for (const auto& window : windows_) {
        if (window->alive()) {
            others.push_back(window.get());
            ++window->disabled_;
        }
    }
    const HeadlessWindow& window = create(definition, std::move(handlers));
    loop(&window);
    for (HeadlessWindow* other : others) {
        --other->disabled_;
    }
}

void HeadlessKit::loop(const HeadlessWindow* until) {
    while (!quitting_ && (until ? until->alive() : topmost() != nullptr)) {
        if (!until) {
            // Only the outermost loop runs no handler, so what a closed window owned (its
            // word store connection) goes here.
            retired_.clear();
        }
        if (!driver_ || !driver_()) {
            if (HeadlessWindow* last = topmost()) {
                last->destroy();
            }
        }
    }
}

int HeadlessKit::run() {
    loop(nullptr);
    retired_.clear();
    return exitcode_;
}

void HeadlessKit::quit(int code) {
    if (quitting_) {
        return;
    }
    quitting_ = true;
    exitcode_ = code;
    for (auto window = windows_.rbegin(); window != windows_.rend(); ++window) {
        (*window)->drop();
    }
}

Answer HeadlessKit::message(const Text& text, const Text& caption, Buttons buttons, Icon icon) {
    Answer answer = Answer::ok;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    if (buttons == Buttons::ok) {
        answer = Answer::ok;
    }
    if (whilemessage_) {
        whilemessage_();
    }
    log_ << "messagebox " << quoted(text) << ' ' << quoted(caption) << ' ' << buttonsname(buttons)
         << ' ' << iconname(icon) << " -> " << (answer == Answer::ok ? "OK" : "Cancel") << '\n';
    return answer;
}

void HeadlessKit::fatal(const Text& text) {
    log_ << "fatal " << quoted(text) << '\n';
    quit(1);
    throw ProgramEnded{1};
}

HeadlessWindow* HeadlessKit::find(std::string_view id) {
    for (auto window = windows_.rbegin(); window != windows_.rend(); ++window) {
        if ((*window)->alive() && (*window)->definition().id == id) {
            return window->get();
        }
    }
    return nullptr;
}

HeadlessWindow* HeadlessKit::topmost() {
    for (auto window = windows_.rbegin(); window != windows_.rend(); ++window) {
        if ((*window)->alive()) {
            return window->get();
        }
    }
    return nullptr;
}

std::optional<Text> HeadlessKit::nextfile() {
    if (files_.empty()) {
        return std::nullopt;
    }
    std::optional<Text> answer = std::move(files_.front());
    files_.pop_front();
    return answer;
}

} // namespace vantrel
