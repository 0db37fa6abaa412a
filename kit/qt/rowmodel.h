// The rows of a report list, held by the kit: a fill replaces them in one reset, and only the
// cells on screen are ever converted for display.
#pragma once

#include "kit/kit.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

namespace vantrel::qt {

class RowModel : public QAbstractTableModel {
  public:
    RowModel(QStringList titles, QObject* parent);

    void setrows(std::vector<Row> rows);
    const std::vector<Row>& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    QStringList titles_;
    std::vector<Row> rows_;
};

} // namespace vantrel::qt
