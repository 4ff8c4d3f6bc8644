#include "app/settings_binding.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <map>
#include <string>

#include "app/qt_text.h"
#include "settings/settings_table.h"

namespace korva::app {

namespace {

// The window's named objects, found in one walk over its children.
std::map<std::string, QObject*, std::less<>> NamedObjects(const QWidget& window) {
  std::map<std::string, QObject*, std::less<>> named;
  for (QObject* object : window.findChildren<QObject*>()) {
    if (!object->objectName().isEmpty()) named.emplace(object->objectName().toStdString(), object);
  }
  return named;
}

QObject* ControlOf(const std::map<std::string, QObject*, std::less<>>& named,
                   const SettingRow& row) {
  const auto found = named.find(row.name);
  if (found == named.end()) return nullptr;
  // Only the kinds of control a setting lives in; a label of the same name is not one.
  QObject* object = found->second;
  return qobject_cast<QWidget*>(object) || qobject_cast<QAction*>(object) ? object : nullptr;
}

// A radio group is a group box of radio buttons; its value is the index of
// the checked one.
QList<QRadioButton*> RadioItems(QGroupBox* group) {
  return group->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
}

std::optional<std::string> ControlText(QObject* control) {
  if (auto* edit = qobject_cast<QLineEdit*>(control)) return ToCp932(edit->text());
  if (auto* combo = qobject_cast<QComboBox*>(control)) return ToCp932(combo->currentText());
  if (auto* spin = qobject_cast<QSpinBox*>(control)) return std::to_string(spin->value());
  if (auto* check = qobject_cast<QCheckBox*>(control)) return check->isChecked() ? "1" : "0";
  if (auto* action = qobject_cast<QAction*>(control)) return action->isChecked() ? "1" : "0";
  if (auto* group = qobject_cast<QGroupBox*>(control)) {
    const QList<QRadioButton*> items = RadioItems(group);
    for (int i = 0; i < items.size(); ++i) {
      if (items[i]->isChecked()) return std::to_string(i);
    }
  }
  return std::nullopt;
}

void SetControlText(QObject* control, const std::string& text) {
  // Setting the same text again would move the caret of an edit being typed in.
  if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    if (edit->text() != FromCp932(text)) edit->setText(FromCp932(text));
  } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
    if (combo->currentText() == FromCp932(text)) return;
    combo->setEditText(FromCp932(text));
    if (!combo->isEditable()) combo->setCurrentText(FromCp932(text));
  } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
    spin->setValue(std::stoi(text));
  } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
    check->setChecked(text != "0");
  } else if (auto* action = qobject_cast<QAction*>(control)) {
    action->setChecked(text != "0");
  } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
    const QList<QRadioButton*> items = RadioItems(group);
    const int index = std::stoi(text);
    if (index >= 0 && index < items.size()) items[index]->setChecked(true);
  }
}

}  // namespace

void ReadSettingsFromControls(const QWidget& window, Settings& settings) {
  const auto named = NamedObjects(window);
  for (const SettingRow& row : SettingsTable()) {
    QObject* control = ControlOf(named, row);
    if (!control) continue;
    if (const auto text = ControlText(control)) SetSettingFromText(settings, row, *text);
  }
}

void WriteSettingsToControls(const Settings& settings, QWidget& window) {
  const auto named = NamedObjects(window);
  for (const SettingRow& row : SettingsTable()) {
    if (QObject* control = ControlOf(named, row)) {
      const QSignalBlocker blocker(control);
      SetControlText(control, SettingValueText(settings, row));
    }
  }
}

}  // namespace korva::app
