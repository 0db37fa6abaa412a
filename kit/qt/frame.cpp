#include "kit/qt/frame.h"

#include <QCloseEvent>
#include <QShortcut>

namespace vantrel::qt {

Frame::Frame(bool minimizebox) : QWidget(nullptr) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                            Qt::MSWindowsFixedSizeDialogHint;
    if (minimizebox) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    setWindowFlags(flags);
    setAutoFillBackground(true);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, [this] {
        if (onclose) {
            onclose();
        }
    });
}

// The kit destroys the window itself, after its about-to-be-destroyed event; a disabled
// window, under a modal one, cannot be closed.
void Frame::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (isEnabled() && onclose) {
        onclose();
    }
}

} // namespace vantrel::qt
