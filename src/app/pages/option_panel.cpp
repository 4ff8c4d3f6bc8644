// 【 オプション設定 】: the switches of the generation and the commands that
// keep or reset the settings, above the two page controls.
#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "app/pages/page_widgets.h"

namespace korva::app {

namespace {

// A button for a menu command: it runs exactly what the menu item runs.
QPushButton* MenuButton(const char* name, const char* action, const QString& caption,
                        QWidget* parent, PageHost& host) {
  return CommandButton(name, caption, parent, [&host, action] {
    if (auto* item = host.window.findChild<QAction*>(action)) item->trigger();
  });
}

// The panel folds to a strip a few pixels high: its switches show only when
// they have room, instead of being squeezed on top of one another.
class ShowWhenRoom : public QObject {
 public:
  ShowWhenRoom(QWidget* panel, QWidget* body) : QObject(panel), panel_(panel), body_(body) {
    panel->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == panel_ && event->type() == QEvent::Resize) {
      body_->setVisible(panel_->height() >= body_->sizeHint().height());
    }
    return false;
  }

 private:
  QWidget* panel_;
  QWidget* body_;
};

}  // namespace

void BuildOptionPanel(QWidget* panel, PageHost& host) {
  auto* body = new QWidget(panel);
  auto* row = new QHBoxLayout(body);
  row->setContentsMargins(0, 0, 0, 0);
  panel->layout()->addWidget(body);
  QLabel* title = Caption(QStringLiteral("【 オプション設定 】"), body);
  title->setStyleSheet("font-weight: bold;");
  row->addWidget(title, 0, Qt::AlignTop);
  auto* switches = new QGridLayout;
  switches->setVerticalSpacing(2);
  const std::pair<const char*, QString> checks[] = {
      {"CheckBoxImmediateGo",
       QStringLiteral("テキスト・ファイルを読み込むと直ちに、【 ＨＴＭＬ生成 】処理を実行する")},
      {"CheckBoxSaveAtBuild", QStringLiteral("ＨＴＭＬファイルを生成すると、保存する  ")},
      {"CheckBoxOpenIEatSaved", QStringLiteral("ＨＴＭＬファイルが生成されると、ＩＥで表示する ")},
      {"CheckBoxOpenIEDontClose",
       QStringLiteral("すでに表示しているＩＥを閉じないで、残して表示する ")},
      {"CheckBoxDontHighlight", QStringLiteral("画面表示では、HTMLを色分けしない")},
  };
  int index = 0;
  for (const auto& [name, caption] : checks) {
    switches->addWidget(SettingCheck(name, caption, body), index % 3, index / 3);
    ++index;
  }
  row->addLayout(switches, 1);
  auto* commands = new QGridLayout;
  commands->setVerticalSpacing(2);
  commands->addWidget(MenuButton("sbOptionSettingsSave", "ManuSettingsSave",
                                 QStringLiteral("変更した設定を保存する "), body, host),
                      0, 0);
  commands->addWidget(
      MenuButton("sbOptionPositionAndSize", "MenuSettingsThisPositionAndSize",
                 QStringLiteral("この位置に、このこサイズで出現させる"), body, host),
      1, 0);
  commands->addWidget(MenuButton("sbOptionReInitialize", "MenuSettingsReInitialize",
                                 QStringLiteral("初期状態に戻す"), body, host),
                      2, 0);
  row->addLayout(commands);
  new ShowWhenRoom(panel, body);
}

}  // namespace korva::app
