#include "settings/projects.h"

#include <filesystem>

#include "intake/file_reset.h"
#include "session/captions.h"
#include "settings/dialogs.h"
#include "settings/resets.h"
#include "text/literal.h"
#include "text/path_text.h"

namespace korva {
using namespace literals;

namespace {

bool FileExists(const std::string& cp932) {
  std::error_code ec;
  return !cp932.empty() && std::filesystem::is_regular_file(ToFsPath(cp932), ec);
}

}  // namespace

std::string ProjectLoadedText(const std::string& path) {
  return "  プロジェクト【 "_sj + path + "  】を開きました"_sj;
}

std::string ProjectSavedText(const std::string& path) {
  return "  プロジェクト【  "_sj + path + "  】として保存されました"_sj;
}

int OpenProject(const std::string& chosen, Settings& s, Document& doc, Ui& ui,
                const FollowUpCommand& makeHTMLGo) {
  const std::string path = ChangeFileExt(chosen, ".mpr");
  // Resetting first would throw the current settings away for nothing.
  if (!FileExists(path)) {
    ui.Warning("【 "_sj + path + " 】が見つかりません。"_sj);
    return -1;
  }
  ReInitialize(s, doc, ui);
  doc.ProjectClearedFlag = false;
  const IniLoadResult loaded = LoadIniSettings(path, s, doc, ui);
  if (!loaded.loaded) return -1;
  doc.ProjectFileName = path;
  ui.SetStatusPanel(2, ProjectLoadedText(path));
  if (FileExists(doc.MinutesFileName)) {
    tbOpenOldClick(s, doc, ui, makeHTMLGo);
  } else {
    ui.ShowPage("PGLeftTab02Project");
    ui.ShowPage("PGRightTab03SpeakerSettings");
    AppTitleCaption(doc, ui, "", -1);
  }
  MessageProjectLoaded(doc, ui, path, 2);
  return 0;
}

int SaveProjectAs(const std::string& chosen, Settings& s, Document& doc, Ui& ui,
                  const FileWriter& writer) {
  const std::string path = ChangeFileExt(chosen, ".mpr");
  if (SaveIniSettings(path, s, doc, ui, writer) != 0) return -1;
  doc.ProjectFileName = path;
  ui.SetStatusPanel(2, ProjectSavedText(path));
  return 0;
}

int MenuFileProjectOpenClick(Settings& s, Document& doc, Ui& ui,
                             const FollowUpCommand& makeHTMLGo) {
  StatusbarClearSaveMessage(doc, ui);
  auto chosen =
      ui.ChooseOpenFile(StandardDialog(DialogKind::ProjectOpen).title,
                        StandardDialog(DialogKind::ProjectOpen).filter, doc.DefaultFolder);
  if (!chosen) return -1;
  return OpenProject(*chosen, s, doc, ui, makeHTMLGo);
}

int MenuFileProjectSaveOverwriteClick(Settings& s, Document& doc, Ui& ui,
                                      const FileWriter& writer) {
  StatusbarClearSaveMessage(doc, ui);
  if (doc.ProjectClearedFlag && !ui.AskYesNo("本当に保存してもいいですか？"_sj)) return -1;
  std::string target = doc.ProjectFileName;
  if (!FileExists(target)) {
    auto chosen = ui.ChooseSaveFile(StandardDialog(DialogKind::ProjectSave).title,
                                    StandardDialog(DialogKind::ProjectSave).filter, "");
    if (!chosen) return -1;
    target = *chosen;
  }
  return SaveProjectAs(target, s, doc, ui, writer);
}

int MenuFileProjectSaveASClick(Settings& s, Document& doc, Ui& ui, const FileWriter& writer) {
  StatusbarClearSaveMessage(doc, ui);
  auto chosen = ui.ChooseSaveFile(StandardDialog(DialogKind::ProjectSave).title,
                                  StandardDialog(DialogKind::ProjectSave).filter, "");
  if (!chosen) return -1;
  if (SaveProjectAs(*chosen, s, doc, ui, writer) != 0) return -1;
  doc.ProjectClearedFlag = false;
  return 0;
}

void MenuVieConfirmProjectClick(Document& doc, Ui& ui) {
  MessageProjectLoaded(doc, ui, "", 2);
}

void MenuFileProjectClearClick(Settings& s, Document& doc, Ui& ui) {
  ReInitialize(s, doc, ui);
  doc.ProjectFileName.clear();
  s.SavedProjectFileName.clear();
  doc.MinutesFileName.clear();
  s.SavedMinutesFileName.clear();
  doc.ProjectClearedFlag = true;
  for (int panel = 0; panel <= 2; ++panel) ui.SetStatusPanel(panel, "");
  ui.ShowPage("PageControlGlobalTab01Main");
  ui.ShowPage("PGLeftTab02Project");
  ui.SetLabelVisible("LabelWarningSettingFolder", true);
  ui.ShowPage("PGRightTab03SpeakerSettings");
}

int MenuSettingsSetDefautFolderClick(Document& doc, Ui& ui) {
  auto chosen = ui.ChooseFolder(FolderDialogTitle(), doc.DefaultFolder);
  if (!chosen) return -1;
  doc.DefaultFolder = IncludeTrailingSeparator(*chosen);
  StatusbarDefFolder(ui, doc.DefaultFolder);
  return 0;
}

void MenuSettingsRemoveDefaultFolderClick(Document& doc, Ui& ui) {
  doc.DefaultFolder.clear();
  StatusbarDefFolder(ui, doc.DefaultFolder);
}

void MenuSettingsViewDefaultFolderClick(Document& doc, Ui& ui) {
  StatusbarDefFolder(ui, doc.DefaultFolder);
}

void MenuSettingsRemoveGlobalFilenameClick(Settings& s, Document& doc, Ui& ui) {
  doc.MinutesFileName.clear();
  s.SavedMinutesFileName.clear();
  AppTitleCaption(doc, ui, "", -1);
  FileReset(doc, ui, 0);
}

}  // namespace korva
