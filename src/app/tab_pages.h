// Page controls whose pages are found by name, some of them without a tab of
// their own: such a page shows its tab only while a command has brought it
// forward, and hides it again when another page is chosen.
#pragma once

#include <QString>
#include <QTabWidget>

namespace korva::app {

class PageControl : public QTabWidget {
  Q_OBJECT

 public:
  PageControl(const QString& name, QWidget* parent);

  // Adds a page named `name` (its objectName) and gives it back.
  QWidget* AddPage(const QString& name, const QString& caption, bool hidden = false);

  // Brings a page forward; a command doing so is no user's tab change.
  void ShowPage(QWidget* page);

 signals:
  // The user chose another page by its tab.
  void userChangedPage(const QString& name);

 private:
  void HideUnchosenPages();
  bool showingByCommand_ = false;
};

// The page (of any page control inside `root`) named `name`, if there is one.
bool ShowPageByName(QWidget* root, const QString& name);

}  // namespace korva::app
