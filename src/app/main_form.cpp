#include "app/main_form.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSplitter>
#include <QTableView>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

#include "analysis/category_commands.h"
#include "app/line_table_model.h"
#include "app/pages/page_host.h"
#include "app/qt_text.h"
#include "app/settings_binding.h"
#include "app/tab_pages.h"
#include "app/windows/tool_windows.h"
#include "html/document_html.h"
#include "intake/file_reset.h"
#include "intake/open_minutes.h"
#include "publishing/local_set.h"
#include "publishing/nav_file.h"
#include "publishing/web_set.h"
#include "session/captions.h"
#include "session/start_up.h"
#include "settings/ini_settings.h"
#include "settings/projects.h"
#include "settings/resets.h"
#include "text/path_text.h"
#include "text/sjis.h"
#include "tools/browser_commands.h"

namespace korva::app {

namespace {

std::size_t HashOf(std::string_view text) {
  return std::hash<std::string_view>{}(text) ^ text.size();
}

}  // namespace

TAMainForm::TAMainForm(const std::filesystem::path& programPath, QWidget* parent)
    : QMainWindow(parent),
      dialogPrompter_(this),
      opener_(launcher_, XdgDirsFromEnvironment()),
      ui_(*this, dialogPrompter_, opener_) {
  setObjectName("TAMainForm");
  doc_.AppFolder = IncludeTrailingSeparator(FromFsPath(programPath.parent_path()));
  doc_.AppBaseName = FromFsPath(programPath.stem());
  doc_.IniFileName = FromFsPath(std::filesystem::path(programPath).replace_extension(".inf"));
  setWindowTitle(QStringLiteral("Velkorin( KORVA ) [  14.09.24  ]"));
  BuildLayout();
  tools_ = new ToolWindows(*this);
  setAcceptDrops(true);
  resize(1280, 860);
}

TAMainForm::~TAMainForm() = default;

bool TAMainForm::FormShow(const std::optional<std::filesystem::path>& userFolder) {
  StartUpLayout layout;
  RunCommand([&] { layout = korva::FormShow(settings_, doc_, ui_, userFolder); });
  if (!layout.settingsFound) return false;
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  move(qBound(screen.left(), layout.left, screen.right() - 100),
       qBound(screen.top(), layout.top, screen.bottom() - 100));
  resize(width(), qMax(layout.height, 480));
  SetTopPanelHeight(layout.topPanelHeight);
  if (layout.optionPanelHeight) SetOptionPanelHeight(*layout.optionPanelHeight);
  SetLeftWidth(layout.leftWidth);
  if (layout.maximized) showMaximized();
  if (layout.generateSoon) ScheduleGeneration();
  return true;
}

TRichEditEx* TAMainForm::Pane(const QString& name) const {
  const auto found = panes_.find(name);
  return found == panes_.end() ? nullptr : found->second;
}

void TAMainForm::RunCommand(const std::function<void()>& command) {
  // Message boxes run an event loop of their own; a second command must not
  // start from it while the first one is half done.
  if (commandRunning_) return;
  commandRunning_ = true;
  PullEditedPanes();
  ReadSettingsFromControls(*this, settings_);
  command();
  WriteSettingsToControls(settings_, *this);
  RefreshViews();
  ui_.SetWaitCursor(false);
  commandRunning_ = false;
}

void TAMainForm::PullEditedPanes() {
  const std::pair<const char*, std::string*> editable[] = {
      {"EditorMain", &doc_.EditorMainText},
      {"EditorMinutesText", &doc_.EditorMinutesText},
      {"EditorCSS", &doc_.EditorCSSText},
  };
  for (const auto& [name, text] : editable) {
    TRichEditEx* pane = Pane(name);
    if (!pane->EditedByUser()) continue;
    *text = pane->Cp932Text();
    shownHashes_[pane] = HashOf(*text);
    pane->ClearEditedByUser();
  }
}

void TAMainForm::ShowPaneText(TRichEditEx* pane, const std::string& text, bool htmlColours) {
  pane->SetHtmlColouring(htmlColours);
  const std::size_t hash = HashOf(text);
  auto shown = shownHashes_.find(pane);
  if (shown != shownHashes_.end() && shown->second == hash) return;
  shownHashes_[pane] = hash;
  pane->SetCp932Text(text);
}

void TAMainForm::ShowList(QListWidget* list, const StringList& items) {
  std::size_t hash = items.size();
  for (const std::string& item : items) hash = hash * 31 + HashOf(item);
  if (shownListHashes_[list] == hash) return;
  shownListHashes_[list] = hash;
  list->clear();
  for (const std::string& item : items) list->addItem(FromCp932(item));
}

void TAMainForm::RefreshViews() {
  const bool colours = !settings_.CheckBoxDontHighlight;
  // A pane the user is editing shows newer text than the document holds.
  auto show = [&](const char* name, const std::string& text, bool html) {
    TRichEditEx* pane = Pane(name);
    if (!pane->EditedByUser()) ShowPaneText(pane, text, html);
  };
  show("EditorMain", doc_.EditorMainText, false);
  show("EditorMinutesText", doc_.EditorMinutesText, false);
  show("EditorCSS", doc_.EditorCSSText, false);
  show("EditorHTML", doc_.GeneratedHTMLText, colours);
  show("EditorNavOnePane", doc_.NavOnePaneHTMLText, colours);
  // The body pane shows the generated document without the layout marker.
  TRichEditEx* body = Pane("EditorBodyHTML");
  body->SetHtmlColouring(colours);
  const std::size_t generated = HashOf(doc_.GeneratedHTMLText);
  if (!body->EditedByUser() && generated != bodySourceHash_) {
    bodySourceHash_ = generated;
    body->SetCp932Text(BodyPaneText(doc_));
  }
  if (doc_.MinutesTextStringGrid.Version() != shownTableVersion_) {
    shownTableVersion_ = doc_.MinutesTextStringGrid.Version();
    gridModel_->Reload();
  }
  ShowList(mainSearch_->ResultList(), doc_.ListBoxGidaiHatsugen);
  if (auto* memo = findChild<QPlainTextEdit*>("MemoSpeakerAndClass")) {
    const QString text = FromCp932(sjis::JoinLines(
        StringList(doc_.SpeakerSentenceSet.begin(), doc_.SpeakerSentenceSet.end()), true));
    if (memo->toPlainText() != text) memo->setPlainText(text);
  }
  pageHost_->Refresh();
  tools_->AfterRefresh();
}

void TAMainForm::ScheduleGeneration() {
  QTimer::singleShot(kImmediateGenerationDelayMs, this, [this] {
    // A command still waiting for an answer in a message box goes first.
    if (commandRunning_) {
      ScheduleGeneration();
    } else {
      tbMakeHTMLGoClick();
    }
  });
}

void TAMainForm::SetActiveEditor(TRichEditEx* pane) {
  activeEditor_ = pane;
  ShowCaretPosition();
}

void TAMainForm::ShowCaretPosition() {
  if (!activeEditor_) return;
  ui_.SetStatusPanel(0, "  ln " + std::to_string(activeEditor_->CaretLine() + 1) + " col " +
                            std::to_string(activeEditor_->CaretColumn() + 1));
}

void TAMainForm::OnUserEdited() {
  if (commandRunning_) return;
  if (REChange(doc_, ui_, Pane("EditorMain")->LineCount())) RefreshViews();
}

void TAMainForm::OnLeftPageChosen(const QString& name) {
  if (!doc_.UIReady) return;
  ApplyTabEffect(PGLeftChange(name.toStdString()));
}

void TAMainForm::OnRightPageChosen(const QString& name) {
  if (!doc_.UIReady) return;
  ApplyTabEffect(PGRightChange(name.toStdString()));
}

void TAMainForm::ApplyTabEffect(const TabChangeEffect& effect) {
  if (effect.optionPanelHeight) SetOptionPanelHeight(*effect.optionPanelHeight);
  if (effect.leftWidth) SetLeftWidth(*effect.leftWidth);
  if (!effect.showRightPage.empty()) ui_.ShowPage(effect.showRightPage);
  if (!effect.colourPane.empty() && !settings_.CheckBoxDontHighlight) {
    Pane(QString::fromStdString(effect.colourPane))->SetHtmlColouring(true);
  }
  if (!effect.marginPane.empty()) Pane(QString::fromStdString(effect.marginPane))->DoSetREMargin();
}

void TAMainForm::SetLeftWidth(int width) {
  const int total = mainSplitter_->width() > 0 ? mainSplitter_->width() : this->width();
  const int left = qMin(width, total - 200);
  mainSplitter_->setSizes({left, qMax(200, total - left)});
}

void TAMainForm::SetTopPanelHeight(int height) {
  doc_.TopPanelCollapsed = height <= 50;
  description_->setVisible(!doc_.TopPanelCollapsed);
  topPanel_->setMaximumHeight(doc_.TopPanelCollapsed ? QWIDGETSIZE_MAX : height);
}

void TAMainForm::SetOptionPanelHeight(int height) {
  optionPanel_->setFixedHeight(height);
}

void TAMainForm::CollapseTopPanel() {
  settings_.MenuSettingsReInitialize = false;
  SetOptionPanelHeight(208);
  SetTopPanelHeight(doc_.TopPanelCollapsed ? 650 : 50);
}

void TAMainForm::OpenDroppedFile(const QString& path) {
  doc_.DroppedFileName = ToCp932(path.left(255));
  RunCommand([&] {
    StatusbarClearSaveMessage(doc_, ui_);
    OpenChosenMinutesFile(settings_, doc_, ui_, doc_.DroppedFileName, GenerationSoon());
  });
  SetActiveEditor(Pane("EditorMinutesText"));
}

FollowUpCommand TAMainForm::GenerationSoon() {
  return [this](Settings&, Document&, Ui&) { ScheduleGeneration(); };
}

void TAMainForm::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TAMainForm::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  event->acceptProposedAction();
  // Two or more files at once are left alone.
  if (urls.size() != 1 || !urls.front().isLocalFile()) return;
  OpenDroppedFile(urls.front().toLocalFile());
}

}  // namespace korva::app
