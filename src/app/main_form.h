// TAMainForm: the main window. It owns the settings and the document, shows
// them, and runs the core's commands when the user asks; every rule lives in
// the core, which talks back through the window's Ui.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "app/editor/pane_search_bar.h"
#include "app/editor/rich_edit_ex.h"
#include "app/prompter.h"
#include "app/window_ui.h"
#include "intake/open_minutes.h"
#include "session/document.h"
#include "session/pane_search.h"
#include "session/tab_layout.h"
#include "settings/settings.h"
#include "tools/browser.h"
#include "tools/process_launcher.h"

class QLabel;
class QSplitter;
class QTableView;
class QComboBox;
class QListWidget;
class QTextBrowser;
class QFrame;
class QToolBar;
class QAction;

namespace korva::app {

class LineTableModel;
class PageControl;
class PageHost;
class ToolWindows;

class TAMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // `programPath` is the program's own file: its folder and base name lead to
  // the settings file.
  explicit TAMainForm(const std::filesystem::path& programPath, QWidget* parent = nullptr);
  ~TAMainForm() override;

  // Finds and reads the settings, reopens the last minutes and may schedule
  // the generation. False when there is no settings file: the program ends.
  bool FormShow(const std::optional<std::filesystem::path>& userFolder);

  Settings& settings() { return settings_; }
  Document& document() { return doc_; }
  WindowUi& ui() { return ui_; }
  TRichEditEx* Pane(const QString& name) const;
  TRichEditEx* ActiveEditor() const { return activeEditor_; }

  // Opens a minutes file as "開く" does with the file already chosen (dropped files).
  void OpenDroppedFile(const QString& path);

  // --- tool bar and menu commands (named after their controls) ---
  void tbGlobalMaximizedClick();
  void tbInitialDescriptionlOpenCloseClick();
  void tbSaveHTMLClick();
  void tbSettingsSaveClick();
  void tbOpenProjectPanelClick();
  void MenuFileOpenClick();
  void tbOpenOldClick();
  void tbFileSaveHTMLClick();
  void tbMakeHTMLGoClick();
  void tbOpenIEClick();
  void tbBuildTwoPaneClick();
  void tbMake2OpenIEClick();
  void tbMakeWebHTMLClick();
  void tbMakeNomalClick();
  void tbOpenChromeClick();
  void tbFileTextClearClick();
  void tbNewFileClick();
  void tbMainDocumePasteClick();
  void tbCOPYClick();
  void tbOpenFileWithChromeClick();
  void MenuFileSaveAsClick();
  void MenuTextMakeBodyOnlyClick();
  void MenuTextPrepareMinutesClick();
  void MenuTextMakeNAVOnePaneClick();
  void MenuFileProjectOpenClick();
  void MenuFileProjectSaveASClick();
  void MenuFileProjectClearClick();
  void MenuVieConfirmProjectClick();
  void MenuViewMaximizedClick();
  void MenuViewStayOnTopClick();
  void MenuSettingsThisPositionAndSizeClick();
  void MenuSettingsExampleClick();
  void MenuSettingsSetDefautFolderClick();
  void MenuSettingsRemoveDefaultFolderClick();
  void MenuSettingsViewDefaultFolderClick();
  void MenuSettingsRemoveGlobalFilenameClick();
  void MenuSettingsReInitializeClick();
  void MenuBatchSearchMainTextClick();
  void MenuOtherVersionClick();
  void MenuViewTextGridClick();
  void MenuViewMainTextClick();
  void tbRightGridSeachGoClick();
  void tbRightGridSeachPasteClick();
  void tbRightGridSeachClearClick();
  void tbRightGridTopClick();
  void tbRightGridBottomClick();
  void Copy1Click();
  void Cut1Click();
  void Paste1Click();
  void Delete1Click();
  void Undo1Click();
  void Selectall1Click();
  // The tool windows and panels (windows/main_form_tools.cpp).
  void tbNewWindowForHTMLSrcClick();
  void MenuToolHTMLSourceClick();
  void tbColorPalleteClick();
  void MenuToolBaseConvClick();
  void MenuToolPreviewClick();
  void MenuOtherKeyListClick();
  void MenuOtherAboutClick();
  void tbForWordWrapCopyFromClipbdClick();
  void tbDoWordWrapClick();
  void tbDoAddBackSlashClick();
  void tbDoWordWrapCOPYClick();
  ToolWindows& Tools() { return *tools_; }

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Layout (main_form_layout.cpp).
  void BuildLayout();
  QWidget* BuildTopPanel();
  void BuildMainPage(QWidget* page);
  void BuildLeftPages();
  void BuildRightPages();
  void BuildHelpPages();
  void BuildStatusBar();
  QWidget* BuildPanePage(QWidget* page, const QString& panelName, TRichEditEx* pane,
                         PaneSearchBar* bar);
  void BuildGridPage(QWidget* page);
  TRichEditEx* MakePane(const QString& name, bool wordWrap);

  // Menus and tool bar (main_form_actions.cpp).
  void BuildToolBar(QToolBar* bar);
  void BuildMenus();
  void UndoOwnToggle(const char* actionName);
  void ApplyWindowState();

  // Runs a command of the core: the edited panes and the pages' settings go
  // into the document and settings first, and the window shows the result.
  void RunCommand(const std::function<void()>& command);
  void PullEditedPanes();
  void RefreshViews();
  void ShowPaneText(TRichEditEx* pane, const std::string& text, bool htmlColours);
  void ShowList(QListWidget* list, const StringList& items);
  void ScheduleGeneration();
  // The follow-up the open commands run: the generation, half a second later.
  FollowUpCommand GenerationSoon();
  void SetActiveEditor(TRichEditEx* pane);
  void OnUserEdited();
  void OnLeftPageChosen(const QString& name);
  void OnRightPageChosen(const QString& name);
  void ApplyTabEffect(const TabChangeEffect& effect);
  void SetLeftWidth(int width);
  void SetTopPanelHeight(int height);
  void SetOptionPanelHeight(int height);
  void CollapseTopPanel();
  void ShowCaretPosition();
  void OnMainListClicked(const ResultEntryClick& click);
  void OnResultClicked(const ResultEntryClick& click);
  void SelectGridRow(std::size_t row);

  Settings settings_;
  Document doc_;
  DialogPrompter dialogPrompter_;
  SystemProcessLauncher launcher_;
  DesktopHtmlOpener opener_;
  WindowUi ui_;

  std::unique_ptr<PageHost> pageHost_;  // the settings pages
  std::map<QString, TRichEditEx*> panes_;
  TRichEditEx* activeEditor_ = nullptr;
  std::vector<PaneSearchBar*> searchBars_;
  PaneSearchBar* mainSearch_ = nullptr;
  LineTableModel* gridModel_ = nullptr;
  QTableView* grid_ = nullptr;
  QComboBox* gridFindBox_ = nullptr;
  GridSearchState gridSearch_;
  PageControl* pageControlGlobal_ = nullptr;
  PageControl* pgLeft_ = nullptr;
  PageControl* pgRight_ = nullptr;
  QSplitter* mainSplitter_ = nullptr;
  QFrame* topPanel_ = nullptr;
  QFrame* optionPanel_ = nullptr;
  QTextBrowser* description_ = nullptr;
  QAction* maximizedAction_ = nullptr;
  QAction* stayOnTopAction_ = nullptr;
  QAction* reInitializeAction_ = nullptr;
  ToolWindows* tools_ = nullptr;

  // What each pane shows, so a refresh only replaces what changed.
  std::map<TRichEditEx*, std::size_t> shownHashes_;
  std::map<QListWidget*, std::size_t> shownListHashes_;
  std::size_t shownTableVersion_ = 0;
  std::size_t bodySourceHash_ = 0;
  bool commandRunning_ = false;
};

}  // namespace korva::app
