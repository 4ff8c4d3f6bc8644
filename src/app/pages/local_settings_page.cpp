// 【 ローカル設定 】: what the local three-file set links to and shows in its
// top frame.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/pages/page_widgets.h"
#include "settings/path_rules.h"

namespace korva::app {

void BuildLocalSettingsPage(QWidget* page, PageHost& host) {
  QWidget* content = ScrolledContent(page);
  QVBoxLayout* column = PageColumn(content);
  const Settings& s = host.settings;

  QGridLayout* frame = nullptr;
  column->addWidget(Group(QStringLiteral("  【 トップ・フレーム 】 "), content, &frame));
  AddPathRow(frame, host,
             {"BtnEditLocalTopFrameCaption", QStringLiteral("見出し （ @t-caption@ ）"),
              [](Settings& settings, Document&, Ui& ui) {
                sbLocalTopFrameCaptionPasteClick(settings, ui);
              },
              QStringLiteral("貼付")},
             {},
             {SampleButton("LabelSampleTopFrameCaption", QStringLiteral("市議会の会議録"), content,
                           host, Sample::TopFrameCaption)});

  QGridLayout* links = nullptr;
  column->addWidget(Group(
      QStringLiteral("  【 戻りのリンク先 （ ３ファイル用フォルダーから ） 】 "), content, &links));
  AddPathRow(links, host,
             {"BtnEditLocalReturn2Home", QStringLiteral("ホーム （ @home@ ）"),
              BtnEditLocalReturn2HomeButtonClick, QStringLiteral("..."),
              "LabelLocalReturn2HomePath", [&s] { return s.LabelLocalReturn2HomePath; }},
             {},
             {SampleButton("LabelSampleLocalHome", QStringLiteral("../../../index.html"), content,
                           host, Sample::LocalHome)});
  AddPathRow(links, host,
             {"BtnEditLocalReturn2Top", QStringLiteral("議会トップ （ @top@ ）"),
              BtnEditLocalReturn2TopButtonClick, QStringLiteral("..."), "LabelLocalReturn2TopPath",
              [&s] { return s.LabelLocalReturn2TopPath; }},
             {},
             {SampleButton("LabelSampleLocalTop", QStringLiteral("../../top.html"), content, host,
                           Sample::LocalTop)});
  AddPathRow(links, host,
             {"BtnEditLocalReturn2list", QStringLiteral("会議録一覧 （ @list@ ）"),
              BtnEditLocalReturn2listButtonClick, QStringLiteral("..."),
              "LabelLocalReturn2listPath", [&s] { return s.LabelLocalReturn2listPath; }},
             {},
             {SampleButton("LabelSampleLocalList", QStringLiteral("../minutes-list.html"), content,
                           host, Sample::LocalList)});
  links->addWidget(Note(QStringLiteral("空欄のときは、例のリンク先になります。"), content),
                   links->rowCount(), 0, 1, 3);

  QGridLayout* panes = nullptr;
  column->addWidget(Group(QStringLiteral("  【 ２画面表示 】 "), content, &panes));
  panes->addWidget(
      SettingCheck("CheckBoxLeftLinkDuplicate",
                   QStringLiteral("発言者の一覧から、２つのペインのどちらへも移動できるようにする"),
                   content),
      0, 0);
  column->addStretch();
}

}  // namespace korva::app
