// The UI kit on Qt 6 Widgets. Needs a QApplication made before it; sets the program's default
// font and icon on it.
#pragma once

#include "kit/kit.h"

#include <memory>
#include <vector>

class QEventLoop;

namespace vantrel::qt {

class QtWindow;

class QtKit final : public Kit {
  public:
    QtKit();
    ~QtKit() override;

    void open(const ui::Window& definition, Handlers handlers) override;
    void openmodal(const ui::Window& definition, Handlers handlers) override;
    int run() override;
    void quit(int code) override;
    Answer message(const Text& text, const Text& caption, Buttons buttons, Icon icon) override;
    [[noreturn]] void fatal(const Text& text) override;

    bool quitting() const { return quitting_; }
    // Called by a window as it goes.
    void gone(QtWindow& window);
    // The live window made from that definition, if any (for tests and tools).
    QtWindow* find(const ui::Window& definition) const;

  private:
    QtWindow* create(const ui::Window& definition, Handlers handlers);
    bool anyalive() const;

    std::vector<std::unique_ptr<QtWindow>> windows_;
    QEventLoop* runloop_ = nullptr;
    bool quitting_ = false;
    int code_ = 0;
};

} // namespace vantrel::qt
