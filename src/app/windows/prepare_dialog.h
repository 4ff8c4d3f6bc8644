// The preparation's proposal as the clerk sees it: one row a change (line,
// before, after, reason) with a check box, all checked at first, and what
// the report says underneath. The window applies what is left checked.
#pragma once

#include <QDialog>
#include <vector>

#include "prepare/prepare.h"

class QLabel;
class QTableWidget;

namespace korva::app {

class PrepareDialog : public QDialog {
  Q_OBJECT

 public:
  PrepareDialog(const PrepareResult& result, QWidget* parent = nullptr);

  // One entry a change, in the order of the proposal.
  std::vector<bool> Chosen() const;
  void CheckAll(bool checked);

 private:
  void ShowCount();

  QTableWidget* table_;
  QLabel* summary_;
};

}  // namespace korva::app
