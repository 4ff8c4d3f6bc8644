// 【 基 本 設 定 】: the folders and files of the local set, its style sheet
// and the local include files.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/pages/page_widgets.h"
#include "app/qt_text.h"
#include "settings/path_rules.h"

namespace korva::app {

namespace {

// The folder picker beside the edit (the edit's own button asks for a file).
QPushButton* FolderButton(const char* name, QWidget* parent, PageHost& host,
                          int (*pick)(Settings&, Document&, Ui&)) {
  QPushButton* button =
      CoreButton(name, QStringLiteral("フォルダー選択"), parent, host,
                 [pick](Settings& s, Document& doc, Ui& ui) { pick(s, doc, ui); });
  button->setToolTip(QStringLiteral("フォルダーを選んで指定する"));
  return button;
}

// The HTML file name: its list holds the names used so far, and every change
// by the user is saved at once.
QComboBox* HtmlFileCombo(QWidget* parent, PageHost& host) {
  QComboBox* combo = SettingCombo("ComboBoxHTMLFile", {}, parent);
  auto save = [&host](const QString& text) {
    const std::string name = ToCp932(text);
    host.Run(
        [name](Settings& s, Document& doc, Ui& ui) { ComboBoxHTMLFileChange(s, doc, ui, name); });
  };
  QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo, save);
  QObject::connect(combo, &QComboBox::textActivated, combo, save);
  host.OnRefresh([combo, &host] {
    QStringList items;
    for (const std::string& item : host.doc.ComboBoxHTMLFileItems) items << FromCp932(item);
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
    if (items == shown) return;
    const QSignalBlocker blocker(combo);
    const QString text = combo->currentText();
    combo->clear();
    combo->addItems(items);
    combo->setEditText(text);
  });
  return combo;
}

}  // namespace

void BuildBasicSettingsPage(QWidget* page, PageHost& host) {
  QWidget* content = ScrolledContent(page);
  QVBoxLayout* column = PageColumn(content);
  const Settings& s = host.settings;

  QGridLayout* folders = nullptr;
  column->addWidget(Group(QStringLiteral("  【 フォルダー 】 "), content, &folders));
  AddPathRow(
      folders, host,
      {"BtnEditRootFolder", QStringLiteral("ルート・フォルダー"), BtnEditRootFolderButtonClick},
      {FolderButton("sbSaveRootFolder", content, host, sbSaveRootFolderClick)});
  AddPathRow(folders, host,
             {"BtnEditHTMLSaveFolder", QStringLiteral("試し用（ ＨＴＭＬ保存 ）フォルダー"),
              BtnEditHTMLSaveFolderButtonClick},
             {FolderButton("sbSaveHTMLFolder", content, host, sbSaveHTMLFolderClick)});
  AddPathRow(folders, host,
             {"BtnEdit3FileFolder", QStringLiteral("３ファイル用フォルダー"),
              BtnEdit3FileFolderButtonClick},
             {FolderButton("SpeedButton1", content, host, SpeedButton1Click)});
  folders->addWidget(
      Note(QStringLiteral("試し用と３ファイル用のフォルダーは、ルート・フォルダーの中に"
                          "置いてください。"),
           content),
      folders->rowCount(), 0, 1, 3);

  QGridLayout* files = nullptr;
  column->addWidget(Group(QStringLiteral("  【 ファイル 】 "), content, &files));
  const int htmlRow = files->rowCount();
  files->addWidget(Caption(QStringLiteral("ＨＴＭＬファイル名"), content), htmlRow, 0);
  files->addWidget(HtmlFileCombo(content, host), htmlRow, 1);
  files->addWidget(
      SettingCheck("CheckBoxLocalSaveThisname",
                   QStringLiteral("入力したファイル名を、ファイルを開いても変えない"), content),
      htmlRow + 1, 1);
  AddPathRow(
      files, host,
      {"BtnEditLocalCSSFile", QStringLiteral("ＣＳＳファイル （ 相対パス ）"),
       BtnEditLocalCSSFileButtonClick, QStringLiteral("..."), "LabelLocalCSSbsoluteRelativePath",
       [&s] { return s.LabelLocalCSSbsoluteRelativePath; }});

  AddIncludeGroup(column, content, host, false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(CoreButton("sbLocalSettingsAllClear", QStringLiteral("設定をすべて解除する "),
                                content, host, LocalSettingsAllClear));
  buttons->addStretch();
  column->addLayout(buttons);
  column->addStretch();
}

}  // namespace korva::app
