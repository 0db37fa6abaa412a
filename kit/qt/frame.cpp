#include "kit/qt/frame.h"

#include <QCloseEvent>
#include <QKeyEvent>

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
}

// The kit destroys the window itself, after its about-to-be-destroyed event; a disabled
// window, under a modal one, cannot be closed.
void Frame::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (isEnabled() && onclose) {
        onclose();
    }
}

// Esc reaches the frame from whichever control has the focus, as none of them takes it. An
// open drop-down list is a window of its own: it takes its Esc and closes alone, as the
// system's own drop-down does, and the window stays.
void Frame::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && onclose) {
        onclose();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace vantrel::qt
