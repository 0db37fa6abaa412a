// The editable drop-down combo box: a list the operator picks from and an edit field he may
// type into. Only a pick from the list counts as choosing an item.
#pragma once

#include "ui/definition.h"

#include <QComboBox>

#include <functional>

namespace vantrel::qt {

class TimeCombo : public QComboBox {
  public:
    TimeCombo(const ui::Control& control, QWidget* parent);

    std::function<void()> onitemchosen;

    void showPopup() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int dropheight_;
};

} // namespace vantrel::qt
