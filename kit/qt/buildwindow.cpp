// Making a window's frame and controls from its definition: places and sizes, stacking order,
// tab order, and each control's events wired to the window's handlers.
#include "kit/qt/convert.h"
#include "kit/qt/frame.h"
#include "kit/qt/labelbox.h"
#include "kit/qt/picturebox.h"
#include "kit/qt/pressbutton.h"
#include "kit/qt/qtwindow.h"
#include "kit/qt/reportlist.h"
#include "kit/qt/timecombo.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>

namespace vantrel::qt {

namespace {

QString editstyle(const ui::Control& control) {
    const ui::Rgb back = control.background.value_or(ui::white);
    const ui::Rgb fore = control.foreground.value_or(ui::black);
    QString style = QStringLiteral("QLineEdit { background-color: rgb(%1, %2, %3); color: rgb(%4, "
                                   "%5, %6);")
                        .arg(back.red)
                        .arg(back.green)
                        .arg(back.blue)
                        .arg(fore.red)
                        .arg(fore.green)
                        .arg(fore.blue);
    if (control.border == ui::Border::single) {
        style += QStringLiteral(" border: 1px solid rgb(100, 100, 100); padding: 0 1px;");
    }
    return style + QStringLiteral(" }");
}

} // namespace

void QtWindow::build() {
    frame_ = new Frame(definition_.minimizebox);
    frame_->setObjectName(fromdefinition(definition_.id));
    frame_->setWindowTitle(fromdefinition(definition_.title));
    title_ = fromutf8(definition_.title);
    frame_->setFixedSize(definition_.width - ui::framewidth, definition_.height - ui::frameheight);
    if (definition_.background) {
        QPalette colours = frame_->palette();
        colours.setColor(QPalette::Window, colour(*definition_.background));
        frame_->setPalette(colours);
    }
    frame_->onclose = [this] {
        if (alive_) {
            destroy();
        }
    };

    for (const ui::Control& control : definition_.controls) {
        Slot& slot = slots_[std::string(control.name)];
        slot.control = &control;
        slot.written = fromutf8(control.text);
        slot.shown = fromdefinition(control.text);
    }
    // Group boxes first: the controls they hold are listed before them.
    for (auto pass : {true, false}) {
        for (const ui::Control& control : definition_.controls) {
            if ((control.kind == ui::Kind::group) == pass) {
                buildcontrol(*find(control.name));
            }
        }
    }
    // The first listed lies on top: raising from the last listed to the first leaves it so.
    for (auto control = definition_.controls.rbegin(); control != definition_.controls.rend();
         ++control) {
        if (QWidget* widget = find(control->name)->widget) {
            widget->raise();
        }
    }
    settaborder();
    // Timers run from the moment the controls exist, before the window's created event.
    for (auto& [name, slot] : slots_) {
        if (slot.timer && slot.control->period > 0) {
            slot.timer->start(slot.control->period);
        }
    }
}

void QtWindow::buildcontrol(Slot& slot) {
    const ui::Control& control = *slot.control;
    QWidget* parent = frame_;
    if (!control.parent.empty()) {
        if (const Slot* holder = find(control.parent); holder && holder->widget) {
            parent = holder->widget;
        }
    }
    const std::string_view name = control.name;
    QWidget* widget = nullptr;
    switch (control.kind) {
    case ui::Kind::label: {
        auto* label = new LabelBox(control, parent);
        label->onpress = [this, name] { raise(name, Event::pressed); };
        widget = label;
        break;
    }
    case ui::Kind::picture: {
        auto* picture = new PictureBox(control, parent);
        picture->onpress = [this, name] { raise(name, Event::pressed); };
        widget = picture;
        break;
    }
    case ui::Kind::group: {
        auto* group = new QGroupBox(fromdefinition(control.text), parent);
        group->setFont(definitionfont(control.font));
        widget = group;
        break;
    }
    case ui::Kind::button: {
        auto* button = new PressButton(fromdefinition(control.text), parent);
        button->setFont(definitionfont(control.font));
        button->onpress = [this, name] { raise(name, Event::pressed); };
        QObject::connect(button, &QPushButton::clicked, button,
                         [this, name] { raise(name, Event::clicked); });
        widget = button;
        break;
    }
    case ui::Kind::edit: {
        auto* edit = new QLineEdit(fromdefinition(control.text), parent);
        edit->setFont(definitionfont(control.font));
        edit->setStyleSheet(editstyle(control));
        edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        QObject::connect(edit, &QLineEdit::textEdited, edit,
                         [this, name] { raise(name, Event::changed); });
        widget = edit;
        break;
    }
    case ui::Kind::combo: {
        auto* combo = new TimeCombo(control, parent);
        combo->onitemchosen = [this, name] { raise(name, Event::itemchosen); };
        widget = combo;
        break;
    }
    case ui::Kind::list: {
        auto* list = new ReportList(control, parent);
        list->oncurrentchanged = [this, name] { raise(name, Event::currentchanged); };
        widget = list;
        break;
    }
    case ui::Kind::timer:
        slot.timer = new QTimer(frame_);
        QObject::connect(slot.timer, &QTimer::timeout, frame_,
                         [this, name] { raise(name, Event::tick); });
        return;
    case ui::Kind::filedialog:
    case ui::Kind::store:
        return;
    }
    widget->setObjectName(fromdefinition(name));
    widget->setGeometry(control.x, control.y, control.width, control.height);
    widget->setFocusPolicy(Qt::NoFocus);
    if (control.pointer == ui::Pointer::hand) {
        widget->setCursor(Qt::PointingHandCursor);
    }
    slot.widget = widget;
}

void QtWindow::settaborder() {
    const std::vector<const ui::Control*> order = ui::taborder(definition_);
    for (auto& [name, slot] : slots_) {
        // An edit box off the tab order still takes the focus from a click.
        if (slot.widget && slot.control->kind == ui::Kind::edit) {
            slot.widget->setFocusPolicy(Qt::ClickFocus);
        }
    }
    QWidget* previous = nullptr;
    for (const ui::Control* control : order) {
        QWidget* widget = find(control->name)->widget;
        if (!widget) {
            continue;
        }
        widget->setFocusPolicy(Qt::StrongFocus);
        if (previous) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void QtWindow::show() {
    if (!alive_) {
        return;
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        frame_->move(area.x() + (area.width() - definition_.width) / 2,
                     area.y() + (area.height() - definition_.height) / 2);
    }
    const std::vector<const ui::Control*> order = ui::taborder(definition_);
    if (!order.empty()) {
        if (QWidget* first = find(order.front()->name)->widget) {
            first->setFocus(Qt::OtherFocusReason);
        }
    }
    frame_->show();
    frame_->activateWindow();
}

} // namespace vantrel::qt
