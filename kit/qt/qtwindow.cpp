#include "kit/qt/qtwindow.h"

#include "kit/qt/convert.h"
#include "kit/qt/frame.h"
#include "kit/qt/labelbox.h"
#include "kit/qt/qtkit.h"
#include "kit/qt/reportlist.h"
#include "kit/qt/rowmodel.h"

#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace vantrel::qt {

namespace {

// "display text|pattern|..." becomes Qt's "display text (pattern)" entries.
QStringList qtfilters(std::string_view filter) {
    const QStringList parts = fromdefinition(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype at = 0; at + 1 < parts.size(); at += 2) {
        filters << parts[at] + QStringLiteral(" (") + parts[at + 1] + QLatin1Char(')');
    }
    return filters;
}

} // namespace

QtWindow::QtWindow(QtKit& kit, const ui::Window& definition, Handlers handlers)
    : kit_(kit), definition_(definition), handlers_(std::move(handlers)) {
    build();
}

QtWindow::~QtWindow() {
    if (frame_) {
        delete frame_;
    }
}

QWidget* QtWindow::frame() const {
    return frame_;
}

QtWindow::Slot* QtWindow::find(std::string_view control) {
    const auto found = slots_.find(control);
    return found == slots_.end() ? nullptr : &found->second;
}

const QtWindow::Slot* QtWindow::find(std::string_view control) const {
    const auto found = slots_.find(control);
    return found == slots_.end() ? nullptr : &found->second;
}

void QtWindow::raise(std::string_view control, Event event) {
    if (!alive_ || kit_.quitting()) {
        return;
    }
    const Handler* handler = handlers_.find(control, event);
    if (!handler) {
        return;
    }
    ++depth_;
    (*handler)(*this);
    --depth_;
}

Text QtWindow::title() const {
    return alive_ ? title_ : Text();
}

void QtWindow::settitle(const Text& title) {
    if (!alive_) {
        return;
    }
    title_ = title;
    frame_->setWindowTitle(fromtext(title));
}

QString QtWindow::shown(const Slot& slot) const {
    switch (slot.control->kind) {
    case ui::Kind::label:
        return static_cast<const LabelBox*>(slot.widget)->caption();
    case ui::Kind::edit:
        return static_cast<const QLineEdit*>(slot.widget)->text();
    case ui::Kind::combo:
        return static_cast<const QComboBox*>(slot.widget)->currentText();
    case ui::Kind::button:
        return static_cast<const QPushButton*>(slot.widget)->text();
    case ui::Kind::group:
        return static_cast<const QGroupBox*>(slot.widget)->title();
    default:
        return {};
    }
}

Text QtWindow::text(std::string_view control) const {
    const Slot* slot = find(control);
    if (!alive_ || !slot || !slot->widget) {
        return {};
    }
    const QString now = shown(*slot);
    return now == slot->shown ? slot->written : totext(now);
}

void QtWindow::settext(std::string_view control, const Text& text) {
    Slot* slot = find(control);
    if (!alive_ || !slot || !slot->widget) {
        return;
    }
    const QString display = fromtext(text);
    slot->written = text;
    slot->shown = display;
    switch (slot->control->kind) {
    case ui::Kind::label:
        static_cast<LabelBox*>(slot->widget)->setcaption(display);
        break;
    case ui::Kind::edit:
        static_cast<QLineEdit*>(slot->widget)->setText(display);
        // Every write counts as a change, the same text included, and is handled before the
        // writing handler goes on.
        raise(control, Event::changed);
        break;
    case ui::Kind::combo:
        static_cast<QComboBox*>(slot->widget)->setEditText(display);
        break;
    case ui::Kind::button:
        static_cast<QPushButton*>(slot->widget)->setText(display);
        break;
    case ui::Kind::group:
        static_cast<QGroupBox*>(slot->widget)->setTitle(display);
        break;
    default:
        break;
    }
}

void QtWindow::setcolour(std::string_view control, ui::Rgb rgb) {
    Slot* slot = find(control);
    if (!alive_ || !slot || slot->control->kind != ui::Kind::label) {
        return;
    }
    static_cast<LabelBox*>(slot->widget)->setforeground(colour(rgb));
}

void QtWindow::setpointer(std::string_view control, ui::Pointer pointer) {
    Slot* slot = find(control);
    if (!alive_ || !slot || !slot->widget) {
        return;
    }
    if (pointer == ui::Pointer::hand) {
        slot->widget->setCursor(Qt::PointingHandCursor);
    } else {
        slot->widget->unsetCursor();
    }
}

void QtWindow::setrows(std::string_view control, std::vector<Row> rows) {
    Slot* slot = find(control);
    if (!alive_ || !slot || slot->control->kind != ui::Kind::list) {
        return;
    }
    static_cast<ReportList*>(slot->widget)->rows().setrows(std::move(rows));
}

int QtWindow::rowcount(std::string_view control) const {
    const Slot* slot = find(control);
    if (!alive_ || !slot || slot->control->kind != ui::Kind::list) {
        return 0;
    }
    return static_cast<int>(static_cast<const ReportList*>(slot->widget)->rows().rows().size());
}

Text QtWindow::cell(std::string_view control, int row, int column) const {
    const Slot* slot = find(control);
    if (!alive_ || !slot || slot->control->kind != ui::Kind::list || row < 0 || column < 0) {
        return {};
    }
    const auto& rows = static_cast<const ReportList*>(slot->widget)->rows().rows();
    if (static_cast<std::size_t>(row) >= rows.size()) {
        return {};
    }
    const Row& cells = rows[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)]
                                                           : Text();
}

int QtWindow::selectedrow(std::string_view control) const {
    const Slot* slot = find(control);
    if (!alive_ || !slot || slot->control->kind != ui::Kind::list) {
        return -1;
    }
    return static_cast<const ReportList*>(slot->widget)->selectedrow();
}

void QtWindow::setperiod(std::string_view control, int milliseconds) {
    Slot* slot = find(control);
    if (!alive_ || !slot || !slot->timer) {
        return;
    }
    if (milliseconds > 0) {
        slot->timer->start(milliseconds);
    } else {
        slot->timer->stop();
    }
}

std::optional<Text> QtWindow::choosefile(std::string_view control) {
    Slot* slot = find(control);
    if (!alive_ || !slot || !slot->control->dialog || kit_.quitting()) {
        return std::nullopt;
    }
    const ui::FileDialog& settings = *slot->control->dialog;
    QFileDialog dialog(frame_);
    // Qt's own dialog on every desktop, so the options below hold everywhere.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(settings.mustexist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    // The filter's own display text, without Qt's pattern repeated after it.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(qtfilters(settings.filter));
    if (slot->lastfile) {
        dialog.selectFile(*slot->lastfile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString chosen = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    if (alive_) {
        slot->lastfile = chosen;
    }
    return totext(chosen);
}

void QtWindow::repaint() {
    if (alive_) {
        frame_->repaint();
    }
}

void QtWindow::destroy() {
    if (!alive_) {
        return;
    }
    raise("", Event::destroying);
    vanish();
}

void QtWindow::vanish() {
    if (!alive_) {
        return;
    }
    alive_ = false;
    for (auto& [name, slot] : slots_) {
        if (slot.timer) {
            slot.timer->stop();
        }
    }
    frame_->hide();
    // Its widgets may be inside their own event handlers right now.
    frame_->deleteLater();
    if (loop_) {
        loop_->exit();
        loop_ = nullptr;
    }
    kit_.gone(*this);
}

} // namespace vantrel::qt
