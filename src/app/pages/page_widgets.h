// Building blocks of the settings pages: controls named after their settings
// (with the ranges and items the core gives), group boxes, command buttons,
// and the rows of the folder, file and link settings.
#pragma once

#include <QPushButton>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "app/pages/page_host.h"
#include "settings/path_rules.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;

class QSpinBox;
class QVBoxLayout;
class QWidget;

namespace korva::app {

class TBtnEdit;

using PageCommand = std::function<void(Settings&, Document&, Ui&)>;

// The page's content, in a scroll area so that a small window cuts nothing off.
QWidget* ScrolledContent(QWidget* page);
QVBoxLayout* PageColumn(QWidget* widget, int margin = 6);
// A titled group whose children go into its grid.
QGroupBox* Group(const QString& caption, QWidget* parent, QGridLayout** grid);

TBtnEdit* SettingBtnEdit(const char* name, QWidget* parent);
QComboBox* SettingCombo(const char* name, const std::vector<std::string>& items, QWidget* parent);
QSpinBox* SettingSpin(const char* name, QWidget* parent);
QCheckBox* SettingCheck(const char* name, const QString& caption, QWidget* parent);
// A radio group as the settings binding reads it: a group box whose direct
// children are the radio buttons, in item order.
QGroupBox* SettingRadioGroup(const char* name, const QString& caption, const QStringList& items,
                             int columns, QWidget* parent);

QPushButton* CommandButton(const char* name, const QString& caption, QWidget* parent,
                           const std::function<void()>& onClick);
// A button that runs a core command the way the window runs every command.
QPushButton* CoreButton(const char* name, const QString& caption, QWidget* parent, PageHost& host,
                        const PageCommand& command);
// A small link-like button that fills in a sample value.
QPushButton* SampleButton(const char* name, const QString& sample, QWidget* parent, PageHost& host,
                          Sample which);
// A label that shows a text of the settings or the document after each command.
QLabel* ShownLabel(const char* name, QWidget* parent, PageHost& host,
                   const std::function<std::string()>& text);
// Labels show their text as it is, "<title>" included.
QLabel* Caption(const QString& text, QWidget* parent);
QLabel* Note(const QString& text, QWidget* parent);

// One folder, file or link setting: a caption, the edit with its pick button
// (none without a command), `extras` after it, a clear button, and a second
// line with the label beside it and the samples.
struct PathRow {
  const char* name;
  QString caption;
  PageCommand pick;  // empty: no button in the edit
  QString buttonCaption = QStringLiteral("...");
  const char* besideLabel = nullptr;  // shows `beside` under the edit
  std::function<std::string()> beside = {};
};
void AddPathRow(QGridLayout* grid, PageHost& host, const PathRow& row,
                const std::vector<QWidget*>& extras = {},
                const std::vector<QWidget*>& samples = {});

// The group of the three include files (head, top frame, side link) of the
// local set (`web` false) or the web set.
void AddIncludeGroup(QVBoxLayout* column, QWidget* parent, PageHost& host, bool web);

}  // namespace korva::app
