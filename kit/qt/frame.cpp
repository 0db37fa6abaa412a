#include "kit/qt/frame.h"

#include <QCloseEvent>
#include <QKeyEvent>
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

namespace vantrel::qt {

// Esc that no control took, where the window is not the active one and so has no shortcuts.
void Frame::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && onclose) {
        onclose();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace vantrel::qt
