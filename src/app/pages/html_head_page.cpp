// 【 HTML HEAD 】: the page title, how the document is saved (character set,
// style sheet inside or linked) and the head lines of the navigation list.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/pages/page_widgets.h"
#include "settings/settings_table.h"
#include "text/literal.h"

namespace korva::app {

void BuildHtmlHeadPage(QWidget* page, PageHost& host) {
  QWidget* content = ScrolledContent(page);
  QVBoxLayout* column = PageColumn(content);

  QGridLayout* title = nullptr;
  column->addWidget(Group(QStringLiteral("  【 ページのタイトル 】 "), content, &title));
  AddPathRow(title, host, {"BtnEditHEADTitle", QStringLiteral("タイトル （ @title@ ）"), {}}, {},
             {SampleButton("LabelSamplePageTitle", QStringLiteral("市議会と定例会の名前"), content,
                           host, Sample::PageTitle)});
  auto* explain = new QHBoxLayout;
  explain->addWidget(Caption(
      QStringLiteral("ヘッド・インクルード・ファイル（ head．hin ）内の「 <title> "), content));
  auto* placeholder = Caption(QStringLiteral("@title@"), content);
  placeholder->setStyleSheet("color: #c01c28; font-weight: bold;");
  explain->addWidget(placeholder);
  explain->addWidget(Caption(QStringLiteral("が、このテキストに置き換えられます。 "), content));
  explain->addStretch();
  title->addLayout(explain, title->rowCount(), 0, 1, 3);
  title->addWidget(Note(QStringLiteral("空欄のときは、会議録ファイルの名前から取ったタイトルに"
                                       "なります。"),
                        content),
                   title->rowCount(), 0, 1, 3);

  QGridLayout* saving = nullptr;
  column->addWidget(Group(QStringLiteral("  【 保存 】 "), content, &saving));
  saving->addWidget(
      SettingRadioGroup("RadioGroupSaveCharSet", QStringLiteral("  保存する文字コード "),
                        {QStringLiteral("Ｓｈｉｆｔ＿ＪＩＳ"), QStringLiteral("ＵＴＦ－８")}, 2,
                        content),
      0, 0);
  saving->addWidget(
      SettingCheck("CheckBoxBindCSS",
                   QStringLiteral("HTMLファイルに【 CSSファイル 】を「 <style>　・・  </style> 」"
                                  "として組み込む"),
                   content),
      1, 0);

  QGridLayout* nav = nullptr;
  column->addWidget(Group(QStringLiteral("  【 発言者リストの見出し 】 "), content, &nav));
  const std::pair<const char*, QString> heads[] = {
      {"ComboBoxSubjectTitle", QStringLiteral("リストの見出し")},
      {"ComboBoxLeftGoTop", QStringLiteral("先頭へのリンク")},
      {"ComboBoxLeftGoBottom", QStringLiteral("最後へのリンク")},
  };
  for (const auto& [name, caption] : heads) {
    const int row = nav->rowCount();
    nav->addWidget(Caption(caption, content), row, 0);
    // An empty text falls back to the standard one; the list offers it.
    const SettingRow& setting = *FindSettingByName(name);
    nav->addWidget(SettingCombo(name, {Sj(setting.fallback)}, content), row, 1);
  }
  nav->setColumnStretch(1, 1);
  column->addStretch();
}

}  // namespace korva::app
