#include "app/windows/key_list.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace korva::app {

namespace {

struct Key {
  QKeySequence::StandardKey standard;  // UnknownKey: `keys` names the key
  const char* keys;
  const char* where;
  const char* does;
};

// What the panes, boxes and windows do with keys of their own; the editing
// keys as this platform binds them.
const Key kKeys[] = {
    {QKeySequence::UnknownKey, "Enter", "検索語の欄", "検索する"},
    {QKeySequence::UnknownKey, "Esc", "ＨＴＭＬソースの表示", "ウィンドウを閉じる"},
    {QKeySequence::Undo, "", "ペイン", "元に戻す"},
    {QKeySequence::Redo, "", "ペイン", "やり直す"},
    {QKeySequence::Cut, "", "ペイン", "切り取り"},
    {QKeySequence::Copy, "", "ペイン", "コピー"},
    {QKeySequence::Paste, "", "ペイン", "貼り付け"},
    {QKeySequence::Delete, "", "ペイン", "削除"},
    {QKeySequence::SelectAll, "", "ペイン", "すべて選択"},
    {QKeySequence::MoveToStartOfDocument, "", "ペイン", "先頭へ"},
    {QKeySequence::MoveToEndOfDocument, "", "ペイン", "最後へ"},
};

QString KeysOf(const Key& key) {
  if (key.standard == QKeySequence::UnknownKey) return QString::fromUtf8(key.keys);
  QStringList keys;
  for (const QKeySequence& binding : QKeySequence::keyBindings(key.standard)) {
    keys << binding.toString(QKeySequence::NativeText);
  }
  return keys.join(QStringLiteral(" / "));
}

}  // namespace

Tkeylist::Tkeylist(QWidget* program, QWidget* owner)
    : QWidget(owner, Qt::Window), program_(program), list_(new QTreeWidget(this)) {
  setObjectName("Tkeylist");
  setWindowTitle(QStringLiteral("キー一覧"));
  resize(640, 420);
  list_->setObjectName("ListViewKeys");
  list_->setHeaderLabels({QStringLiteral("キー"), QStringLiteral("場所"), QStringLiteral("働き")});
  list_->setRootIsDecorated(false);
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  auto* close = new QPushButton(QStringLiteral("閉じる"), this);
  close->setObjectName("btnKeyListClose");
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(close);
  layout->addLayout(buttons);
}

void Tkeylist::Refresh() {
  list_->clear();
  for (QAction* action : program_->findChildren<QAction*>()) {
    if (action->shortcut().isEmpty()) continue;
    list_->addTopLevelItem(
        new QTreeWidgetItem({action->shortcut().toString(QKeySequence::NativeText),
                             QStringLiteral("メニュー"), action->text().trimmed()}));
  }
  for (const Key& key : kKeys) {
    list_->addTopLevelItem(new QTreeWidgetItem(
        {KeysOf(key), QString::fromUtf8(key.where), QString::fromUtf8(key.does)}));
  }
}

void Tkeylist::showEvent(QShowEvent* event) {
  Refresh();
  QWidget::showEvent(event);
}

}  // namespace korva::app
