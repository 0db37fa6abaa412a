// The report list: a table view over the kit's rows with grid lines, whole-row single
// selection and headers that do nothing. It tells when the operator makes another row current,
// never when the program refills it.
#pragma once

#include "ui/definition.h"

#include <QTableView>

#include <functional>

namespace vantrel::qt {

class RowModel;

class ReportList : public QTableView {
  public:
    ReportList(const ui::Control& control, QWidget* parent);

    RowModel& rows() const { return *model_; }
    // The first selected row, or -1.
    int selectedrow() const;

    std::function<void()> oncurrentchanged;

  protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    int currentrow() const;
    // Runs one input event and raises the change when it moved the current row.
    template <typename Base> bool watch(QEvent* event, Base base);

    RowModel* model_;
};

} // namespace vantrel::qt
