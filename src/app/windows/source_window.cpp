#include "app/windows/source_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/editor/pane_search_bar.h"
#include "app/editor/rich_edit_ex.h"
#include "app/main_form.h"
#include "app/windows/rtf_clipboard.h"

namespace korva::app {

namespace {

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}

}  // namespace

TFormSOTSource::TFormSOTSource(TAMainForm& form)
    : QWidget(&form, Qt::Window), form_(form), pane_(new TRichEditEx(this)) {
  setObjectName("TFormSOTSource");
  setWindowTitle(QStringLiteral("ＨＴＭＬソースの表示"));
  resize(960, 720);
  pane_->setObjectName("RichEdit1");
  QFont font = pane_->font();
  font.setPointSize(11);
  pane_->setFont(font);
  pane_->SetLineNumbers(true);
  search_ = new PaneSearchBar(
      pane_,
      {"EditSOTSearchKeyWord", "ListBoxSearchWord", "sbSOTSearchGo", "sbSOTSearchPaste",
       "sbSOTClear", "sbSOTSearchTop", "sbSOTSearchBottom", nullptr},
      form.ui(), this);
  search_->SetBlankRuns(BlankRuns::LongestFirst);
  QToolBar* bar = search_->ToolBar();
  bar->findChild<QAction*>("sbSOTSearchGo")->setText(QStringLiteral("一括検索"));
  bar->findChild<QAction*>("sbSOTSearchPaste")
      ->setToolTip(
          QStringLiteral("クリップボードのテキストを検索キーワードのテキストボックスに貼り付ける"));
  bar->findChild<QAction*>("sbSOTClear")
      ->setToolTip(QStringLiteral("検索キーワードのテキストボックスのクリア"));
  QAction* recolour = bar->addAction(QStringLiteral("色分け再表示"));
  recolour->setObjectName("sbSOTSearchRecolor");
  bar->widgetForAction(recolour)->setObjectName("sbSOTSearchRecolor");
  connect(recolour, &QAction::triggered, this, &TFormSOTSource::sbSOTSearchRecolorClick);
  // A search shows its hits on black text.
  connect(search_, &PaneSearchBar::searching, this, [this] { pane_->SetHtmlColouring(false); });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(3);
  auto* buttons = new QHBoxLayout;
  const std::pair<QPushButton*, void (TFormSOTSource::*)()> commands[] = {
      {Button("SpeedButton1", QStringLiteral("閉じる"), this), nullptr},
      {Button("btnMakeColor", QStringLiteral("ＨＴＭＬソースを再表示"), this),
       &TFormSOTSource::btnMakeColorClick},
      {Button("btnTextBlack", QStringLiteral("黒字に戻す"), this),
       &TFormSOTSource::btnTextBlackClick},
      {Button("sbCopyAll", QStringLiteral("全てコピー"), this), &TFormSOTSource::sbCopyAllClick},
      {Button("btnPaste", QStringLiteral("貼り付け"), this), &TFormSOTSource::btnPasteClick},
      {Button("sbClear", QStringLiteral("クリア"), this), &TFormSOTSource::sbClearClick},
  };
  for (const auto& [button, slot] : commands) {
    if (slot) {
      connect(button, &QPushButton::clicked, this, slot);
    } else {
      connect(button, &QPushButton::clicked, this, &QWidget::close);
    }
    buttons->addWidget(button);
  }
  buttons->addStretch(1);
  layout->addLayout(buttons);
  auto* options = new QHBoxLayout;
  wordWrap_ = new QCheckBox(QStringLiteral("折り返し"), this);
  wordWrap_->setObjectName("CheckBox1");
  connect(wordWrap_, &QCheckBox::toggled, this, &TFormSOTSource::ApplyWordWrap);
  colour_ = new QCheckBox(QStringLiteral("色付け "), this);
  colour_->setObjectName("CheckBoxColor");
  colour_->setChecked(true);
  connect(colour_, &QCheckBox::toggled, this, [this](bool on) { pane_->SetHtmlColouring(on); });
  options->addWidget(wordWrap_);
  options->addWidget(colour_);
  options->addStretch(1);
  QPushButton* place =
      Button("sbAppearanceThisPosition", QStringLiteral("この位置に、このｻｲｽﾞで出現させる"), this);
  connect(place, &QPushButton::clicked, this, &TFormSOTSource::sbAppearanceThisPositionClick);
  options->addWidget(place);
  layout->addLayout(options);
  layout->addWidget(bar);
  auto* hint = new QLabel(QStringLiteral("このｳｨﾝﾄﾞｳを初めて出現させた時は【 白紙 】となるので、"
                                         "【 ＨＴＭＬソースを再表示 】をクリックしてください "),
                          this);
  hint->setObjectName("LabelHint");
  hint->setStyleSheet("color: #555;");
  layout->addWidget(hint);
  auto* split = new QSplitter(Qt::Horizontal, this);
  split->addWidget(search_->ResultList());
  auto* panel = new QWidget(split);
  panel->setObjectName("PanelLeft");
  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  panelLayout->addWidget(pane_);
  split->addWidget(panel);
  split->setStretchFactor(1, 1);
  split->setSizes({110, 840});
  layout->addWidget(split, 1);
  ApplyWordWrap(false);
}

void TFormSOTSource::ShowWindow() {
  if (!isVisible()) {
    if (const auto layout = ReadSOTSource(form_.document().IniFileName, Layout())) {
      const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
      // Never larger than the screen, nor out of reach on a smaller screen than
      // the one it was placed on.
      resize(qMin(layout->width, screen.width()), qMin(layout->height, screen.height()));
      move(qBound(screen.left(), layout->left, screen.right() - 100),
           qBound(screen.top(), layout->top, screen.bottom() - 100));
      wordWrap_->setChecked(layout->wordWrap);
      colour_->setChecked(layout->colour);
    }
    show();
    btnMakeColorClick();
  } else {
    raise();
  }
  activateWindow();
}

void TFormSOTSource::SetSOTSource() {
  // A window that appears reads the panes as it comes up.
  if (isVisible()) btnMakeColorClick();
  ShowWindow();
}

std::string TFormSOTSource::PanesHtml() const {
  const std::string& body = form_.Pane("EditorBodyHTML")->Cp932Text();
  return body.empty() ? form_.Pane("EditorHTML")->Cp932Text() : body;
}

void TFormSOTSource::btnMakeColorClick() {
  ShowText(PanesHtml());
}

void TFormSOTSource::ShowText(std::string html) {
  pane_->SetHtmlColouring(colour_->isChecked());
  pane_->SetCp932Text(std::move(html));
  search_->Top();
}

void TFormSOTSource::ApplyWordWrap(bool on) {
  pane_->SetWordWrap(on);
  pane_->setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
  pane_->DoSetREMargin();
}

bool TFormSOTSource::event(QEvent* event) {
  // Coming back to the window brings the colours back unless they are off.
  if (event->type() == QEvent::WindowActivate) pane_->SetHtmlColouring(colour_->isChecked());
  return QWidget::event(event);
}

void TFormSOTSource::keyPressEvent(QKeyEvent* event) {
  // Esc in the pane (which leaves the key to its window) closes the window.
  if (event->key() == Qt::Key_Escape) {
    close();
  } else {
    QWidget::keyPressEvent(event);
  }
}

void TFormSOTSource::btnTextBlackClick() {
  pane_->SetHtmlColouring(false);
  pane_->TextBlackColor();
}

void TFormSOTSource::sbCopyAllClick() {
  SetClipboardTextAndRtf(pane_->Cp932Text());
}

void TFormSOTSource::btnPasteClick() {
  ShowText(form_.ui().ClipboardText());
}

void TFormSOTSource::sbClearClick() {
  pane_->SetCp932Text(std::string());
}

SourceWindowLayout TFormSOTSource::Layout() const {
  return {y(), x(), width(), height(), wordWrap_->isChecked(), colour_->isChecked()};
}

void TFormSOTSource::sbAppearanceThisPositionClick() {
  korva::sbAppearanceThisPositionClick(form_.document().IniFileName, Layout(), form_.ui());
}

void TFormSOTSource::sbSOTSearchRecolorClick() {
  pane_->ShowSearchHits({});
  pane_->SetHtmlColouring(true);
}

}  // namespace korva::app
