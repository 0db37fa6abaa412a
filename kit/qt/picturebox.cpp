#include "kit/qt/picturebox.h"

#include "assets/assets.h"
#include "ui/picturefit.h"

#include <QMouseEvent>
#include <QMovie>
#include <QPainter>

namespace vantrel::qt {

std::span<const unsigned char> picturebytes(ui::Picture picture) {
    switch (picture) {
    case ui::Picture::banner:
        return assets::banner();
    case ui::Picture::titleart:
        return assets::titleart();
    case ui::Picture::house:
        return assets::house();
    case ui::Picture::photo:
        return assets::photo();
    case ui::Picture::none:
        break;
    }
    return {};
}

PictureBox::PictureBox(const ui::Control& control, QWidget* parent) : QWidget(parent) {
    const auto bytes = picturebytes(control.picture);
    if (bytes.empty()) {
        return;
    }
    // The bytes live as long as the program: no copy.
    bytes_ = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                     static_cast<qsizetype>(bytes.size()));
    if (control.animate) {
        buffer_.setData(bytes_);
        buffer_.open(QIODevice::ReadOnly);
        movie_ = std::make_unique<QMovie>(&buffer_);
        movie_->setCacheMode(QMovie::CacheAll);
        connect(movie_.get(), &QMovie::frameChanged, this, [this] { update(); });
        movie_->start();
    } else {
        still_.loadFromData(bytes_);
    }
}

PictureBox::~PictureBox() = default;

QPixmap PictureBox::frame() const {
    return movie_ ? movie_->currentPixmap() : still_;
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Active, QPalette::Window));
    const QPixmap picture = frame();
    if (picture.isNull()) {
        return;
    }
    const ui::PictureSize box{width(), height()};
    const ui::PictureSize shown = ui::fitpicture(box, {picture.width(), picture.height()});
    const ui::PictureSize place = ui::centreoffset(box, shown);
    const QRect target(place.width, place.height, shown.width, shown.height);
    if (movie_ || target.size() == picture.size()) {
        painter.drawPixmap(target, picture);
        return;
    }
    if (scaled_.size() != target.size()) {
        scaled_ = picture.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    painter.drawPixmap(target, scaled_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onpress) {
        onpress();
    }
}

} // namespace vantrel::qt
