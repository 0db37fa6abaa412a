#include "tests/qt/driver.h"

#include <QApplication>
#include <QTest>

namespace vantrel::qt::testing {

QWidget* frameof(const QtKit& kit, const ui::Window& definition) {
    const QtWindow* window = kit.find(definition);
    return window ? window->frame() : nullptr;
}

QWidget* controlof(const QtKit& kit, const ui::Window& definition, std::string_view name) {
    QWidget* frame = frameof(kit, definition);
    return frame ? frame->findChild<QWidget*>(
                       QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())))
                 : nullptr;
}

void whenmodal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        }
    });
    timer->start();
}

namespace {
QPoint place(QWidget* widget, QPoint at) {
    return at.isNull() ? widget->rect().center() : at;
}
} // namespace

void press(QWidget* widget, QPoint at) {
    QTest::mousePress(widget, Qt::LeftButton, {}, place(widget, at));
}

void release(QWidget* widget, QPoint at) {
    QTest::mouseRelease(widget, Qt::LeftButton, {}, place(widget, at));
}

void click(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, place(widget, at));
}

Steps::Steps() {
    poll_.setInterval(5);
    QObject::connect(&poll_, &QTimer::timeout, &poll_, [this] {
        if (steps_.empty() || !steps_.front().ready()) {
            return;
        }
        auto act = std::move(steps_.front().act);
        steps_.pop_front();
        QTimer::singleShot(0, &poll_, std::move(act));
    });
    poll_.start();
}

Steps& Steps::when(std::function<bool()> ready, std::function<void()> act) {
    steps_.push_back({std::move(ready), std::move(act)});
    return *this;
}

} // namespace vantrel::qt::testing
