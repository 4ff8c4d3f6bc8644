#include "app/editor/pane_search_bar.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QToolBar>

#include "app/qt_text.h"
#include "intake/open_minutes.h"

namespace korva::app {

namespace {

// The longest clipboard text the paste button takes into a find box.
constexpr std::size_t kFindBoxPasteLimit = 30;

QAction* AddTool(QToolBar* bar, const char* name, const QString& text, const QString& tip) {
  QAction* action = bar->addAction(text);
  action->setObjectName(QString::fromLatin1(name));
  action->setToolTip(tip);
  if (QWidget* button = bar->widgetForAction(action)) button->setObjectName(action->objectName());
  return action;
}

}  // namespace

PaneSearchBar::PaneSearchBar(TRichEditEx* pane, const PaneToolNames& names, Ui& ui, QWidget* owner)
    : QObject(owner),
      pane_(pane),
      ui_(ui),
      toolBar_(new QToolBar(owner)),
      findBox_(new QComboBox(owner)),
      resultList_(new QListWidget(owner)) {
  findBox_->setObjectName(QString::fromLatin1(names.findBox));
  findBox_->setEditable(true);
  findBox_->setInsertPolicy(QComboBox::NoInsert);
  findBox_->setMinimumContentsLength(18);
  findBox_->setToolTip(QStringLiteral("検索語（７語まで、空白で区切る）"));
  resultList_->setObjectName(QString::fromLatin1(names.resultList));
  resultList_->setMinimumWidth(90);
  toolBar_->setIconSize(QSize(16, 16));
  toolBar_->addWidget(findBox_);
  connect(AddTool(toolBar_, names.search, QStringLiteral("検索"),
                  QStringLiteral("検索語を色分けして一覧にする")),
          &QAction::triggered, this, &PaneSearchBar::Search);
  connect(AddTool(toolBar_, names.paste, QStringLiteral("貼付"),
                  QStringLiteral("クリップボードのテキストで検索する（30バイトまで）")),
          &QAction::triggered, this, &PaneSearchBar::Paste);
  connect(AddTool(toolBar_, names.clear, QStringLiteral("消去"), QStringLiteral("検索語を消す")),
          &QAction::triggered, this, &PaneSearchBar::Clear);
  connect(AddTool(toolBar_, names.top, QStringLiteral("先頭"), QStringLiteral("先頭行へ")),
          &QAction::triggered, this, &PaneSearchBar::Top);
  connect(AddTool(toolBar_, names.bottom, QStringLiteral("最後"), QStringLiteral("最終行へ")),
          &QAction::triggered, this, &PaneSearchBar::Bottom);
  if (names.refresh) {
    connect(AddTool(toolBar_, names.refresh, QStringLiteral("再表示"),
                    QStringLiteral("検索の赤字を元に戻す")),
            &QAction::triggered, this, &PaneSearchBar::Refresh);
  }
  connect(findBox_->lineEdit(), &QLineEdit::returnPressed, this, &PaneSearchBar::Search);
  connect(resultList_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { emit entryClicked(GoToEntry(item->text())); });
}

void PaneSearchBar::Search() {
  const std::string findText = ToCp932(findBox_->currentText().trimmed());
  if (!pane_->HasText() || findText.empty()) return;
  emit searching(pane_);
  StringList words;
  if (EdictScan(findText, words, blankRuns_) < 1) return;
  const QString entered = findBox_->currentText();
  if (findBox_->findText(entered) < 0) findBox_->insertItem(0, entered);
  ui_.SetWaitCursor(true);
  StringList entries;
  const PaneSearchOutcome outcome = RichEditSearchList(pane_->Cp932Text(), words, entries);
  pane_->ShowSearchHits(outcome.highlights);
  resultList_->clear();
  for (const std::string& entry : entries) resultList_->addItem(FromCp932(entry));
  pane_->SetCaretToByte(outcome.caret);
  if (!outcome.highlights.empty()) pane_->ScrollLineToTop(pane_->CaretLine());
  ui_.SetWaitCursor(false);
}

void PaneSearchBar::Paste() {
  findBox_->setEditText(FromCp932(GetFromClipboard(ui_, kFindBoxPasteLimit)));
  if (!findBox_->currentText().isEmpty()) Search();
}

void PaneSearchBar::Clear() {
  findBox_->setEditText(QString());
}

void PaneSearchBar::Top() {
  pane_->ScrollLineToTop(0);
  pane_->SetCaretToByte(0);
}

void PaneSearchBar::Bottom() {
  const BottomMove move = BottomOfPane(static_cast<std::size_t>(pane_->LineCount()),
                                       static_cast<std::size_t>(pane_->CaretLine()));
  QScrollBar* bar = pane_->verticalScrollBar();
  bar->setValue(bar->value() + static_cast<int>(move.scrollBy));
  pane_->SetCaretToByte(pane_->LineStartOffset(static_cast<int>(move.caretLine)));
}

void PaneSearchBar::Refresh() {
  pane_->TextBlackColor();
  ui_.SetWaitCursor(false);
}

ResultEntryClick PaneSearchBar::GoToEntry(const QString& entry) {
  ResultEntryClick click = ListBoxClick(ToCp932(entry), 1);
  if (click.line) {
    pane_->SetCaretToByte(CaretForLine(pane_->Cp932Text(), *click.line, click.column));
    pane_->ScrollLineToTop(static_cast<int>(*click.line) - 1);
  }
  return click;
}

}  // namespace korva::app
