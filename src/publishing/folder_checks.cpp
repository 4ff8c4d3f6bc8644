#include "publishing/folder_checks.h"

#include <filesystem>
#include <system_error>

#include "text/literal.h"
#include "text/path_text.h"

namespace korva {
using namespace literals;

std::string FolderWarningText() {
  return "保存する前に、【  ルート／試し用／３ファイル用フォルダー 】を設定してください   "_sj;
}

std::string WebFolderWarningText() {
  return "公開用（ Ｗｅｂ ）のＨＴＭＬ保存フォルダーが設定されていません  "_sj;
}

bool FolderExists(const std::string& folder) {
  if (folder.empty()) return false;
  std::error_code ec;
  return std::filesystem::is_directory(ToFsPath(folder), ec);
}

namespace {

bool FileExists(const std::string& path) {
  if (path.empty()) return false;
  std::error_code ec;
  return std::filesystem::is_regular_file(ToFsPath(path), ec);
}

void ShowFolderWarning(Ui& ui) {
  ui.ShowPage("PGLeftTab02Project");
  ui.SetLabelVisible(kFolderWarningLabel, true);
}

}  // namespace

bool CheckRootFolder(const Settings& settings, Ui& ui) {
  if (!settings.BtnEditRootFolder.empty()) return true;
  ShowFolderWarning(ui);
  return false;
}

int CheckSaveHTMLFolderAndFile(Settings& settings, Ui& ui, std::string* missing) {
  struct Folder {
    const char* name;
    std::string* value;
  };
  const Folder folders[] = {{"BtnEditRootFolder", &settings.BtnEditRootFolder},
                            {"BtnEditHTMLSaveFolder", &settings.BtnEditHTMLSaveFolder},
                            {"BtnEdit3FileFolder", &settings.BtnEdit3FileFolder}};
  for (const Folder& folder : folders) {
    if (FolderExists(*folder.value)) continue;
    if (missing) *missing = std::string(folder.name) + " \"" + *folder.value + "\"";
    folder.value->clear();
    ui.SetLabelVisible(kFolderWarningLabel, true);
    return -1;
  }
  std::string& file = settings.ComboBoxHTMLFile;
  file = file.empty() ? "dummy.html" : ChangeFileExt(file, "");
  return 0;
}

std::string WarningMsg3CSSFileNotFoundText(const std::string& cssFile, const std::string& folder) {
  const std::string gap = "\r\n\r\n";
  return "【 "_sj + cssFile + " 】が"_sj + gap + "フォルダー【 "_sj + folder + " 】"_sj + gap +
         "に存在しません。"_sj + gap + "             【  "_sj + cssFile + " 】"_sj + gap +
         "　を入れて（コピー）ください。"_sj;
}

bool Check3FileCSS(const Settings& settings, Ui& ui) {
  if (settings.BtnEdit3FileFolder.empty()) return false;
  if (FileExists(settings.LabelLocalCSSbsoluteRelativePath)) return true;
  ui.Information(
      WarningMsg3CSSFileNotFoundText(settings.BtnEditLocalCSSFile, settings.BtnEdit3FileFolder));
  return false;
}

bool CheckWebFolderExists(const std::string& folder, Ui& ui) {
  if (FolderExists(folder)) return true;
  ui.ShowPage("PGLeftTab05WebHEAD");
  ui.SetLabelVisible(kWebFolderWarningLabel, true);
  return false;
}

}  // namespace korva
