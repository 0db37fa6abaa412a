#include "kit/qt/labelbox.h"

#include "kit/qt/convert.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace vantrel::qt {

LabelBox::LabelBox(const ui::Control& control, QWidget* parent)
    : QWidget(parent), caption_(fromdefinition(control.text)), border_(control.border),
      align_(control.align), wordwrap_(control.wordwrap) {
    if (control.foreground) {
        foreground_ = colour(*control.foreground);
    }
    if (control.background) {
        background_ = colour(*control.background);
    }
    setFont(definitionfont(control.font));
}

void LabelBox::setcaption(const QString& caption) {
    caption_ = caption;
    update();
}

void LabelBox::setforeground(QColor colour) {
    foreground_ = colour;
    update();
}

void LabelBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The active colours always: a window disabled under a modal one keeps its look, as the
    // system's own labels do.
    const QPalette& colours = palette();
    // Without a colour of its own a label shows the dialog face, even on a white window.
    const QColor face = QApplication::palette(this).color(QPalette::Active, QPalette::Window);
    painter.fillRect(rect(), background_.value_or(face));

    QRect inside = rect();
    switch (border_) {
    case ui::Border::none:
        break;
    case ui::Border::raised:
        qDrawWinPanel(&painter, inside, colours, false);
        inside.adjust(2, 2, -2, -2);
        break;
    case ui::Border::sunken:
        qDrawWinPanel(&painter, inside, colours, true);
        inside.adjust(2, 2, -2, -2);
        break;
    case ui::Border::single:
        painter.setPen(colours.color(QPalette::Active, QPalette::Shadow));
        painter.drawRect(inside.adjusted(0, 0, -1, -1));
        inside.adjust(1, 1, -1, -1);
        break;
    }

    int flags = 0;
    if (wordwrap_) {
        flags = Qt::AlignTop | Qt::AlignLeft | Qt::TextWordWrap;
    } else {
        flags = Qt::AlignVCenter | Qt::TextSingleLine;
        flags |= align_ == ui::Align::centre  ? Qt::AlignHCenter
                 : align_ == ui::Align::right ? Qt::AlignRight
                                              : Qt::AlignLeft;
    }
    painter.setClipRect(inside);
    painter.setFont(font());
    painter.setPen(foreground_.value_or(colours.color(QPalette::Active, QPalette::WindowText)));
    // A caption wider than the label overflows on the side away from its alignment and is
    // cut there: a right-aligned path keeps its file name in view.
    painter.drawText(inside, flags, caption_);
}

void LabelBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onpress) {
        onpress();
    }
}

} // namespace vantrel::qt
