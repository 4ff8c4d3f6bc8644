// 【 発言者の設定 】: the meeting category and, for each speaker slot, its
// class name and mark. Choosing another category by hand applies its preset
// and analyses the open minutes again.
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "analysis/category_commands.h"
#include "analysis/class_presets.h"
#include "app/pages/page_widgets.h"
#include "app/qt_text.h"
#include "settings/ini_settings.h"

namespace korva::app {

namespace {

QGroupBox* CategoryGroup(QWidget* parent, PageHost& host) {
  QStringList captions;
  for (int i = 0; i < kCategoryCount; ++i) captions << FromCp932(CategoryCaption(i));
  QGroupBox* group =
      SettingRadioGroup("RadioGroupCategory", QStringLiteral("  プロジェクトの【 カテゴリ 】 "),
                        captions, kCategoryCount, parent);
  auto* buttons = new QButtonGroup(group);
  const QList<QRadioButton*> radios =
      group->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
  for (int i = 0; i < radios.size(); ++i) buttons->addButton(radios[i], i);
  // Only a click changes the category; the settings reaching the group do not.
  QObject::connect(buttons, &QButtonGroup::idClicked, group, [&host](int index) {
    if (index == host.settings.RadioGroupCategory) return;
    host.Run([index, regenerate = host.regenerate](Settings& s, Document& doc, Ui& ui) {
      RadioGroupCategoryClick(s, doc, ui, index, regenerate);
    });
  });
  return group;
}

}  // namespace

void BuildSpeakerSettingsPage(QWidget* page, PageHost& host) {
  QWidget* content = ScrolledContent(page);
  QVBoxLayout* column = PageColumn(content);
  column->addWidget(CategoryGroup(content, host));

  QGridLayout* table = nullptr;
  column->addWidget(Group(QStringLiteral("  【 発言者のクラス名とマーク 】 "), content, &table));
  table->addWidget(Caption(QStringLiteral("クラス名"), content), 0, 1);
  table->addWidget(Caption(QStringLiteral("マーク"), content), 0, 2);
  for (const SpeakerClassSlot& slot : SpeakerClassSlots()) {
    const int row = table->rowCount();
    table->addWidget(Caption(FromCp932(slot.caption), content), row, 0);
    table->addWidget(SettingCombo(slot.classControl, ClassComboItems(slot.key), content), row, 1);
    QComboBox* mark = SettingCombo(slot.markControl, MarkComboItems(slot.key), content);
    mark->setMinimumContentsLength(3);
    table->addWidget(mark, row, 2);
  }
  table->setColumnStretch(1, 1);
  table->addWidget(
      Note(QStringLiteral("カテゴリを選ぶと、クラス名とマークがそのカテゴリの標準になり、"
                          "開いている会議録を読み直します。"),
           content),
      table->rowCount(), 0, 1, 3);

  // Titles the built-in tables lack, per category: "副区長 2, 区長 1".
  QGridLayout* titles = nullptr;
  column->addWidget(Group(QStringLiteral("  【 表にない役職名と発言者の区分 】（カテゴリ別） "),
                          content, &titles));
  const char* const extraTitles[] = {"EditExtraTitlesAssembly",    "EditExtraTitlesDiet",
                                     "EditExtraTitlesCooperative", "EditExtraTitlesMeeting",
                                     "EditExtraTitlesDiscuss",     "EditExtraTitlesHearing",
                                     "EditExtraTitlesTrial"};
  for (int category = 0; category < 7; ++category) {
    titles->addWidget(Caption(FromCp932(CategoryCaption(category)), content), category, 0);
    auto* edit = new QLineEdit(content);
    edit->setObjectName(extraTitles[category]);
    titles->addWidget(edit, category, 1);
  }
  titles->setColumnStretch(1, 1);
  titles->addWidget(Note(QStringLiteral("例：「副区長 2, 区長 1」（役職名と区分の番号）。"
                                        "会議録の下準備と発言者の色分けが使います。"),
                         content),
                    7, 0, 1, 2);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(CoreButton(
      "btnSettDefaultclassname",
      QStringLiteral("各カテゴリに応じて「 Class名 」を ” 規定値（ 標準 ） ”に設定を戻す "),
      content, host, [regenerate = host.regenerate](Settings& s, Document& doc, Ui& ui) {
        MenuSettingsExampleClick(s, doc, ui, regenerate);
      }));
  buttons->addWidget(
      CoreButton("SbRightClassSettings", QStringLiteral("設定を保存する"), content, host,
                 [](Settings& s, Document& doc, Ui& ui) { ManuSettingsSaveClick(s, doc, ui); }));
  buttons->addStretch();
  column->addLayout(buttons);
  column->addStretch();
}

}  // namespace korva::app
