// A picture box: its background colour with its picture centred, scaled down to fit but never
// enlarged, and an animated picture playing its frames in a loop.
#pragma once

#include "ui/definition.h"

#include <QBuffer>
#include <QByteArray>
#include <QPixmap>
#include <QWidget>

#include <functional>
#include <memory>
#include <span>

class QMovie;

namespace vantrel::qt {

class PictureBox : public QWidget {
  public:
    PictureBox(const ui::Control& control, QWidget* parent);
    ~PictureBox() override;

    std::function<void()> onpress;

    // The frame currently shown, at its natural size (null without a picture).
    QPixmap frame() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QByteArray bytes_;
    QPixmap still_;
    QPixmap scaled_; // the still picture at its shown size, made once
    QBuffer buffer_;
    std::unique_ptr<QMovie> movie_;
};

// The bytes of a picture of the definitions, carried inside the program.
std::span<const unsigned char> picturebytes(ui::Picture picture);

} // namespace vantrel::qt
