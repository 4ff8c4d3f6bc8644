#include "app/line_table_model.h"

#include <QBrush>
#include <QColor>
#include <array>

#include "analysis/minutes_grid.h"
#include "app/qt_text.h"

namespace korva::app {

namespace {

constexpr std::array<int, LineTableModel::kColumnCount> kWidths = {50, 150, 300, 40, 20, 40,
                                                                   20, 10,  60,  60, 20};

std::string_view Cell(const LineRow& row, int column) {
  switch (column) {
    case 0:
      return row.LineNo;
    case 1:
      return row.Designation;
    case 2:
      return row.Text;
    case 4:
      return row.LineKind;
    case 5:
      return row.SpeechNo;
    case 6:
      return row.CategoryCode;
    case 7:
      return row.BlockPos;
    case 8:
      return row.KindLabel;
    default:
      return {};
  }
}

}  // namespace

void LineTableModel::Reload() {
  beginResetModel();
  endResetModel();
}

int LineTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.RowCount());
}

int LineTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant LineTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const LineRow& row = table_.Row(static_cast<std::size_t>(index.row()) + 1);
  if (role == Qt::DisplayRole) return FromCp932(Cell(row, index.column()));
  if (role == Qt::BackgroundRole) {
    return QBrush(QColor::fromRgb(static_cast<QRgb>(GridCellColour(row, index.column()))));
  }
  if (role == Qt::ForegroundRole) return QBrush(Qt::black);
  return {};
}

QVariant LineTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  static const std::array<const char*, kColumnCount> kCaptions = {
      "行", "発言者・議題", "テキスト", "", "種別", "発言", "区分", "位置", "表示", "", ""};
  return QString::fromUtf8(kCaptions[static_cast<std::size_t>(section)]);
}

int LineTableModel::ColumnWidth(int column) {
  return kWidths[static_cast<std::size_t>(column)];
}

}  // namespace korva::app
