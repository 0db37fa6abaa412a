// A live window of the Qt kit: the frame and its controls made from a definition, the reads
// and writes the program makes by control name, and the events it raises.
#pragma once

#include "kit/kit.h"

#include <QPointer>
#include <QString>

#include <map>
#include <optional>
#include <string>

class QEventLoop;
class QTimer;
class QWidget;

namespace vantrel::qt {

class Frame;
class QtKit;

class QtWindow final : public Window {
  public:
    QtWindow(QtKit& kit, const ui::Window& definition, Handlers handlers);
    ~QtWindow() override;

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

    // Runs the handler of that control and event, if any, while the window lives.
    void raise(std::string_view control, Event event);
    // Centred on the screen, then shown with the first tab stop focused.
    void show();
    // Gone without the about-to-be-destroyed event (the program is quitting).
    void vanish();
    // Whether a handler of this window is running.
    bool busy() const { return depth_ > 0; }
    void setloop(QEventLoop* loop) { loop_ = loop; }
    QWidget* frame() const;

  private:
    struct Slot {
        const ui::Control* control = nullptr;
        QWidget* widget = nullptr;
        QTimer* timer = nullptr;
        // The last text the program wrote and how it was shown: reading back a text the
        // operator has not touched gives the program's bytes exactly.
        Text written;
        QString shown;
        std::optional<QString> lastfile; // the open-file dialog's last choice
    };

    void build();
    void buildcontrol(Slot& slot);
    void settaborder();
    Slot* find(std::string_view control);
    const Slot* find(std::string_view control) const;
    QString shown(const Slot& slot) const;

    QtKit& kit_;
    const ui::Window& definition_;
    Handlers handlers_;
    QPointer<Frame> frame_;
    std::map<std::string, Slot, std::less<>> slots_;
    Text title_;
    bool alive_ = true;
    int depth_ = 0;
    QEventLoop* loop_ = nullptr;
};

} // namespace vantrel::qt
