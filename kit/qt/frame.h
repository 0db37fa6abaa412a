// A window's frame: fixed size, the title bar's boxes the definition asks for, and the close
// box and Esc both handed to the kit, which decides what closing means.
#pragma once

#include <QWidget>

#include <functional>

namespace vantrel::qt {

class Frame : public QWidget {
  public:
    Frame(bool minimizebox);

    std::function<void()> onclose;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace vantrel::qt
