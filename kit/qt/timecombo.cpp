#include "kit/qt/timecombo.h"

#include "kit/qt/convert.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>

namespace vantrel::qt {

TimeCombo::TimeCombo(const ui::Control& control, QWidget* parent)
    : QComboBox(parent), dropheight_(control.dropheight) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // The system's combo box neither completes what is typed nor picks an item from it.
    setCompleter(nullptr);
    setFont(definitionfont(control.font));
    const int rowheight = fontMetrics().height() + 3;
    for (const std::string_view item : control.items) {
        addItem(fromdefinition(item));
        setItemData(count() - 1, QSize(0, rowheight), Qt::SizeHintRole);
    }
    setCurrentIndex(-1);
    setEditText(fromdefinition(control.text));
    lineEdit()->installEventFilter(this);

    QPalette colours = palette();
    colours.setColor(QPalette::Base, colour(control.background.value_or(ui::white)));
    colours.setColor(QPalette::Text, colour(control.foreground.value_or(ui::black)));
    setPalette(colours);

    connect(this, &QComboBox::activated, this, [this] {
        if (onitemchosen) {
            onitemchosen();
        }
    });
}

// Enter in the edit field would pick the item that matches the typed text; here it does not.
bool TimeCombo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            event->accept();
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

// Opened, the box and its list together are as high as the definition says; the list scrolls
// when its rows do not fit.
void TimeCombo::showPopup() {
    QComboBox::showPopup();
    if (dropheight_ <= height()) {
        return;
    }
    QWidget* popup = view()->window();
    const QPoint below = mapToGlobal(QPoint(0, height()));
    int top = below.y();
    const int listheight = dropheight_ - height();
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        if (top + listheight > area.bottom()) {
            top = mapToGlobal(QPoint(0, 0)).y() - listheight;
        }
    }
    popup->setGeometry(below.x(), top, std::max(width(), popup->width()), listheight);
}

} // namespace vantrel::qt
