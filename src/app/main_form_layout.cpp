// The main window's widgets. Pages, panes and controls carry the names the
// commands and the settings table use, as their objectName.
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/help_pages.h"
#include "app/line_table_model.h"
#include "app/main_form.h"
#include "app/pages/page_host.h"
#include "app/tab_pages.h"
#include "html/document_html.h"

namespace korva::app {

namespace {

QVBoxLayout* Column(QWidget* widget, int margin = 0) {
  auto* layout = new QVBoxLayout(widget);
  layout->setContentsMargins(margin, margin, margin, margin);
  layout->setSpacing(2);
  return layout;
}

QLabel* WarningLabel(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setStyleSheet("color: red; font-weight: bold;");
  label->setVisible(false);
  return label;
}

}  // namespace

void TAMainForm::BuildLayout() {
  pageHost_ = std::make_unique<PageHost>(
      settings_, doc_, ui_, *this,
      [this](const std::function<void()>& command) { RunCommand(command); },
      [](Settings& s, Document& doc, Ui& ui) { korva::MenuTextMakeBodyOnlyClick(s, doc, ui); });
  auto* central = new QWidget(this);
  QVBoxLayout* layout = Column(central);
  topPanel_ = static_cast<QFrame*>(BuildTopPanel());
  layout->addWidget(topPanel_);
  pageControlGlobal_ = new PageControl("PageControlGlobal", central);
  layout->addWidget(pageControlGlobal_, 1);
  BuildMainPage(pageControlGlobal_->AddPage("PageControlGlobalTab01Main",
                                            QStringLiteral("  【    メ イ ン     】")));
  BuildHelpPages();
  setCentralWidget(central);
  BuildMenus();
  BuildStatusBar();
}

QWidget* TAMainForm::BuildTopPanel() {
  auto* panel = new QFrame(this);
  panel->setObjectName("APanelMainTop");
  panel->setFrameShape(QFrame::StyledPanel);
  QVBoxLayout* layout = Column(panel, 2);
  auto* bar = new QToolBar(panel);
  bar->setObjectName("ToolBar1");
  bar->setIconSize(QSize(28, 28));
  BuildToolBar(bar);
  layout->addWidget(bar);
  description_ = new QTextBrowser(panel);
  description_->setObjectName("MemoInitialDescription");
  description_->setHtml(InitialDescriptionHtml());
  description_->setVisible(false);
  layout->addWidget(description_, 1);
  return panel;
}

void TAMainForm::BuildMainPage(QWidget* page) {
  QVBoxLayout* layout = Column(page);
  optionPanel_ = new QFrame(page);
  optionPanel_->setObjectName("PanelSettingProject");
  optionPanel_->setFrameShape(QFrame::StyledPanel);
  optionPanel_->setLayout(Column(optionPanel_, 4));
  BuildOptionPanel(optionPanel_, *pageHost_);
  SetOptionPanelHeight(20);
  layout->addWidget(optionPanel_);
  mainSplitter_ = new QSplitter(Qt::Horizontal, page);
  mainSplitter_->setObjectName("SplitterMain");
  pgLeft_ = new PageControl("PGLeft", mainSplitter_);
  pgRight_ = new PageControl("PGRight", mainSplitter_);
  mainSplitter_->setStretchFactor(1, 1);
  layout->addWidget(mainSplitter_, 1);
  BuildLeftPages();
  BuildRightPages();
  connect(pgLeft_, &PageControl::userChangedPage, this, &TAMainForm::OnLeftPageChosen);
  connect(pgRight_, &PageControl::userChangedPage, this, &TAMainForm::OnRightPageChosen);
}

TRichEditEx* TAMainForm::MakePane(const QString& name, bool wordWrap) {
  auto* pane = new TRichEditEx(this);
  pane->setObjectName(name);
  pane->SetLineNumbers(true);
  pane->SetWordWrap(wordWrap);
  panes_[name] = pane;
  connect(pane, &TRichEditEx::activated, this, [this, pane] { SetActiveEditor(pane); });
  connect(pane, &TRichEditEx::cursorPositionChanged, this, [this, pane] {
    if (pane == activeEditor_) ShowCaretPosition();
  });
  // Only the panes a user writes minutes and style sheets in track their edits.
  if (name == "EditorMain" || name == "EditorMinutesText" || name == "EditorCSS") {
    connect(pane, &TRichEditEx::userEdited, this, [this] { OnUserEdited(); });
  }
  return pane;
}

QWidget* TAMainForm::BuildPanePage(QWidget* page, const QString& panelName, TRichEditEx* pane,
                                   PaneSearchBar* bar) {
  QVBoxLayout* layout = Column(page);
  layout->addWidget(bar->ToolBar());
  auto* split = new QSplitter(Qt::Horizontal, page);
  split->addWidget(bar->ResultList());
  auto* panel = new QWidget(split);
  panel->setObjectName(panelName);
  Column(panel)->addWidget(pane);
  split->addWidget(panel);
  split->setStretchFactor(1, 1);
  split->setSizes({110, 800});
  layout->addWidget(split, 1);
  searchBars_.push_back(bar);
  connect(bar, &PaneSearchBar::searching, this, [this, page](TRichEditEx* searched) {
    SetActiveEditor(searched);
    ShowPageByName(this, page->objectName());
  });
  connect(bar, &PaneSearchBar::entryClicked, this, &TAMainForm::OnResultClicked);
  return panel;
}

void TAMainForm::BuildLeftPages() {
  PageControl* left = pgLeft_;
  auto page = [left](const char* name, const QString& caption, bool hidden = false) {
    QWidget* p = left->AddPage(name, caption, hidden);
    if (!p->layout()) Column(p, 2);
    return p;
  };
  QWidget* project = page("PGLeftTab02Project", QStringLiteral(" 【 基 本 設 定 】 "));
  project->layout()->addWidget(WarningLabel(
      "LabelWarningSettingFolder",
      QStringLiteral(
          "保存する前に、【  ルート／試し用／３ファイル用フォルダー 】を設定してください   "),
      project));
  BuildBasicSettingsPage(project, *pageHost_);
  BuildLocalSettingsPage(page("PGLeftTab03LocalSetting", QStringLiteral(" 【 ローカル設定 】 ")),
                         *pageHost_);
  QWidget* web = page("PGLeftTab05WebHEAD", QStringLiteral(" 【 公開用設定 】 "));
  web->layout()->addWidget(WarningLabel(
      "LabelWarningSettingWebFolder",
      QStringLiteral("公開用（ Ｗｅｂ ）のＨＴＭＬ保存フォルダーが設定されていません  "), web));
  BuildWebSettingsPage(web, *pageHost_);

  QWidget* body = left->AddPage("PGLeftTab08HTMLBody", QStringLiteral("  【 HTML 】   "));
  TRichEditEx* bodyPane = MakePane("EditorBodyHTML", false);
  BuildPanePage(body, "PanelPGLeftTab08HTMLBody", bodyPane,
                new PaneSearchBar(bodyPane,
                                  {"ComboBoxHTMLBody", "ListBoxPGLeftTab08HTMLBody",
                                   "tbHTMLLeftBodytSearchGo", "tbHTMLLeftBodytSearchPaste",
                                   "tbHTMLLeftBodytSearchClear", "tbHTMLLeftBodytSearchTop",
                                   "tbHTMLLeftBodytSearchBottom", "tbHTMLLeftBodytSearchRefresh"},
                                  ui_, body));
  BuildSpeakerClassPage(page("PGLeftTab03SpeakerClass", QStringLiteral(" 【 発言者クラス 】 ")),
                        *pageHost_);
  BuildRosterPage(page("PGLeftTab05Roster", QStringLiteral(" 【 名簿 】 ")), *pageHost_);
  BuildDocumentPage(page("PGLeftTab14Doc", QStringLiteral(" 【 文書 】 ")), *pageHost_);
  QWidget* warnings =
      page("PGLeftTab11MWarningAndError", QStringLiteral("  【 警告・エラー表示 】  "));
  warnings->layout()->addWidget(WarningLabel(
      "LabelMarkNotMatch", QStringLiteral("加工マークの「開始」と「終了」の個数が一致しません "),
      warnings));
  BuildWarningsPage(warnings, *pageHost_);
  BuildHtmlHeadPage(page("PGLeftTab13HTMLHEAD", QStringLiteral(" 【 HTML HEAD 】 ")), *pageHost_);

  // Pages without a tab of their own.
  QWidget* text = left->AddPage("PGLeftTab01Main", QStringLiteral(" 【 テキスト 】 "), true);
  TRichEditEx* mainPane = MakePane("EditorMain", false);
  mainSearch_ =
      new PaneSearchBar(mainPane,
                        {"ComboBoxFindSrc", "ListBoxPGLeftTab01MainText", "tbTextLeftSearchGo",
                         "tbTextLeftSearchPaste", "tbTextLeftSearchClear", "tbTextLeftSearchTop",
                         "tbTextLeftSearchBottom", nullptr},
                        ui_, text);
  BuildPanePage(text, "PanelPGLeftTab01MainBody", mainPane, mainSearch_);
  mainSearch_->ResultList()->setMinimumWidth(220);
  disconnect(mainSearch_, &PaneSearchBar::entryClicked, this, &TAMainForm::OnResultClicked);
  connect(mainSearch_, &PaneSearchBar::entryClicked, this, &TAMainForm::OnMainListClicked);
  auto* lineLabel = new QLabel(text);
  lineLabel->setObjectName("LabelCommonLineNumber");
  auto* descriptionLabel = new QLabel(text);
  descriptionLabel->setObjectName("LabelCoomonDescription");
  mainSearch_->ToolBar()->addWidget(lineLabel);
  mainSearch_->ToolBar()->addWidget(descriptionLabel);
  page("PGLeftTab04Trial", QStringLiteral(" 【 試し 】 "), true);
  page("PGLeftTab06TempGrid", QStringLiteral(" 【 一時表 】 "), true);
  page("PGLeftTab10Browser", QStringLiteral(" 【 ブラウザ 】 "), true);
}

void TAMainForm::BuildRightPages() {
  PageControl* right = pgRight_;
  auto page = [right](const char* name, const QString& caption, bool hidden = false) {
    QWidget* p = right->AddPage(name, caption, hidden);
    if (!p->layout()) Column(p, 2);
    return p;
  };
  BuildSpeakerSettingsPage(
      page("PGRightTab03SpeakerSettings", QStringLiteral(" 【 発言者の設定 】 ")), *pageHost_);
  QWidget* minutes = right->AddPage("PGRightTab06MinutesText", QStringLiteral("  【 テキスト 】 "));
  TRichEditEx* minutesPane = MakePane("EditorMinutesText", true);
  BuildPanePage(minutes, "PanelPGRightTab06MinutesTextBody", minutesPane,
                new PaneSearchBar(minutesPane,
                                  {"ComboBoxRightTextFindSrc", "ListBoxPGRightTab06Text",
                                   "tbRightTextSearch", "tbRightTextPaste", "tbRightTextClear",
                                   "tbRightTextTop", "tbRightTextBottom", "tbRightTextRefresh"},
                                  ui_, minutes));
  BuildLocalIncludePage(
      page("PGRightTab08LocalInclude", QStringLiteral(" 【 ローカル用インクルード 】 ")),
      *pageHost_);
  BuildWebIncludePage(page("PGRightTab09WebInclude", QStringLiteral(" 【 公開用インクルード 】 ")),
                      *pageHost_);
  QWidget* css = page("PGRightTab04CSSJS", QStringLiteral("  【 会議録CSS 】  "));
  auto* cssLabel = new QLabel(css);
  cssLabel->setObjectName("LabelRightTab04CSSFilename");
  css->layout()->addWidget(cssLabel);
  auto* cssPanel = new QWidget(css);
  cssPanel->setObjectName("PanelPGRightTab04CSSJSBody");
  Column(cssPanel)->addWidget(MakePane("EditorCSS", false));
  css->layout()->addWidget(cssPanel);
  BuildCssPage(css, *pageHost_);
  BuildSidelinkIncludePage(
      page("PGRightTab12SidelinkInclude", QStringLiteral(" 【 サイドリンク 】 ")), *pageHost_);
  QWidget* html = right->AddPage("PGRightTab01HTML", QStringLiteral(" 【 ＨＴＭＬ 】  "));
  TRichEditEx* htmlPane = MakePane("EditorHTML", false);
  BuildPanePage(
      html, "PanelPGRightTab01MainBody", htmlPane,
      new PaneSearchBar(htmlPane,
                        {"ComboBoxHTMLSearch", "ListBoxPGRightTab01HTMLText", "tbHTMLRightSearchGo",
                         "tbHTMLRightSearchPaste", "tbHTMLRightSearchClear", "tbHTMLRightTopBottom",
                         "tbHTMLRightSearchBottom", "tbHTMLRightSearchRefresh"},
                        ui_, html));

  // Pages without a tab of their own.
  QWidget* classes =
      page("PGRightTab05SpeakerClass", QStringLiteral("  【  発言者とクラス名 】   "), true);
  auto* memo = new QPlainTextEdit(classes);
  memo->setObjectName("MemoSpeakerAndClass");
  memo->setReadOnly(true);
  classes->layout()->addWidget(memo);
  page("PGRightTab07Memo", QStringLiteral(" 【 メモ 】 "), true);
  QWidget* nav = page("PGRightTab11NavOnePane", QStringLiteral(" 【 ナビ 】 "), true);
  auto* navPanel = new QWidget(nav);
  navPanel->setObjectName("PanelPGRightTab11NavOnePaneBody");
  Column(navPanel)->addWidget(MakePane("EditorNavOnePane", false));
  nav->layout()->addWidget(navPanel);
  BuildGridPage(right->AddPage("PGRightTab02TextGrid", QStringLiteral("  発言表  "), true));
  page("PGRightTab10Browser", QStringLiteral(" 【 ブラウザ 】 "), true);
  activeEditor_ = Pane("EditorMain");
}

void TAMainForm::BuildGridPage(QWidget* page) {
  QVBoxLayout* layout = Column(page, 2);
  auto* bar = new QToolBar(page);
  gridFindBox_ = new QComboBox(page);
  gridFindBox_->setObjectName("ComboBoxGridSearch");
  gridFindBox_->setEditable(true);
  gridFindBox_->setMinimumContentsLength(18);
  bar->addWidget(gridFindBox_);
  auto tool = [bar, this](const char* name, const QString& text, void (TAMainForm::*slot)()) {
    QAction* action = bar->addAction(text);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, slot);
  };
  tool("tbRightGridSeachGo", QStringLiteral("検索"), &TAMainForm::tbRightGridSeachGoClick);
  tool("tbRightGridSeachPaste", QStringLiteral("貼付"), &TAMainForm::tbRightGridSeachPasteClick);
  tool("tbRightGridSeachClear", QStringLiteral("消去"), &TAMainForm::tbRightGridSeachClearClick);
  tool("tbRightGridTop", QStringLiteral("先頭"), &TAMainForm::tbRightGridTopClick);
  tool("tbRightGridBottom", QStringLiteral("最後"), &TAMainForm::tbRightGridBottomClick);
  layout->addWidget(bar);
  grid_ = new QTableView(page);
  grid_->setObjectName("MinutesTextStringGrid");
  gridModel_ = new LineTableModel(doc_.MinutesTextStringGrid, grid_);
  grid_->setModel(gridModel_);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
  grid_->verticalHeader()->hide();
  grid_->setWordWrap(false);
  for (int column = 0; column < LineTableModel::kColumnCount; ++column) {
    grid_->setColumnWidth(column, LineTableModel::ColumnWidth(column));
  }
  layout->addWidget(grid_, 1);
  connect(gridFindBox_->lineEdit(), &QLineEdit::returnPressed, this,
          &TAMainForm::tbRightGridSeachGoClick);
}

void TAMainForm::BuildHelpPages() {
  for (const HelpPage& help : HelpPages()) {
    QWidget* page = pageControlGlobal_->AddPage(help.name, help.caption);
    auto* browser = new QTextBrowser(page);
    browser->setObjectName(QString(help.name) + "Text");
    browser->setHtml(help.html);
    Column(page, 4)->addWidget(browser);
  }
}

void TAMainForm::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("StatusBarGlobal");
  constexpr int kWidths[kStatusPanelCount] = {200, 600, 600, 50, 50, 50, 50, 50, 50};
  for (int panel = 0; panel < kStatusPanelCount; ++panel) {
    auto* label = new QLabel(bar);
    label->setObjectName(StatusPanelName(panel));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    // The two message panels share what the window leaves; the others keep their width.
    if (panel == 1 || panel == 2) {
      label->setMinimumWidth(kWidths[panel] / 4);
      bar->addWidget(label, 1);
    } else {
      label->setFixedWidth(kWidths[panel]);
      bar->addWidget(label);
    }
  }
}

}  // namespace korva::app
