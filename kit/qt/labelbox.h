// A label of the definitions: its own background, one of three borders, aligned or wrapped
// text, and the left-button press that clickable labels act on.
#pragma once

#include "ui/definition.h"

#include <QColor>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

namespace vantrel::qt {

class LabelBox : public QWidget {
  public:
    LabelBox(const ui::Control& control, QWidget* parent);

    const QString& caption() const { return caption_; }
    void setcaption(const QString& caption);
    void setforeground(QColor colour);

    std::function<void()> onpress;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QString caption_;
    ui::Border border_;
    ui::Align align_;
    bool wordwrap_;
    std::optional<QColor> foreground_;
    std::optional<QColor> background_;
};

} // namespace vantrel::qt
