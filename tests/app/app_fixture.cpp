#include "app_fixture.h"

#include <QAction>
#include <QLabel>

#include "app/window_ui.h"

namespace korva::testing {

std::string Window::Panel(int panel) const {
  return form->findChild<QLabel*>(app::StatusPanelName(panel))->text().toStdString();
}

void Window::Trigger(const char* name) const {
  QAction* action = form->findChild<QAction*>(name);
  QVERIFY2(action, name);
  QVERIFY2(action->isEnabled(), name);
  action->trigger();
}

}  // namespace korva::testing
