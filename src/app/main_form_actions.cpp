// The tool bar, the menus and what each of their commands runs. Every command
// is a core command run through RunCommand; what is left here is only what
// the window itself shows (panel heights, window state, the active pane).
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QSplitter>
#include <QTableView>
#include <QToolBar>

#include "analysis/category_commands.h"
#include "app/line_table_model.h"
#include "app/main_form.h"
#include "app/qt_text.h"
#include "app/settings_binding.h"
#include "app/tab_pages.h"
#include "app/toolbar_icons.h"
#include "app/windows/prepare_dialog.h"
#include "app/windows/rtf_clipboard.h"
#include "html/document_html.h"
#include "intake/file_reset.h"
#include "prepare/prepare_document.h"
#include "publishing/local_set.h"
#include "publishing/nav_file.h"
#include "publishing/web_set.h"
#include "session/captions.h"
#include "settings/ini_settings.h"
#include "settings/projects.h"
#include "settings/resets.h"
#include "text/sjis.h"
#include "tools/browser_commands.h"

namespace korva::app {

namespace {

using Slot = void (TAMainForm::*)();

struct ToolSpec {
  const char* name;
  const char* hint;
  const char* theme;
  const char* sign;
  QRgb tile;
  Slot slot;  // nullptr: a tool window's button, not here yet
};

// In the order of the tool bar.
const ToolSpec kTools[] = {
    {"tbGlobalMaximized", "画面の最大化・通常に戻す ", "view-fullscreen", "□", 0x607D8B,
     &TAMainForm::tbGlobalMaximizedClick},
    {"tbInitialDescriptionlOpenClose", "本ソフトの基本説明文パネルを開閉する  ", "help-about", "?",
     0x90A4AE, &TAMainForm::tbInitialDescriptionlOpenCloseClick},
    {"tbSaveHTML", "プロジェクトの上書き保存する   ", "document-save", "P", 0x3F51B5,
     &TAMainForm::tbSaveHTMLClick},
    {"tbSettingsSave", "変更した設定を保存する ", nullptr, "設", 0x5C6BC0,
     &TAMainForm::tbSettingsSaveClick},
    {"tbClose", "終了する ", "application-exit", "×", 0xB71C1C, nullptr},
    {"tbOpenProjectPanel", "【 オプション設定 】パネルを開閉する ", nullptr, "≡", 0x78909C,
     &TAMainForm::tbOpenProjectPanelClick},
    {"tbOpenFile", "【 会議録 】テキスト・ファイルを開く （ 読み込む ） ", "document-open", "開",
     0xF9A825, &TAMainForm::MenuFileOpenClick},
    {"tbOpenOld", "修正した【 会議録 】テキスト・ファイルを、再度読み込む ", "view-refresh", "再",
     0xFBC02D, &TAMainForm::tbOpenOldClick},
    {"tbPrepareMinutes", "会議録の下準備", nullptr, "準", 0xEF6C00,
     &TAMainForm::MenuTextPrepareMinutesClick},
    {"tbFileSaveHTML", "公開用HTMLの前に、【 試し 】生成したHTMLを保存する  ", nullptr, "試",
     0x8D6E63, &TAMainForm::tbFileSaveHTMLClick},
    {"tbMakeHTMLGo", "発言者別に【 色分け表示 】したHTMLを生成する  ", nullptr, "色", 0xE53935,
     &TAMainForm::tbMakeHTMLGoClick},
    {"tbOpenIE", "生成した【 試し 】HTMLをＩＥで表示して確認する ", nullptr, "見", 0x1E88E5,
     &TAMainForm::tbOpenIEClick},
    {"tbBuildTwoPane", "ローカル用の３ファイルを生成する  ", nullptr, "３", 0x43A047,
     &TAMainForm::tbBuildTwoPaneClick},
    {"tbMake2OpenIE", "生成した３ファイルをＩＥで表示する ", nullptr, "３見", 0x1E88E5,
     &TAMainForm::tbMake2OpenIEClick},
    {"tbMakeWebHTML", "公開用ＨＴＭＬを生成する ", nullptr, "公", 0x00897B,
     &TAMainForm::tbMakeWebHTMLClick},
    {"tbMakeNomal", "【１】画面のＨＴＭＬ生成・ＩＥ表示する   ", nullptr, "１", 0x7CB342,
     &TAMainForm::tbMakeNomalClick},
    {"tbOpenChrome", "生成した３ファイルをChromeで表示する ", nullptr, "Ch", 0x1565C0,
     &TAMainForm::tbOpenChromeClick},
    {"tbFileTextClear", "テキストのクリア ", "edit-clear", "消", 0xBDBDBD,
     &TAMainForm::tbFileTextClearClick},
    {"tbNewFile", "新規ファイル（　現ファイルのクリア＝解除  ）", "document-new", "新", 0xEEEEEE,
     &TAMainForm::tbNewFileClick},
    {"tbMainDocumePaste", "” ｸﾘｯﾌﾟﾎﾞｰﾄﾞ ”から会議テキストを貼り付ける  ", "edit-paste", "貼",
     0xFFB74D, &TAMainForm::tbMainDocumePasteClick},
    {"tbCOPY", "生成したＨＴＭＬﾃｷｽﾄを” ｸﾘｯﾌﾟﾎﾞｰﾄﾞ ”にコピーする  ", "edit-copy", "写", 0xFFCC80,
     &TAMainForm::tbCOPYClick},
    {"tbNewWindowForHTMLSrc", "新規ウィンドウに、生成したＨＴＭＬソースを表示する　", "window-new",
     "源", 0x6D4C41, &TAMainForm::tbNewWindowForHTMLSrcClick},
    {"tbOpenFileWithChrome", "ローカル・ファイルをChromeで表示する  ", nullptr, "C開", 0x1565C0,
     &TAMainForm::tbOpenFileWithChromeClick},
    {"tbColorPallete", "カラーパレット", nullptr, "彩", 0xAB47BC, &TAMainForm::tbColorPalleteClick},
    {"tbDocumentBottom", "文書の最後へ", "go-bottom", "↓", 0xBDBDBD, nullptr},
    {"tbForWordWrapCopyFromClipbd", "強制改行のテキストを貼り付ける  ", nullptr, "改貼", 0x26A69A,
     &TAMainForm::tbForWordWrapCopyFromClipbdClick},
    {"tbDoWordWrap", "【強制改行】を【段落】に変換する ", nullptr, "段", 0x26A69A,
     &TAMainForm::tbDoWordWrapClick},
    {"tbDoAddBackSlash", "行末に ” ＼ \"を付加する  ", nullptr, "＼", 0x26A69A,
     &TAMainForm::tbDoAddBackSlashClick},
    {"tbDoWordWrapCOPY", "強制改行を【段落】に変換したテキストをコピーする  ", nullptr, "段写",
     0x26A69A, &TAMainForm::tbDoWordWrapCOPYClick},
};

struct MenuSpec {
  const char* name;  // empty: a separator
  const char* caption;
  Slot slot;  // nullptr: a tool window's item, not here yet
  bool checkable = false;
};

struct TopMenu {
  const char* name;
  const char* caption;
  std::vector<MenuSpec> items;
};

const char kProjectFile[] = "市町村別・設定ファイル（ ＝プロジェクト ）";

}  // namespace

void TAMainForm::BuildToolBar(QToolBar* bar) {
  for (const ToolSpec& tool : kTools) {
    const QString hint = QString::fromUtf8(tool.hint);
    QAction* action = bar->addAction(
        ToolIcon(tool.theme, QString::fromUtf8(tool.sign), QColor::fromRgb(tool.tile)), hint);
    action->setObjectName(tool.name);
    action->setToolTip(hint);
    if (QWidget* button = bar->widgetForAction(action)) button->setObjectName(tool.name);
    if (tool.slot) {
      connect(action, &QAction::triggered, this, tool.slot);
    } else if (std::string_view(tool.name) == "tbClose") {
      connect(action, &QAction::triggered, this, &QWidget::close);
    } else {
      action->setEnabled(false);
    }
  }
}

void TAMainForm::BuildMenus() {
  const QString project = QString::fromUtf8(kProjectFile);
  const std::vector<TopMenu> menus = {
      {"MenuFile",
       "  ファイル  ",
       {{"MenuFileNew", "新規", &TAMainForm::tbNewFileClick},
        {"MenuFileOpen", "開く", &TAMainForm::MenuFileOpenClick},
        {"MenuFileReopen", "再読み込み", &TAMainForm::tbOpenOldClick},
        {"", "", nullptr},
        {"MenuFileSaveOverwrite", "上書き保存", &TAMainForm::tbFileSaveHTMLClick},
        {"MenuFileSaveAs", "名前を付けて保存", &TAMainForm::MenuFileSaveAsClick},
        {"", "", nullptr},
        {"MenuFileProjectOpen", "を開く", &TAMainForm::MenuFileProjectOpenClick},
        {"MenuFileProjectSaveOverwrite", "を上書き保存する", &TAMainForm::tbSaveHTMLClick},
        {"MenuFileProjectSaveAS", "を名前を付けて保存する",
         &TAMainForm::MenuFileProjectSaveASClick},
        {"MenuFileProjectClear",
         "市町村別の「 新規プロジェクト 」 を設定する（　現在の設定をクリアする ）",
         &TAMainForm::MenuFileProjectClearClick},
        {"", "", nullptr},
        {"MenuFileExit", "終了 ", nullptr}}},
      {"MenuEdit",
       "   編集   ",
       {{"Undo1", "元に戻す", &TAMainForm::Undo1Click},
        {"", "", nullptr},
        {"Cut1", "切り取り", &TAMainForm::Cut1Click},
        {"Copy1", "コピー", &TAMainForm::Copy1Click},
        {"Paste1", "貼り付け", &TAMainForm::Paste1Click},
        {"Delete1", "削除", &TAMainForm::Delete1Click},
        {"", "", nullptr},
        {"Selectall1", "すべて選択", &TAMainForm::Selectall1Click}}},
      {"MenuView",
       "   表示  ",
       {{"MenuViewMaximized", "最大表示", &TAMainForm::MenuViewMaximizedClick, true},
        {"MenuViewStayOnTop", "常に手前に", &TAMainForm::MenuViewStayOnTopClick, true},
        {"MenuSettingsThisPositionAndSize", "この位置に、このこサイズで出現させる",
         &TAMainForm::MenuSettingsThisPositionAndSizeClick},
        {"", "", nullptr},
        {"MenuVieConfirmProject", "を確認する", &TAMainForm::MenuVieConfirmProjectClick},
        {"", "", nullptr},
        {"MenuViewTextGrid", "発言表（行の分類）を表示する", &TAMainForm::MenuViewTextGridClick},
        {"MenuViewMainText", "貼り付けたテキストを表示する", &TAMainForm::MenuViewMainTextClick}}},
      {"MenuSettings",
       "   設定  ",
       {{"ManuSettingsSave", "設定を保存する", &TAMainForm::tbSettingsSaveClick},
        {"", "", nullptr},
        {"MenuSettingsExample", "カテゴリ別の【 クラス名 】を設定する",
         &TAMainForm::MenuSettingsExampleClick},
        {"", "", nullptr},
        {"MenuSettingsSetDefautFolder", "規定ﾌｫﾙﾀﾞｰを設定する",
         &TAMainForm::MenuSettingsSetDefautFolderClick},
        {"MenuSettingsRemoveDefaultFolder", "規定ﾌｫﾙﾀﾞｰを解除する",
         &TAMainForm::MenuSettingsRemoveDefaultFolderClick},
        {"MenuSettingsViewDefaultFolder", "規定ﾌｫﾙﾀﾞｰを確認する",
         &TAMainForm::MenuSettingsViewDefaultFolderClick},
        {"MenuSettingsRemoveGlobalFilename", "起動時のファイルを解除する",
         &TAMainForm::MenuSettingsRemoveGlobalFilenameClick},
        {"", "", nullptr},
        {"MenuSettingsReInitialize", "初期状態に戻す", &TAMainForm::MenuSettingsReInitializeClick,
         true}}},
      {"MenuText",
       "  テキスト処理  ",
       {{"MenuTextPrepareMinutes", "会議録の下準備", &TAMainForm::MenuTextPrepareMinutesClick},
        {"", "", nullptr},
        {"MenuTextMakeBodyOnly", "ＢＯＤＹのみ生成", &TAMainForm::MenuTextMakeBodyOnlyClick},
        {"MenuTextMakeNormal", "ノーマルのみ生成", &TAMainForm::tbMakeNomalClick},
        {"MenuTextMakeNAVOnePane", "【 １ 】画面表示のＮＡＶのみを生成",
         &TAMainForm::MenuTextMakeNAVOnePaneClick},
        {"", "", nullptr},
        {"MenuTextMakeLocalHTMLAll", "全ＨＴＭＬ生成（ローカル＝テスト用）",
         &TAMainForm::tbBuildTwoPaneClick},
        {"MenuTextMakeWebHTMLAll", "全ＨＴＭＬ生成（Ｗｅｂ公開用）",
         &TAMainForm::tbMakeWebHTMLClick},
        {"", "", nullptr},
        {"MenuTextPaste2TextPane", "強制改行のテキストをテキスト・ペインに貼り付ける",
         &TAMainForm::tbForWordWrapCopyFromClipbdClick}}},
      {"MenuBatchSearch",
       "一括検索",
       {{"MenuBatchSearchMainText", "原文検索", &TAMainForm::MenuBatchSearchMainTextClick}}},
      {"MenuTool",
       "  ツール  ",
       {{"MenuToolColorPalette", "ＨＴＭＬカラーパレット", &TAMainForm::tbColorPalleteClick},
        {"MenuToolHTMLSource", "ＨＴＭＬソースの表示", &TAMainForm::MenuToolHTMLSourceClick},
        {"MenuToolBaseConv", "進数変換", &TAMainForm::MenuToolBaseConvClick},
        {"MenuToolPreview", "ブラウザ・プレビュー", &TAMainForm::MenuToolPreviewClick}}},
      {"MenuOther",
       "  その他  ",
       {{"MenuOtherVersion", "バージョン", &TAMainForm::MenuOtherVersionClick},
        {"MenuOtherKeyList", "キー一覧", &TAMainForm::MenuOtherKeyListClick},
        {"MenuOtherAbout", "このソフトについて", &TAMainForm::MenuOtherAboutClick}}},
  };
  for (const TopMenu& top : menus) {
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8(top.caption));
    menu->setObjectName(top.name);
    for (const MenuSpec& item : top.items) {
      if (!*item.name) {
        menu->addSeparator();
        continue;
      }
      QString caption = QString::fromUtf8(item.caption);
      // The project items carry the project file's long name in front.
      if (caption.startsWith(QStringLiteral("を"))) caption = project + caption;
      QAction* action = menu->addAction(caption);
      action->setObjectName(item.name);
      action->setCheckable(item.checkable);
      if (item.slot) {
        connect(action, &QAction::triggered, this, item.slot);
      } else if (std::string_view(item.name) == "MenuFileExit") {
        connect(action, &QAction::triggered, this, &QWidget::close);
      } else {
        action->setEnabled(false);
      }
    }
  }
}

// A checkable menu item has already flipped its check when its command runs;
// the command decides whether it flips, so the click's own flip is undone.
void TAMainForm::UndoOwnToggle(const char* actionName) {
  if (auto* action = findChild<QAction*>(actionName)) {
    const QSignalBlocker blocker(action);
    action->setChecked(!action->isChecked());
  }
}

void TAMainForm::ApplyWindowState() {
  if (settings_.MenuViewMaximized) {
    showMaximized();
  } else {
    showNormal();
  }
}

void TAMainForm::tbGlobalMaximizedClick() {
  RunCommand([&] {
    if (korva::MenuViewMaximizedClick(settings_, doc_)) ApplyWindowState();
  });
}

void TAMainForm::MenuViewMaximizedClick() {
  UndoOwnToggle("MenuViewMaximized");
  tbGlobalMaximizedClick();
}

void TAMainForm::MenuViewStayOnTopClick() {
  UndoOwnToggle("MenuViewStayOnTop");
  RunCommand([&] { korva::MenuViewStayOnTopClick(settings_); });
  setWindowFlag(Qt::WindowStaysOnTopHint, settings_.MenuViewStayOnTop);
  show();
}

void TAMainForm::MenuSettingsThisPositionAndSizeClick() {
  const WindowGeometry geometry{y(), x(), width(), height(), pgLeft_->width()};
  RunCommand([&] { korva::MenuSettingsThisPositionAndSizeClick(settings_, doc_, ui_, geometry); });
}

void TAMainForm::tbInitialDescriptionlOpenCloseClick() {
  RunCommand([&] { StatusbarClearSaveMessage(doc_, ui_); });
  CollapseTopPanel();
  WriteSettingsToControls(settings_, *this);
  activeEditor_->DoSetREMargin();
}

void TAMainForm::tbOpenProjectPanelClick() {
  RunCommand([&] { StatusbarClearSaveMessage(doc_, ui_); });
  doc_.OptionPanelOpen = !doc_.OptionPanelOpen;
  SetOptionPanelHeight(doc_.OptionPanelOpen ? 135 : 20);
}

void TAMainForm::tbSaveHTMLClick() {
  RunCommand([&] { korva::MenuFileProjectSaveOverwriteClick(settings_, doc_, ui_); });
}

void TAMainForm::tbSettingsSaveClick() {
  RunCommand([&] { korva::tbSettingsSaveClick(settings_, doc_, ui_); });
}

void TAMainForm::MenuFileOpenClick() {
  RunCommand([&] { korva::MenuFileOpenClick(settings_, doc_, ui_, GenerationSoon()); });
  if (doc_.MinutesLoaded) SetActiveEditor(Pane("EditorMinutesText"));
}

void TAMainForm::tbOpenOldClick() {
  RunCommand([&] { korva::tbOpenOldClick(settings_, doc_, ui_, GenerationSoon()); });
}

void TAMainForm::tbFileSaveHTMLClick() {
  RunCommand([&] { korva::tbFileSaveHTMLClick(settings_, doc_, ui_); });
}

void TAMainForm::tbMakeHTMLGoClick() {
  int result = -1;
  RunCommand([&] { result = korva::tbMakeHTMLGoClick(settings_, doc_, ui_); });
  if (result == 0) SetActiveEditor(Pane("EditorBodyHTML"));
}

void TAMainForm::MenuTextMakeBodyOnlyClick() {
  int result = -1;
  RunCommand([&] { result = korva::MenuTextMakeBodyOnlyClick(settings_, doc_, ui_); });
  if (result == 0) SetActiveEditor(Pane("EditorBodyHTML"));
}

void TAMainForm::tbOpenIEClick() {
  RunCommand([&] { korva::tbOpenIEClick(settings_, doc_, ui_, ui_.Opener()); });
}

void TAMainForm::tbBuildTwoPaneClick() {
  RunCommand([&] { korva::tbBuildTwoPaneClick(settings_, doc_, ui_); });
}

void TAMainForm::tbMake2OpenIEClick() {
  RunCommand([&] { korva::tbMake2OpenIEClick(settings_, doc_, ui_, ui_.Opener()); });
}

void TAMainForm::tbMakeWebHTMLClick() {
  RunCommand([&] { korva::tbMakeWebHTMLClick(settings_, doc_, ui_); });
}

void TAMainForm::tbMakeNomalClick() {
  RunCommand([&] { korva::tbMakeNomalClick(settings_, doc_, ui_); });
}

void TAMainForm::tbOpenChromeClick() {
  RunCommand([&] { korva::tbOpenChromeClick(settings_, doc_, ui_, ui_.Opener()); });
}

void TAMainForm::tbOpenFileWithChromeClick() {
  RunCommand([&] { korva::tbOpenFileWithChromeClick(doc_, ui_, ui_.Opener()); });
}

void TAMainForm::tbFileTextClearClick() {
  for (const char* name : {"ComboBoxFindSrc", "ComboBoxRightTextFindSrc"}) {
    findChild<QComboBox*>(name)->setEditText(QString());
  }
}

void TAMainForm::tbNewFileClick() {
  RunCommand([&] { Filenew(doc_, ui_); });
  // The search boxes and hit lists go with the text.
  for (PaneSearchBar* bar : searchBars_) {
    bar->ResultList()->clear();
    bar->FindBox()->clear();
  }
  SetActiveEditor(Pane("EditorMain"));
  activeEditor_->DoSetREMargin();
}

void TAMainForm::tbMainDocumePasteClick() {
  RunCommand([&] { korva::tbMainDocumePasteClick(settings_, doc_, ui_, GenerationSoon()); });
  if (doc_.MinutesLoaded) SetActiveEditor(Pane("EditorMain"));
}

void TAMainForm::tbCOPYClick() {
  if (activeEditor_ && activeEditor_->HasText()) {
    // Coloured HTML also goes as RTF, for word processors.
    if (activeEditor_->HtmlColouring()) {
      SetClipboardTextAndRtf(activeEditor_->Cp932Text());
    } else {
      ui_.SetClipboardText(activeEditor_->Cp932Text());
    }
  } else {
    ui_.Beep();
  }
}

void TAMainForm::MenuTextPrepareMinutesClick() {
  RunCommand([&] {
    const auto preparation = ProposeMinutesPreparation(settings_, doc_, ui_);
    if (!preparation) return;
    PrepareDialog dialog(preparation->result, this);
    if (dialog.exec() != QDialog::Accepted) return;
    ApplyMinutesPreparation(settings_, doc_, ui_, *preparation, dialog.Chosen(), GenerationSoon());
  });
}

void TAMainForm::MenuFileSaveAsClick() {
  const StringList lines = sjis::SplitLines(activeEditor_->Cp932Text());
  RunCommand([&] { korva::MenuFileSaveAsClick(ui_, lines); });
}

void TAMainForm::MenuTextMakeNAVOnePaneClick() {
  RunCommand([&] { korva::MenuTextMakeNAVOnePaneClick(settings_, doc_, ui_); });
}

void TAMainForm::MenuFileProjectOpenClick() {
  RunCommand([&] { korva::MenuFileProjectOpenClick(settings_, doc_, ui_, GenerationSoon()); });
}

void TAMainForm::MenuFileProjectSaveASClick() {
  RunCommand([&] { korva::MenuFileProjectSaveASClick(settings_, doc_, ui_); });
}

void TAMainForm::MenuFileProjectClearClick() {
  RunCommand([&] { korva::MenuFileProjectClearClick(settings_, doc_, ui_); });
  SetLeftWidth(950);
}

void TAMainForm::MenuVieConfirmProjectClick() {
  RunCommand([&] { korva::MenuVieConfirmProjectClick(doc_, ui_); });
}

void TAMainForm::MenuSettingsExampleClick() {
  RunCommand([&] {
    korva::MenuSettingsExampleClick(settings_, doc_, ui_, [](Settings& s, Document& d, Ui& u) {
      korva::MenuTextMakeBodyOnlyClick(s, d, u);
    });
  });
}

void TAMainForm::MenuSettingsSetDefautFolderClick() {
  RunCommand([&] { korva::MenuSettingsSetDefautFolderClick(doc_, ui_); });
}

void TAMainForm::MenuSettingsRemoveDefaultFolderClick() {
  RunCommand([&] { korva::MenuSettingsRemoveDefaultFolderClick(doc_, ui_); });
}

void TAMainForm::MenuSettingsViewDefaultFolderClick() {
  RunCommand([&] { korva::MenuSettingsViewDefaultFolderClick(doc_, ui_); });
}

void TAMainForm::MenuSettingsRemoveGlobalFilenameClick() {
  RunCommand([&] { korva::MenuSettingsRemoveGlobalFilenameClick(settings_, doc_, ui_); });
}

void TAMainForm::MenuSettingsReInitializeClick() {
  UndoOwnToggle("MenuSettingsReInitialize");
  RunCommand([&] { korva::MenuSettingsReInitializeClick(settings_, doc_, ui_); });
  SetTopPanelHeight(650);
  SetOptionPanelHeight(135);
}

void TAMainForm::MenuBatchSearchMainTextClick() {
  ui_.ShowPage("PGLeftTab01Main");
  mainSearch_->Search();
}

void TAMainForm::MenuViewTextGridClick() {
  ui_.ShowPage("PGRightTab02TextGrid");
}

void TAMainForm::MenuViewMainTextClick() {
  ui_.ShowPage("PGLeftTab01Main");
}

void TAMainForm::MenuOtherVersionClick() {
  AppTitleCaption(doc_, ui_, "", -1);
}

void TAMainForm::OnResultClicked(const ResultEntryClick& click) {
  findChild<QLabel*>("LabelCommonLineNumber")->setText(FromCp932(click.label));
  if (!click.description.empty()) {
    findChild<QLabel*>("LabelCoomonDescription")->setText(FromCp932(click.description));
  }
  for (const char* name : {"ComboBoxHTMLSearch", "ComboBoxGridSearch"}) {
    findChild<QComboBox*>(name)->setEditText(FromCp932(click.searchText));
  }
  if (click.line) {
    ui_.SetStatusPanel(0, " [ " + std::to_string(*click.line) + " / 1 ]");
  }
}

void TAMainForm::OnMainListClicked(const ResultEntryClick& click) {
  OnResultClicked(click);
  if (!click.line) return;
  ui_.ShowPage("PGRightTab02TextGrid");
  SelectGridRow(*click.line);
  const QString description = findChild<QLabel*>("LabelCoomonDescription")->text();
  findChild<QComboBox*>("ComboBoxFindSrc")->setEditText(description.left(8));
}

void TAMainForm::SelectGridRow(std::size_t row) {
  const int index = static_cast<int>(row) - 1;
  if (index < 0 || index >= gridModel_->rowCount()) return;
  const QModelIndex cell = gridModel_->index(index, 1);
  grid_->setCurrentIndex(cell);
  grid_->scrollTo(cell, QAbstractItemView::PositionAtTop);
}

void TAMainForm::tbRightGridSeachGoClick() {
  const std::string findText = ToCp932(gridFindBox_->currentText());
  gridSearch_.currentRow = static_cast<std::size_t>(qMax(0, grid_->currentIndex().row()) + 1);
  korva::tbRightGridSeachGoClick(doc_.MinutesTextStringGrid, findText, gridSearch_, ui_);
  SelectGridRow(gridSearch_.currentRow);
}

void TAMainForm::tbRightGridSeachPasteClick() {
  gridFindBox_->setEditText(FromCp932(GetFromClipboard(ui_, 30)));
  if (!gridFindBox_->currentText().isEmpty()) tbRightGridSeachGoClick();
}

void TAMainForm::tbRightGridSeachClearClick() {
  gridFindBox_->setEditText(QString());
}

void TAMainForm::tbRightGridTopClick() {
  SelectGridRow(1);
}

void TAMainForm::tbRightGridBottomClick() {
  SelectGridRow(static_cast<std::size_t>(gridModel_->rowCount()));
}

void TAMainForm::Copy1Click() {
  activeEditor_->copy();
}

void TAMainForm::Cut1Click() {
  activeEditor_->cut();
}

void TAMainForm::Paste1Click() {
  activeEditor_->paste();
}

void TAMainForm::Delete1Click() {
  activeEditor_->DeleteSelection();
}

void TAMainForm::Undo1Click() {
  activeEditor_->undo();
}

void TAMainForm::Selectall1Click() {
  activeEditor_->selectAll();
}

}  // namespace korva::app
