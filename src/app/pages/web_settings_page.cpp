// 【 公開用設定 】: the web set's folder, file name, include files, style
// sheet address, domain and return links.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/pages/page_widgets.h"
#include "settings/path_rules.h"

namespace korva::app {

namespace {

// The web address edits take their value from the clipboard.
PageCommand Paste(int (*paste)(Settings&, Ui&)) {
  return [paste](Settings& s, Document&, Ui& ui) { paste(s, ui); };
}

}  // namespace

void BuildWebSettingsPage(QWidget* page, PageHost& host) {
  QWidget* content = ScrolledContent(page);
  QVBoxLayout* column = PageColumn(content);
  const QString paste = QStringLiteral("貼付");

  QGridLayout* files = nullptr;
  column->addWidget(
      Group(QStringLiteral("  【 公開用のフォルダーとファイル 】 "), content, &files));
  AddPathRow(files, host,
             {"BtnEditWebHTMLFolder", QStringLiteral("公開用ＨＴＭＬの保存フォルダー"),
              BtnEditWebHTMLFolderButtonClick});
  const int nameRow = files->rowCount();
  files->addWidget(Caption(QStringLiteral("公開用ＨＴＭＬファイル名"), content), nameRow, 0);
  files->addWidget(SettingCombo("ComboBoxWebHTMLFile", {}, content), nameRow, 1);
  files->addWidget(
      SettingCheck("CheckBoxWebSaveThisname",
                   QStringLiteral("入力したファイル名を、ファイルを開いても変えない"), content),
      nameRow + 1, 1);

  AddIncludeGroup(column, content, host, true);

  QGridLayout* addresses = nullptr;
  column->addWidget(Group(QStringLiteral("  【 アドレス （ クリップボードから貼り付け ） 】 "),
                          content, &addresses));
  AddPathRow(
      addresses, host,
      {"BtnEditWebCSSFile", QStringLiteral("ＣＳＳファイル （ @css@ ）"),
       BtnEditWebCSSFileButtonClick, paste},
      {},
      {SampleButton("LabelSampleWebCSSRelative", QStringLiteral("../css/minutes.css"), content,
                    host, Sample::WebCSSRelative),
       SampleButton("LabelSampleWebCSSDomain", QStringLiteral("@domain@/common/css/minutes.css"),
                    content, host, Sample::WebCSSDomain)});
  AddPathRow(addresses, host,
             {"BtnEditWebDomain", QStringLiteral("ドメイン （ @domain@ ）"),
              Paste(BtnEditWebDomainButtonClick), paste},
             {},
             {SampleButton("LabelSampleWebDomain", QStringLiteral("https://www.city.example.jp/"),
                           content, host, Sample::WebDomain)});
  AddPathRow(addresses, host,
             {"BtnEditWebReturn2Home", QStringLiteral("ホーム （ @home@ ）"),
              Paste(BtnEditWebReturn2HomeButtonClick), paste},
             {},
             {SampleButton("LabelSampleWebHome", QStringLiteral("@domain@index.html"), content,
                           host, Sample::WebHome)});
  AddPathRow(addresses, host,
             {"BtnEditWebReturn2Top", QStringLiteral("議会トップ （ @top@ ）"),
              Paste(BtnEditWebReturn2TopButtonClick), paste},
             {},
             {SampleButton("LabelSampleWebTopRelative", QStringLiteral("../../top.html"), content,
                           host, Sample::WebTopRelative),
              SampleButton("LabelSampleWebTopDomain", QStringLiteral("@domain@assembly/top.html"),
                           content, host, Sample::WebTopDomain)});
  AddPathRow(addresses, host,
             {"BtnEditWebReturn2List", QStringLiteral("会議録一覧 （ @list@ ）"),
              Paste(BtnEditWebReturn2ListButtonClick), paste},
             {},
             {SampleButton("LabelSampleWebList", QStringLiteral("../minutes-list.html"), content,
                           host, Sample::WebList)});

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(CoreButton("sbWebAllClear", QStringLiteral("Ｗeｂ関連の設定をすべて解除する "),
                                content, host, WebSettingsAllClear));
  buttons->addWidget(
      CoreButton("sbWebAllPaste",
                 QStringLiteral("テキストボックスが” 空 ”の場合、を、ローカルの設定と同じにする "),
                 content, host, [](Settings& s, Document&, Ui&) { WebSettingsAllPaste(s); }));
  buttons->addStretch();
  column->addLayout(buttons);
  column->addStretch();
}

}  // namespace korva::app
