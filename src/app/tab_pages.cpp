#include "app/tab_pages.h"

#include <QTabBar>

namespace korva::app {

namespace {
constexpr char kHiddenTab[] = "korvaHiddenTab";
}

PageControl::PageControl(const QString& name, QWidget* parent) : QTabWidget(parent) {
  setObjectName(name);
  // The captions are long; a smaller face keeps most tabs in sight.
  QFont captions = tabBar()->font();
  captions.setPointSizeF(captions.pointSizeF() * 0.85);
  tabBar()->setFont(captions);
  setUsesScrollButtons(true);
  connect(this, &QTabWidget::currentChanged, this, [this](int) {
    HideUnchosenPages();
    if (!showingByCommand_ && currentWidget()) emit userChangedPage(currentWidget()->objectName());
  });
}

QWidget* PageControl::AddPage(const QString& name, const QString& caption, bool hidden) {
  auto* page = new QWidget;
  page->setObjectName(name);
  page->setProperty(kHiddenTab, hidden);
  const int index = addTab(page, caption);
  setTabVisible(index, !hidden);
  return page;
}

void PageControl::ShowPage(QWidget* page) {
  const int index = indexOf(page);
  if (index < 0) return;
  showingByCommand_ = true;
  setTabVisible(index, true);
  setCurrentIndex(index);
  showingByCommand_ = false;
}

void PageControl::HideUnchosenPages() {
  for (int i = 0; i < count(); ++i) {
    if (i != currentIndex() && widget(i)->property(kHiddenTab).toBool()) setTabVisible(i, false);
  }
}

bool ShowPageByName(QWidget* root, const QString& name) {
  for (PageControl* control : root->findChildren<PageControl*>()) {
    for (int i = 0; i < control->count(); ++i) {
      if (control->widget(i)->objectName() == name) {
        control->ShowPage(control->widget(i));
        return true;
      }
    }
  }
  return false;
}

}  // namespace korva::app
