// Tkeylist, "キー一覧": the keys the program answers to, those of its menu
// items included.
#pragma once

#include <QWidget>

class QTreeWidget;

namespace korva::app {

class Tkeylist : public QWidget {
  Q_OBJECT

 public:
  // `program`: the window whose menu items' shortcuts are listed.
  Tkeylist(QWidget* program, QWidget* owner);

  // Fills the list anew (shortcuts may have changed since).
  void Refresh();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* program_;
  QTreeWidget* list_;
};

}  // namespace korva::app
