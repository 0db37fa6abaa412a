#include "kit/qt/qtkit.h"

#include "assets/assets.h"
#include "kit/qt/convert.h"
#include "kit/qt/qtwindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace vantrel::qt {

QtKit::QtKit() {
    // The kit decides when the program ends: when no window is left, or at quit().
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(defaultguifont());
    const auto icon = assets::icon();
    QPixmap picture;
    if (picture.loadFromData(icon.data(), static_cast<uint>(icon.size()), "ICO")) {
        QApplication::setWindowIcon(QIcon(picture));
    }
}

QtKit::~QtKit() = default;

bool QtKit::anyalive() const {
    return std::any_of(windows_.begin(), windows_.end(),
                       [](const auto& window) { return window->alive(); });
}

QtWindow* QtKit::find(const ui::Window& definition) const {
    for (const auto& window : windows_) {
        if (window->alive() && &window->definition() == &definition) {
            return window.get();
        }
    }
    return nullptr;
}

QtWindow* QtKit::create(const ui::Window& definition, Handlers handlers) {
    if (quitting_) {
        return nullptr;
    }
    // Windows that are gone and whose handlers have all returned are no longer reachable.
    std::erase_if(windows_, [](const auto& window) { return !window->alive() && !window->busy(); });
    windows_.push_back(std::make_unique<QtWindow>(*this, definition, std::move(handlers)));
    QtWindow* window = windows_.back().get();
    window->raise("", Event::created);
    window->show();
    return window;
}

void QtKit::open(const ui::Window& definition, Handlers handlers) {
    create(definition, std::move(handlers));
}

void QtKit::openmodal(const ui::Window& definition, Handlers handlers) {
    if (quitting_) {
        return;
    }
    std::vector<QPointer<QWidget>> disabled;
    for (const auto& window : windows_) {
        if (window->alive() && window->frame()->isEnabled()) {
            window->frame()->setEnabled(false);
            disabled.emplace_back(window->frame());
        }
    }
    QtWindow* window = create(definition, std::move(handlers));
    if (window && window->alive()) {
        QEventLoop loop;
        window->setloop(&loop);
        loop.exec();
    }
    for (const QPointer<QWidget>& frame : disabled) {
        if (frame) {
            frame->setEnabled(true);
        }
    }
    // The window under the modal one takes its place in front again.
    if (!disabled.empty() && disabled.back() && disabled.back()->isVisible()) {
        disabled.back()->activateWindow();
    }
}

int QtKit::run() {
    if (!quitting_ && anyalive()) {
        QEventLoop loop;
        runloop_ = &loop;
        loop.exec();
        runloop_ = nullptr;
    }
    return code_;
}

void QtKit::gone(QtWindow&) {
    if (runloop_ && !anyalive()) {
        runloop_->exit();
    }
}

void QtKit::quit(int code) {
    if (quitting_) {
        return;
    }
    quitting_ = true;
    code_ = code;
    // Each window leaves its own modal loop as it goes; the last one ends run().
    for (const auto& window : windows_) {
        window->vanish();
    }
    if (runloop_) {
        runloop_->exit();
    }
}

Answer QtKit::message(const Text& text, const Text& caption, Buttons buttons, Icon icon) {
    if (quitting_) {
        return Answer::cancel;
    }
    const QMessageBox::Icon shown = icon == Icon::information ? QMessageBox::Information
                                    : icon == Icon::stop      ? QMessageBox::Critical
                                                              : QMessageBox::NoIcon;
    const QMessageBox::StandardButtons choices =
        buttons == Buttons::ok ? QMessageBox::Ok : QMessageBox::Ok | QMessageBox::Cancel;
    // No owner: the box is modal for the whole program and centred on the screen.
    QMessageBox box(shown, fromtext(caption), fromtext(text), choices);
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    if (buttons == Buttons::okcancel) {
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
        box.setEscapeButton(QMessageBox::Cancel);
    }
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Ok) ? Answer::ok : Answer::cancel;
}

void QtKit::fatal(const Text& text) {
    const std::string shown = toutf8(text);
    std::fprintf(stderr, "vantrel: %s\n", shown.c_str());
    std::fflush(stderr);
    if (!quitting_) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Vantrel"), fromtext(text),
                        QMessageBox::Ok);
        box.setWindowModality(Qt::ApplicationModal);
        box.setTextFormat(Qt::PlainText);
        box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
        box.exec();
    }
    std::exit(1);
}

} // namespace vantrel::qt
