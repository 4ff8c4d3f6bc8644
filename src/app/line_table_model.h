// The line table as the grid shows it: a view straight onto the document's
// rows (nothing is copied), the Text cell coloured by the speaker category.
#pragma once

#include <QAbstractTableModel>

#include "analysis/line_table.h"

namespace korva::app {

class LineTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit LineTableModel(const LineTable& table, QObject* parent = nullptr)
      : QAbstractTableModel(parent), table_(table) {}

  // The table was rebuilt or cleared.
  void Reload();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Column widths of the grid, in pixels.
  static int ColumnWidth(int column);
  static constexpr int kColumnCount = 11;

 private:
  const LineTable& table_;
};

}  // namespace korva::app
