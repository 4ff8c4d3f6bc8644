#include "app/windows/prepare_dialog.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "prepare/prepare_document.h"

namespace korva::app {

namespace {

enum Column { kCheck, kLine, kBefore, kAfter, kReason, kColumnCount };

QTableWidgetItem* ReadOnlyItem(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
  return item;
}

// Before and after hold their lines joined with CR LF.
QString CellText(const std::string& cp932) {
  return FromCp932(cp932).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

PrepareDialog::PrepareDialog(const PrepareResult& result, QWidget* parent) : QDialog(parent) {
  setObjectName("PrepareDialog");
  setWindowTitle(QStringLiteral("会議録の下準備"));
  resize(1100, 680);

  summary_ = new QLabel(this);
  summary_->setObjectName("PrepareSummary");

  table_ = new QTableWidget(static_cast<int>(result.changes.size()), kColumnCount, this);
  table_->setObjectName("PrepareChangeTable");
  table_->setHorizontalHeaderLabels({QString(), QStringLiteral("行"), QStringLiteral("変更前"),
                                     QStringLiteral("変更後"), QStringLiteral("理由")});
  table_->verticalHeader()->hide();
  table_->setWordWrap(true);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  for (int row = 0; row < table_->rowCount(); ++row) {
    const PrepareChange& change = result.changes[static_cast<std::size_t>(row)];
    auto* check = new QTableWidgetItem;
    check->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    check->setCheckState(Qt::Checked);
    table_->setItem(row, kCheck, check);
    auto* line = ReadOnlyItem(QString::number(change.line));
    line->setTextAlignment(Qt::AlignRight | Qt::AlignTop);
    table_->setItem(row, kLine, line);
    table_->setItem(row, kBefore, ReadOnlyItem(CellText(change.before)));
    table_->setItem(row, kAfter, ReadOnlyItem(CellText(change.after)));
    table_->setItem(row, kReason, ReadOnlyItem(CellText(change.reason)));
  }
  QHeaderView* header = table_->horizontalHeader();
  header->setSectionResizeMode(kCheck, QHeaderView::ResizeToContents);
  header->setSectionResizeMode(kLine, QHeaderView::ResizeToContents);
  header->setSectionResizeMode(kBefore, QHeaderView::Stretch);
  header->setSectionResizeMode(kAfter, QHeaderView::Stretch);
  header->setSectionResizeMode(kReason, QHeaderView::Interactive);
  header->resizeSection(kReason, 300);
  table_->resizeRowsToContents();
  connect(table_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (item->column() == kCheck) ShowCount();
  });

  auto* report = new QPlainTextEdit(this);
  report->setObjectName("PrepareReport");
  report->setReadOnly(true);
  report->setMaximumHeight(130);
  QStringList reportLines;
  for (const std::string& line : PrepareReportLines(result.report)) {
    reportLines << FromCp932(line);
  }
  report->setPlainText(reportLines.join('\n'));

  auto* all = Button("PrepareSelectAll", QStringLiteral("すべて選択"), this);
  auto* none = Button("PrepareSelectNone", QStringLiteral("すべて解除"), this);
  connect(all, &QPushButton::clicked, this, [this] { CheckAll(true); });
  connect(none, &QPushButton::clicked, this, [this] { CheckAll(false); });
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* apply =
      buttons->addButton(QStringLiteral("選んだ変更を当てはめる"), QDialogButtonBox::AcceptRole);
  apply->setObjectName("PrepareApply");
  QPushButton* cancel =
      buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
  cancel->setObjectName("PrepareCancel");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* row = new QHBoxLayout;
  row->addWidget(all);
  row->addWidget(none);
  row->addStretch();
  row->addWidget(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(table_, 1);
  layout->addWidget(report);
  layout->addLayout(row);
  ShowCount();
}

std::vector<bool> PrepareDialog::Chosen() const {
  std::vector<bool> chosen;
  for (int row = 0; row < table_->rowCount(); ++row) {
    chosen.push_back(table_->item(row, kCheck)->checkState() == Qt::Checked);
  }
  return chosen;
}

void PrepareDialog::CheckAll(bool checked) {
  for (int row = 0; row < table_->rowCount(); ++row) {
    table_->item(row, kCheck)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
  }
}

void PrepareDialog::ShowCount() {
  const std::vector<bool> chosen = Chosen();
  const auto count = std::count(chosen.begin(), chosen.end(), true);
  summary_->setText(QStringLiteral("変更の提案 %1 件のうち、チェックした %2 件を当てはめます。")
                        .arg(chosen.size())
                        .arg(count));
}

}  // namespace korva::app
