#include "app_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "app/window_ui.h"
#include "settings/ini_file.h"

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

std::string Window::Text(const char* name) const {
  if (auto* edit = form->findChild<QLineEdit*>(name)) return edit->text().toStdString();
  if (auto* combo = form->findChild<QComboBox*>(name)) return combo->currentText().toStdString();
  if (auto* label = form->findChild<QLabel*>(name)) return label->text().toStdString();
  if (auto* memo = form->findChild<QPlainTextEdit*>(name)) return memo->toPlainText().toStdString();
  qFatal("no control %s", name);
}

std::string Window::Page(const char* tabs) const {
  return form->findChild<QTabWidget*>(tabs)->currentWidget()->objectName().toStdString();
}

std::string SavedValue(const std::filesystem::path& file, const char* section, const char* key) {
  const auto value = IniFile::Parse(ReadFileBytes(file).bytes).Get(section, key);
  return value ? Cp932ToUtf8Lossy(*value) : "<missing>";
}

}  // namespace korva::testing
