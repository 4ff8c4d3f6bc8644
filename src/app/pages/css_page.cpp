// 【 会議録CSS 】: the style sheet pane gets its commands: open the local
// style sheet (the pick rule of its setting) and save the pane back.
#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "app/pages/page_widgets.h"
#include "app/qt_text.h"
#include "settings/path_rules.h"

namespace korva::app {

void BuildCssPage(QWidget* page, PageHost& host) {
  auto* bar = new QHBoxLayout;
  bar->addWidget(CoreButton("sbCSSOpen", QStringLiteral("ＣＳＳファイルを開く"), page, host,
                            BtnEditLocalCSSFileButtonClick));
  bar->addWidget(CoreButton("sbCSSSave", QStringLiteral("ＣＳＳファイルを上書き保存する"), page,
                            host, [](Settings&, Document& doc, Ui& ui) { SaveCSSPane(doc, ui); }));
  bar->addStretch();
  static_cast<QBoxLayout*>(page->layout())->insertLayout(0, bar);
  if (auto* label = page->findChild<QLabel*>("LabelRightTab04CSSFilename")) {
    host.OnRefresh(
        [label, &host] { label->setText(FromCp932(host.doc.LabelRightTab04CSSFilename)); });
  }
}

}  // namespace korva::app
