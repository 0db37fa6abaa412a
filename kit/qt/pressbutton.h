// A push button that also tells when the left mouse button goes down on it, before the
// release and never from the keyboard.
#pragma once

#include <QPushButton>

#include <functional>

namespace vantrel::qt {

class PressButton : public QPushButton {
  public:
    PressButton(const QString& caption, QWidget* parent);

    std::function<void()> onpress;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace vantrel::qt
