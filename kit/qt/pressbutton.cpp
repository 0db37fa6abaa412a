#include "kit/qt/pressbutton.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>

namespace vantrel::qt {

PressButton::PressButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setAutoDefault(false);
    setDefault(false);
}

void PressButton::mousePressEvent(QMouseEvent* event) {
    QPushButton::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !onpress) {
        return;
    }
    QPointer<PressButton> alive(this);
    onpress();
    // A handler that opened a modal window took the release away: the button comes up again.
    if (alive && isDown() && !(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        setDown(false);
    }
}

} // namespace vantrel::qt
