// 【 発言者クラス 】: the class names and ids of the document's structure,
// the alternate colours, the speakers of the open minutes, and the commands
// that try the classes out.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "analysis/class_presets.h"
#include "app/pages/page_widgets.h"
#include "app/qt_text.h"
#include "settings/ini_settings.h"
#include "settings/settings_table.h"
#include "text/sjis.h"

namespace korva::app {

namespace {

struct Structural {
  const char* name;
  const char* caption;
};

// In the order the body conversion meets them.
const Structural kStructural[] = {
    {"ComboBoxID_Header", "各行のＩＤの頭 （ 空欄は pid- ）"},
    {"ComboBoxP_Class_First", "発言の最初の段落"},
    {"ComboBoxP_Class_Cont", "中断の後に続く段落"},
    {"ComboBoxH3_ID", "見出し （ 議題 ）"},
    {"ComboBoxP_annotate", "状況説明の段落"},
    {"ComboBoxUL_ID", "列挙のリスト"},
    {"ComboBoxLI_ID", "列挙の項目"},
    {"ComboBoxBQ_ID", "引用の領域"},
    {"ComboBoxPQ_ID", "引用の段落"},
    {"ComboBoxDOC_ID", "発言者のない文 （ 空欄は sentence ）"},
};

}  // namespace

void BuildSpeakerClassPage(QWidget* page, PageHost& host) {
  QWidget* content = ScrolledContent(page);
  QVBoxLayout* column = PageColumn(content);
  auto* columns = new QHBoxLayout;
  column->addLayout(columns);

  // Each combo box offers the value the presets give it.
  Settings standard;
  MarkClassReinitialize(standard);
  QGridLayout* structure = nullptr;
  auto* left = new QVBoxLayout;
  columns->addLayout(left, 3);
  left->addWidget(
      Group(QStringLiteral("  【 文書の構造のクラス名・ＩＤ 】 "), content, &structure));
  for (const Structural& item : kStructural) {
    const int row = structure->rowCount();
    structure->addWidget(Caption(QString::fromUtf8(item.caption), content), row, 0);
    const std::string preset = SettingValueText(standard, *FindSettingByName(item.name));
    structure->addWidget(SettingCombo(item.name, {preset}, content), row, 1);
  }
  structure->setColumnStretch(1, 1);

  QGridLayout* colours = nullptr;
  left->addWidget(Group(QStringLiteral("  【 段落の色 】 "), content, &colours));
  colours->addWidget(SettingCheck("CheckBoxAlternateBGColor",
                                  QStringLiteral("長い発言の段落を、交互に色分けする"), content),
                     0, 0);
  colours->addWidget(SettingCheck("CheckBoxBGColorSpeakerBy",
                                  QStringLiteral("発言者毎に ” 交互色 ” を設定する   "), content),
                     1, 0);
  colours->addWidget(
      SettingCheck("CheckBoxCRLF2Br", QStringLiteral("【改行】 を ” <br> ” として出力  "), content),
      2, 0);

  QGridLayout* speakers = nullptr;
  columns->addWidget(Group(QStringLiteral("  【 会議録の発言者 】 "), content, &speakers), 2);
  auto* roster = new QListWidget(content);
  roster->setObjectName("ListBoxMunicipalRoster");
  speakers->addWidget(roster, 0, 0);
  host.OnRefresh([roster, &host] {
    const StringList& names = host.doc.ListBoxMunicipalRoster;
    if (roster->count() == static_cast<int>(names.size())) {
      bool same = true;
      for (int i = 0; same && i < roster->count(); ++i) {
        same = roster->item(i)->text() == FromCp932(names[static_cast<std::size_t>(i)]);
      }
      if (same) return;
    }
    roster->clear();
    for (const std::string& name : names) roster->addItem(FromCp932(name));
  });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(CoreButton("sbLeftClassChange",
                                QStringLiteral("この設定で、ＨＴＭＬを生成し直す"), content, host,
                                host.regenerate));
  buttons->addWidget(
      CoreButton("sbLeftSaveSettings", QStringLiteral("設定を保存する"), content, host,
                 [](Settings& s, Document& doc, Ui& ui) { ManuSettingsSaveClick(s, doc, ui); }));
  buttons->addWidget(CoreButton(
      "sbCOPYMemoSpeakerAndClass", QStringLiteral("発言者とクラス名をコピーする"), content, host,
      [](Settings&, Document& doc, Ui& ui) {
        ui.SetClipboardText(sjis::JoinLines(
            StringList(doc.SpeakerSentenceSet.begin(), doc.SpeakerSentenceSet.end()), true));
      }));
  buttons->addStretch();
  column->addLayout(buttons);
  column->addStretch();
}

}  // namespace korva::app
