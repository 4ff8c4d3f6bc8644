#include "app/pages/page_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "app/widgets/btn_edit.h"
#include "settings/path_rules.h"
#include "settings/settings_table.h"

namespace korva::app {

QVBoxLayout* PageColumn(QWidget* widget, int margin) {
  auto* layout = new QVBoxLayout(widget);
  layout->setContentsMargins(margin, margin, margin, margin);
  layout->setSpacing(6);
  return layout;
}

QWidget* ScrolledContent(QWidget* page) {
  auto* scroll = new QScrollArea(page);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  auto* content = new QWidget(scroll);
  scroll->setWidget(content);
  page->layout()->addWidget(scroll);
  return content;
}

QGroupBox* Group(const QString& caption, QWidget* parent, QGridLayout** grid) {
  auto* group = new QGroupBox(caption, parent);
  *grid = new QGridLayout(group);
  (*grid)->setHorizontalSpacing(6);
  (*grid)->setVerticalSpacing(4);
  return group;
}

TBtnEdit* SettingBtnEdit(const char* name, QWidget* parent) {
  auto* edit = new TBtnEdit(parent);
  edit->setObjectName(name);
  edit->setMinimumWidth(260);
  return edit;
}

QComboBox* SettingCombo(const char* name, const std::vector<std::string>& items, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  int widest = 0;
  for (const std::string& item : items) {
    combo->addItem(FromCp932(item));
    widest = qMax(widest, combo->fontMetrics().horizontalAdvance(FromCp932(item)));
  }
  // The list is as wide as its widest item, with room for a scroll bar when it scrolls.
  int listWidth = widest + 6;
  if (combo->count() > combo->maxVisibleItems()) {
    listWidth += combo->view()->verticalScrollBar()->sizeHint().width();
  }
  combo->view()->setMinimumWidth(listWidth);
  combo->setMinimumContentsLength(12);
  return combo;
}

QSpinBox* SettingSpin(const char* name, QWidget* parent) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(name);
  const IntRange range = FindSettingByName(name)->range;
  spin->setRange(range.low, range.high);
  spin->setMinimumWidth(70);
  return spin;
}

QCheckBox* SettingCheck(const char* name, const QString& caption, QWidget* parent) {
  auto* check = new QCheckBox(caption, parent);
  check->setObjectName(name);
  return check;
}

QGroupBox* SettingRadioGroup(const char* name, const QString& caption, const QStringList& items,
                             int columns, QWidget* parent) {
  auto* group = new QGroupBox(caption, parent);
  group->setObjectName(name);
  auto* grid = new QGridLayout(group);
  for (int i = 0; i < items.size(); ++i) {
    auto* radio = new QRadioButton(items[i], group);
    radio->setObjectName(QStringLiteral("%1Item%2").arg(name).arg(i));
    grid->addWidget(radio, i / columns, i % columns);
  }
  return group;
}

QPushButton* CommandButton(const char* name, const QString& caption, QWidget* parent,
                           const std::function<void()>& onClick) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  QObject::connect(button, &QPushButton::clicked, button, [onClick] { onClick(); });
  return button;
}

QPushButton* CoreButton(const char* name, const QString& caption, QWidget* parent, PageHost& host,
                        const PageCommand& command) {
  return CommandButton(name, caption, parent, [&host, command] { host.Run(command); });
}

QPushButton* SampleButton(const char* name, const QString& sample, QWidget* parent, PageHost& host,
                          Sample which) {
  QPushButton* button = CoreButton(name, sample, parent, host,
                                   [which](Settings& s, Document&, Ui&) { ApplySample(s, which); });
  button->setFlat(true);
  button->setCursor(Qt::PointingHandCursor);
  button->setToolTip(QStringLiteral("この例を入れる"));
  button->setStyleSheet(
      "QPushButton { color: #1a5fb4; text-decoration: underline; border: none; padding: 0 2px; "
      "text-align: left; }");
  return button;
}

QLabel* ShownLabel(const char* name, QWidget* parent, PageHost& host,
                   const std::function<std::string()>& text) {
  QLabel* label = Caption(QString(), parent);
  label->setObjectName(name);
  label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setStyleSheet("color: #1a5f1a;");
  host.OnRefresh([label, text] { label->setText(FromCp932(text())); });
  return label;
}

QLabel* Caption(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QLabel* Note(const QString& text, QWidget* parent) {
  QLabel* note = Caption(text, parent);
  note->setWordWrap(true);
  note->setStyleSheet("color: #555;");
  return note;
}

void AddPathRow(QGridLayout* grid, PageHost& host, const PathRow& row,
                const std::vector<QWidget*>& extras, const std::vector<QWidget*>& samples) {
  QWidget* parent = grid->parentWidget();
  // The edits of every group on a page start at the same place.
  grid->setColumnMinimumWidth(0, 250);
  grid->setColumnStretch(1, 1);
  const int line = grid->rowCount();
  grid->addWidget(Caption(row.caption, parent), line, 0);
  TBtnEdit* edit = SettingBtnEdit(row.name, parent);
  if (row.pick) {
    edit->SetBtnCaption(row.buttonCaption);
    edit->SetButtonWidth(qMax(19, edit->fontMetrics().horizontalAdvance(row.buttonCaption) + 10));
    QObject::connect(edit, &TBtnEdit::buttonClicked, edit,
                     [&host, pick = row.pick] { host.Run(pick); });
  } else {
    edit->SetButtonWidth(0);
  }
  grid->addWidget(edit, line, 1);
  auto* tools = new QHBoxLayout;
  tools->setSpacing(2);
  for (QWidget* extra : extras) tools->addWidget(extra);
  const std::string name = row.name;
  QPushButton* clear = CoreButton(
      (name + "Clear").c_str(), QStringLiteral("×"), parent, host,
      [name](Settings& s, Document& doc, Ui& ui) { ClearPathSetting(s, doc, ui, name); });
  clear->setToolTip(QStringLiteral("解除する"));
  clear->setFixedWidth(clear->fontMetrics().horizontalAdvance("×") + 16);
  tools->addWidget(clear);
  tools->addStretch();
  grid->addLayout(tools, line, 2);
  if (!row.besideLabel && samples.empty()) return;
  auto* second = new QHBoxLayout;
  second->setSpacing(8);
  if (row.besideLabel) second->addWidget(ShownLabel(row.besideLabel, parent, host, row.beside));
  if (!samples.empty()) second->addWidget(Caption(QStringLiteral("例："), parent));
  for (QWidget* sample : samples) second->addWidget(sample);
  second->addStretch();
  grid->addLayout(second, line + 1, 1, 1, 2);
}

void AddIncludeGroup(QVBoxLayout* column, QWidget* parent, PageHost& host, bool web) {
  struct Include {
    const char* name;
    const char* caption;
    int (*pick)(Settings&, Document&, Ui&);
    const char* label;
  };
  // In the order of Document::IncludeFileLabels.
  static const Include kIncludes[6] = {
      {"BtnEditLocalHeadInclude", "ヘッド （ .hin ）", BtnEditLocalHeadIncludeButtonClick,
       "LabelLocalHeadInclude"},
      {"BtnEditLocalTopFrameInclude", "トップ・フレーム （ .tin ）",
       BtnEditLocalTopFrameIncludeButtonClick, "LabelLocalTopFrameInclude"},
      {"BtnEditLocalSidelinkInclude", "サイド・リンク （ .sin ）",
       BtnEditLocalSidelinkIncludeButtonClick, "LabelLocalSidelinkInclude"},
      {"BtnEditWebHeadInclude", "ヘッド （ .hin ）", BtnEditWebHeadIncludeButtonClick,
       "LabelWebHeadInclude"},
      {"BtnEditWebTopframeInclude", "トップ・フレーム （ .tin ）",
       BtnEditWebTopframeIncludeButtonClick, "LabelWebTopframeInclude"},
      {"BtnEditWebSidelinkInclude", "サイド・リンク （ .sin ）",
       BtnEditWebSidelinkIncludeButtonClick, "LabelWebSidelinkInclude"},
  };
  QGridLayout* grid = nullptr;
  column->addWidget(Group(web ? QStringLiteral("  【 インクルード・ファイル （ 公開用 ） 】 ")
                              : QStringLiteral("  【 インクルード・ファイル （ ローカル用 ） 】 "),
                          parent, &grid));
  for (int index = web ? 3 : 0; index < (web ? 6 : 3); ++index) {
    const Include& include = kIncludes[index];
    AddPathRow(
        grid, host,
        {include.name, QString::fromUtf8(include.caption), include.pick, QStringLiteral("..."),
         include.label, [&host, index] { return host.doc.IncludeFileLabels[index]; }});
  }
}

}  // namespace korva::app
