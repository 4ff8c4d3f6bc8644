// 【 名簿 】 and 【 文書 】: the character positions of the roster columns,
// and the indents and colours of annotations, quotations and documents.
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/pages/page_widgets.h"
#include "settings/ini_settings.h"

namespace korva::app {

namespace {

void AddSpin(QGridLayout* grid, const char* name, const QString& caption, QWidget* parent) {
  const int row = grid->rowCount();
  grid->addWidget(Caption(caption, parent), row, 0);
  grid->addWidget(SettingSpin(name, parent), row, 1);
  grid->setColumnStretch(2, 1);
}

// Try the numbers out, then keep them.
void AddTryAndSave(QVBoxLayout* column, const char* tryName, const char* saveName, QWidget* parent,
                   PageHost& host) {
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(CoreButton(tryName, QStringLiteral("この設定で、ＨＴＭＬを生成し直す"), parent,
                                host, host.regenerate));
  buttons->addWidget(
      CoreButton(saveName, QStringLiteral("設定を保存する"), parent, host,
                 [](Settings& s, Document& doc, Ui& ui) { ManuSettingsSaveClick(s, doc, ui); }));
  buttons->addStretch();
  column->addLayout(buttons);
}

}  // namespace

void BuildRosterPage(QWidget* page, PageHost& host) {
  QWidget* content = ScrolledContent(page);
  QVBoxLayout* column = PageColumn(content);
  QGridLayout* outer = nullptr;
  column->addWidget(
      Group(QStringLiteral("  会議録の議案・名簿領域の先頭の文字位置揃え "), content, &outer));
  const char* names[2][2] = {{"SpinEditYakushokuPos", "SpinEditShimeiPos"},
                             {"SpinEditYakushokuPos2", "SpinEditShimeiPos2"}};
  const QString captions[2] = {QStringLiteral("【 １ 】段目"), QStringLiteral("【 ２ 】段目")};
  for (int part = 0; part < 2; ++part) {
    QGridLayout* grid = nullptr;
    outer->addWidget(Group(captions[part], content, &grid), 0, part);
    AddSpin(grid, names[part][0], QStringLiteral("役職の位置"), content);
    AddSpin(grid, names[part][1], QStringLiteral("氏名の位置"), content);
  }
  outer->addWidget(Note(QStringLiteral("「｛｛」から「｝｝」までの名簿の行で、役職と氏名を"
                                       "揃える位置です（ 行の先頭からの半角の文字数 ）。"),
                        content),
                   1, 0, 1, 2);
  AddTryAndSave(column, "sbChangeMeibosetting", "sbmeibosave", content, host);
  column->addStretch();
}

void BuildDocumentPage(QWidget* page, PageHost& host) {
  QWidget* content = ScrolledContent(page);
  QVBoxLayout* column = PageColumn(content);
  QGridLayout* indents = nullptr;
  column->addWidget(Group(QStringLiteral("  【 字下げ 】 "), content, &indents));
  AddSpin(indents, "SpinEditAnnotateLeadingZSP", QStringLiteral("状況説明文の全角空白の個数"),
          content);
  AddSpin(indents, "SpinEditQuotationLeadingZSP",
          QStringLiteral("引用領域の行頭からの全角空白の個数"), content);
  QGridLayout* colours = nullptr;
  column->addWidget(Group(QStringLiteral("  【 文書の色 】 "), content, &colours));
  AddSpin(colours, "SpinEditDocumentColorCount",
          QStringLiteral("発言者のない文を、交互に色分けする色の数 （ ０ は色分けしない ）"),
          content);
  AddTryAndSave(column, "sbChangeDocSetting", "sbDocSave", content, host);
  column->addStretch();
}

}  // namespace korva::app
