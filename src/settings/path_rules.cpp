#include "settings/path_rules.h"

#include <filesystem>
#include <vector>

#include "intake/open_minutes.h"
#include "publishing/folder_checks.h"
#include "session/captions.h"
#include "session/files.h"
#include "settings/dialogs.h"
#include "settings/settings_table.h"
#include "text/literal.h"
#include "text/path_text.h"
#include "text/sjis.h"

namespace korva {
using namespace literals;

namespace {

namespace fs = std::filesystem;

std::string Slashed(const std::string& path) {
  return sjis::ReplaceAll(path, "\\", "/");
}

// The components of a normalised path, without the empty one a trailing separator leaves.
std::vector<fs::path> Components(const std::string& cp932) {
  std::vector<fs::path> parts;
  for (const auto& part : ToFsPath(Slashed(cp932)).lexically_normal()) {
    if (!part.empty()) parts.push_back(part);
  }
  return parts;
}

std::string PickStart(const Document& doc) {
  return doc.DefaultFolder;
}

// Saves the settings file after a change, when there is one.
int SaveAfterChange(Settings& s, Document& doc, Ui& ui) {
  if (doc.IniFileName.empty()) return 0;
  return SaveIniSettings(doc.IniFileName, s, doc, ui) == 0 ? 0 : -1;
}

// A folder picked inside the root folder: the HTML save and three-file folders.
int PickFolderInsideRoot(Settings& s, Document& doc, Ui& ui, std::string& setting) {
  if (!CheckRootFolder(s, ui)) return -1;
  auto chosen = ui.ChooseFolder(FolderDialogTitle(), PickStart(doc));
  if (!chosen) return -1;
  const std::string folder = IncludeTrailingSeparator(*chosen);
  if (!IsInsideFolder(s.BtnEditRootFolder, folder)) return -1;
  setting = folder;
  return SaveAfterChange(s, doc, ui);
}

// The folder of a name chosen in the HTML save dialog that proposes "dummy.html".
std::optional<std::string> FolderFromSaveDialog(Ui& ui) {
  auto chosen = ui.ChooseSaveFile(StandardDialog(DialogKind::HtmlSave).title,
                                  StandardDialog(DialogKind::HtmlSave).filter, "dummy.html");
  if (!chosen) return std::nullopt;
  return ExtractFilePath(*chosen);
}

int PickLocalReturnLink(Settings& s, Document& doc, Ui& ui, std::string& setting,
                        std::string& label) {
  if (!CheckRootFolder(s, ui)) return -1;
  auto chosen = ui.ChooseOpenFile(StandardDialog(DialogKind::HtmlOpen).title,
                                  StandardDialog(DialogKind::HtmlOpen).filter, PickStart(doc));
  if (!chosen) return -1;
  const std::string path = ChangeFileExt(*chosen, ".html");
  if (!CheckRootFolderExists(s, ui, path)) return -1;
  label = path;
  setting = RelativeToFolder(s.BtnEdit3FileFolder, path);
  return SaveAfterChange(s, doc, ui);
}

struct IncludeSlot {
  std::string Settings::*setting;
  StringList Document::*list;
  DialogKind dialog;
  const char* page;
  bool needsRoot;
};

// In the order of IncludeFile and of Document::IncludeFileLabels.
const IncludeSlot kIncludeSlots[] = {
    {&Settings::BtnEditLocalHeadInclude, &Document::LocalHeadIncludeList,
     DialogKind::HeadIncludeOpen, "PGRightTab08LocalInclude", true},
    {&Settings::BtnEditLocalTopFrameInclude, &Document::LocalTopFrameIncludeList,
     DialogKind::TopIncludeOpen, "PGRightTab08LocalInclude", true},
    {&Settings::BtnEditLocalSidelinkInclude, &Document::LocalSidelinkIncludeList,
     DialogKind::SideIncludeOpen, "PGRightTab12SidelinkInclude", true},
    {&Settings::BtnEditWebHeadInclude, &Document::WebHeadIncludeList, DialogKind::HeadIncludeOpen,
     "PGRightTab09WebInclude", false},
    {&Settings::BtnEditWebTopframeInclude, &Document::WebTopFrameIncludeList,
     DialogKind::TopIncludeOpen, "PGRightTab09WebInclude", false},
    {&Settings::BtnEditWebSidelinkInclude, &Document::WebSidelinkIncludeList,
     DialogKind::SideIncludeOpen, "PGRightTab12SidelinkInclude", false},
};

int PickInclude(Settings& s, Document& doc, Ui& ui, IncludeFile which) {
  const auto index = static_cast<std::size_t>(which);
  const IncludeSlot& slot = kIncludeSlots[index];
  if (slot.needsRoot && !CheckRootFolder(s, ui)) return -1;
  ui.ShowPage(slot.page);
  auto chosen = ui.ChooseOpenFile(StandardDialog(slot.dialog).title,
                                  StandardDialog(slot.dialog).filter, PickStart(doc));
  if (!chosen) return -1;
  // A file that cannot be read leaves the include in use as it was.
  StringList lines;
  std::string label;
  if (LoadMemoFromFile(*chosen, lines, 0, label) != 0) {
    ui.Warning("【 "_sj + *chosen + " 】を読み込めませんでした。"_sj);
    return -1;
  }
  doc.*slot.list = std::move(lines);
  doc.IncludeFileLabels[index] = std::move(label);
  s.*slot.setting = *chosen;
  return SaveAfterChange(s, doc, ui);
}

}  // namespace

std::string ResolveAgainstFolder(const std::string& folder, const std::string& relative) {
  return FromFsPath((ToFsPath(Slashed(folder)) / ToFsPath(Slashed(relative))).lexically_normal());
}

std::string RelativeToFolder(const std::string& folder, const std::string& path) {
  const fs::path base = ToFsPath(Slashed(folder)).lexically_normal();
  const fs::path target = ToFsPath(Slashed(path)).lexically_normal();
  const fs::path relative = target.lexically_relative(base);
  return Slashed(FromFsPath(relative));
}

bool IsInsideFolder(const std::string& root, const std::string& path) {
  const auto rootParts = Components(root);
  const auto pathParts = Components(path);
  if (rootParts.empty() || pathParts.size() < rootParts.size()) return false;
  for (std::size_t i = 0; i < rootParts.size(); ++i) {
    if (rootParts[i] != pathParts[i]) return false;
  }
  return true;
}

bool HasCssExtension(const std::string& path) {
  const std::string ext = ExtractFileExt(path);
  return ext.size() == 4 && sjis::Find(ext, ".css", 0, sjis::Case::IgnoreAscii) == 0;
}

bool CheckRootFolderExists(const Settings& settings, Ui& ui, const std::string& path) {
  if (!CheckRootFolder(settings, ui)) return false;
  return IsInsideFolder(settings.BtnEditRootFolder, ExtractFilePath(path));
}

int sbSaveRootFolderClick(Settings& s, Document& doc, Ui& ui) {
  auto chosen = ui.ChooseFolder(FolderDialogTitle(), PickStart(doc));
  if (!chosen) return -1;
  s.BtnEditRootFolder = IncludeTrailingSeparator(*chosen);
  s.BtnEditHTMLSaveFolder.clear();
  s.ComboBoxHTMLFile.clear();
  doc.DefaultFolder = s.BtnEditRootFolder;
  StatusbarDefFolder(ui, doc.DefaultFolder);
  return SaveAfterChange(s, doc, ui);
}

int sbSaveHTMLFolderClick(Settings& s, Document& doc, Ui& ui) {
  return PickFolderInsideRoot(s, doc, ui, s.BtnEditHTMLSaveFolder);
}

int SpeedButton1Click(Settings& s, Document& doc, Ui& ui) {
  return PickFolderInsideRoot(s, doc, ui, s.BtnEdit3FileFolder);
}

int BtnEditRootFolderButtonClick(Settings& s, Document& doc, Ui& ui) {
  auto folder = FolderFromSaveDialog(ui);
  if (!folder) return -1;
  s.BtnEditRootFolder = *folder;
  return SaveAfterChange(s, doc, ui);
}

int BtnEditHTMLSaveFolderButtonClick(Settings& s, Document& doc, Ui& ui) {
  if (!CheckRootFolder(s, ui)) return -1;
  auto chosen = ui.ChooseSaveFile(StandardDialog(DialogKind::HtmlSave).title,
                                  StandardDialog(DialogKind::HtmlSave).filter, "dummy.html");
  if (!chosen) return -1;
  const std::string path = ChangeFileExt(*chosen, ".html");
  s.BtnEditHTMLSaveFolder = ExtractFilePath(path);
  const std::string name = ExtractFileName(path);
  s.ComboBoxHTMLFile = name == "dummy.html" ? std::string("dummy") : name;
  return SaveAfterChange(s, doc, ui);
}

int BtnEdit3FileFolderButtonClick(Settings& s, Document& doc, Ui& ui) {
  if (!CheckRootFolder(s, ui)) return -1;
  auto folder = FolderFromSaveDialog(ui);
  if (!folder) return -1;
  if (!IsInsideFolder(s.BtnEditRootFolder, *folder)) return -1;
  s.BtnEdit3FileFolder = *folder;
  return SaveAfterChange(s, doc, ui);
}

int BtnEditLocalCSSFileButtonClick(Settings& s, Document& doc, Ui& ui) {
  if (!CheckRootFolder(s, ui)) return -1;
  ui.ShowPage("PGRightTab04CSSJS");
  auto chosen = ui.ChooseOpenFile(StandardDialog(DialogKind::CssOpen).title,
                                  StandardDialog(DialogKind::CssOpen).filter, PickStart(doc));
  if (!chosen) return -1;
  // The file name must end in ".css"; a folder named "x.css" does not make a style sheet.
  if (!HasCssExtension(*chosen)) {
    s.BtnEditLocalCSSFile.clear();
    s.LabelLocalCSSbsoluteRelativePath.clear();
    return SaveAfterChange(s, doc, ui);
  }
  if (!CheckRootFolderExists(s, ui, *chosen)) return -1;
  s.LabelLocalCSSbsoluteRelativePath = *chosen;
  doc.LabelRightTab04CSSFilename = *chosen;
  s.BtnEditLocalCSSFile = RelativeToFolder(s.BtnEdit3FileFolder, *chosen);
  std::error_code ec;
  if (!s.BtnEditLocalCSSFile.empty() && fs::is_regular_file(ToFsPath(*chosen), ec)) {
    LoadCSSFromFile(*chosen, doc.EditorCSSText, 0, doc.LabelRightTab04CSSFilename);
  }
  return SaveAfterChange(s, doc, ui);
}

int BtnEditLocalReturn2HomeButtonClick(Settings& s, Document& doc, Ui& ui) {
  return PickLocalReturnLink(s, doc, ui, s.BtnEditLocalReturn2Home, s.LabelLocalReturn2HomePath);
}
int BtnEditLocalReturn2TopButtonClick(Settings& s, Document& doc, Ui& ui) {
  return PickLocalReturnLink(s, doc, ui, s.BtnEditLocalReturn2Top, s.LabelLocalReturn2TopPath);
}
int BtnEditLocalReturn2listButtonClick(Settings& s, Document& doc, Ui& ui) {
  return PickLocalReturnLink(s, doc, ui, s.BtnEditLocalReturn2list, s.LabelLocalReturn2listPath);
}

int BtnEditLocalHeadIncludeButtonClick(Settings& s, Document& doc, Ui& ui) {
  return PickInclude(s, doc, ui, IncludeFile::LocalHead);
}
int BtnEditLocalTopFrameIncludeButtonClick(Settings& s, Document& doc, Ui& ui) {
  return PickInclude(s, doc, ui, IncludeFile::LocalTopFrame);
}
int BtnEditLocalSidelinkIncludeButtonClick(Settings& s, Document& doc, Ui& ui) {
  return PickInclude(s, doc, ui, IncludeFile::LocalSidelink);
}
int BtnEditWebHeadIncludeButtonClick(Settings& s, Document& doc, Ui& ui) {
  return PickInclude(s, doc, ui, IncludeFile::WebHead);
}
int BtnEditWebTopframeIncludeButtonClick(Settings& s, Document& doc, Ui& ui) {
  return PickInclude(s, doc, ui, IncludeFile::WebTopFrame);
}
int BtnEditWebSidelinkIncludeButtonClick(Settings& s, Document& doc, Ui& ui) {
  return PickInclude(s, doc, ui, IncludeFile::WebSidelink);
}

int BtnEditWebHTMLFolderButtonClick(Settings& s, Document& doc, Ui& ui) {
  auto folder = FolderFromSaveDialog(ui);
  if (!folder) return -1;
  s.BtnEditWebHTMLFolder = *folder;
  return SaveAfterChange(s, doc, ui);
}

int BtnEditWebCSSFileButtonClick(Settings& s, Document& doc, Ui& ui) {
  const std::string text = ui.ClipboardText();
  if (text.size() > 200) return -1;
  // An address may carry a query after the name ("minutes.css?v=2"), so contains, not ends with.
  if (sjis::Contains(text, ".css", sjis::Case::IgnoreAscii)) {
    s.BtnEditWebCSSFile = GetFromClipboard(ui, 100);
    ui.ShowPage("PGRightTab04CSSJS");
  } else {
    s.BtnEditWebCSSFile.clear();
  }
  return SaveAfterChange(s, doc, ui);
}

int BtnEditWebDomainButtonClick(Settings& s, Ui& ui) {
  s.BtnEditWebDomain = GetFromClipboard(ui, 100);
  return 0;
}
int BtnEditWebReturn2HomeButtonClick(Settings& s, Ui& ui) {
  s.BtnEditWebReturn2Home = GetFromClipboard(ui, 100);
  return 0;
}
int BtnEditWebReturn2TopButtonClick(Settings& s, Ui& ui) {
  s.BtnEditWebReturn2Top = GetFromClipboard(ui, 100);
  return 0;
}
int BtnEditWebReturn2ListButtonClick(Settings& s, Ui& ui) {
  s.BtnEditWebReturn2List = GetFromClipboard(ui, 100);
  return 0;
}

int sbLocalTopFrameCaptionPasteClick(Settings& s, Ui& ui) {
  s.BtnEditLocalTopFrameCaption = GetFromClipboard(ui, 255);
  return 0;
}

int ComboBoxHTMLFileChange(Settings& s, Document& doc, Ui& ui, const std::string& text) {
  s.ComboBoxHTMLFile = text;
  return SaveAfterChange(s, doc, ui);
}

void ClearIncludeFile(Settings& s, Document& doc, Ui& ui, IncludeFile which) {
  const auto index = static_cast<std::size_t>(which);
  const IncludeSlot& slot = kIncludeSlots[index];
  (s.*slot.setting).clear();
  (doc.*slot.list).clear();
  doc.IncludeFileLabels[index].clear();
  ui.ShowPage(slot.page);
}

bool ClearPathSetting(Settings& s, Document& doc, Ui& ui, std::string_view name) {
  constexpr std::string_view kIncludes[] = {
      "BtnEditLocalHeadInclude", "BtnEditLocalTopFrameInclude", "BtnEditLocalSidelinkInclude",
      "BtnEditWebHeadInclude",   "BtnEditWebTopframeInclude",   "BtnEditWebSidelinkInclude"};
  for (std::size_t i = 0; i < std::size(kIncludes); ++i) {
    if (kIncludes[i] != name) continue;
    ClearIncludeFile(s, doc, ui, static_cast<IncludeFile>(i));
    return true;
  }
  const std::pair<std::string_view, std::string*> shownBeside[] = {
      {"BtnEditLocalCSSFile", &s.LabelLocalCSSbsoluteRelativePath},
      {"BtnEditLocalReturn2Home", &s.LabelLocalReturn2HomePath},
      {"BtnEditLocalReturn2Top", &s.LabelLocalReturn2TopPath},
      {"BtnEditLocalReturn2list", &s.LabelLocalReturn2listPath}};
  for (const auto& [setting, label] : shownBeside) {
    if (setting == name) label->clear();
  }
  const SettingRow* row = FindSettingByName(name);
  if (!row || !name.starts_with("BtnEdit")) return false;
  SetSettingFromText(s, *row, "");
  return true;
}

int SaveCSSPane(Document& doc, Ui& ui, const FileWriter& writer) {
  if (doc.EditorCSSText.empty()) {
    ui.Beep();
    return -1;
  }
  std::string path = doc.LabelRightTab04CSSFilename;
  if (path.empty()) {
    const FileDialog& dialog = StandardDialog(DialogKind::CssSave);
    auto chosen = ui.ChooseSaveFile(dialog.title, dialog.filter, "minutes.css");
    if (!chosen) return -1;
    path = ExtractFileExt(*chosen).empty() ? *chosen + dialog.defaultExt : *chosen;
  }
  if (auto error = writer(ToFsPath(path), doc.EditorCSSText)) {
    ui.Warning(SaveFailedMessage(*error));
    return -1;
  }
  doc.LabelRightTab04CSSFilename = path;
  ui.SetStatusPanel(1, "  【  "_sj + path + "  】として保存されました"_sj);
  return 0;
}

void LocalSettingsAllClear(Settings& s, Document& doc, Ui& ui) {
  s.BtnEditRootFolder.clear();
  s.BtnEditHTMLSaveFolder.clear();
  s.BtnEdit3FileFolder.clear();
  s.ComboBoxHTMLFile.clear();
  s.BtnEditLocalCSSFile.clear();
  s.LabelLocalCSSbsoluteRelativePath.clear();
  ui.SetLabelVisible(kFolderWarningLabel, true);
  doc.LocalHeadIncludeList.clear();
  doc.LocalCSSList.clear();
  s.BtnEditLocalTopFrameCaption.clear();
}

void WebSettingsAllClear(Settings& s, Document& doc, Ui& ui) {
  s.BtnEditWebHTMLFolder.clear();
  s.ComboBoxWebHTMLFile.clear();
  s.BtnEditWebHeadInclude.clear();
  s.BtnEditWebTopframeInclude.clear();
  s.BtnEditWebSidelinkInclude.clear();
  s.BtnEditWebCSSFile.clear();
  s.BtnEditWebDomain.clear();
  s.BtnEditWebReturn2Home.clear();
  s.BtnEditWebReturn2Top.clear();
  s.BtnEditWebReturn2List.clear();
  ui.SetLabelVisible(kWebFolderWarningLabel, false);
  doc.WebTopFrameIncludeList.clear();
  doc.WebSidelinkIncludeList.clear();
  doc.WebCSSList.clear();
}

void WebSettingsAllPaste(Settings& s) {
  auto fill = [](std::string& web, const std::string& local) {
    if (web.empty() && !local.empty()) web = local;
  };
  fill(s.ComboBoxWebHTMLFile, s.ComboBoxHTMLFile);
  fill(s.BtnEditWebHeadInclude, s.BtnEditLocalHeadInclude);
  fill(s.BtnEditWebTopframeInclude, s.BtnEditLocalTopFrameInclude);
  fill(s.BtnEditWebCSSFile, s.BtnEditLocalCSSFile);
  fill(s.BtnEditWebReturn2Home, s.BtnEditLocalReturn2Home);
  fill(s.BtnEditWebReturn2Top, s.BtnEditLocalReturn2Top);
  fill(s.BtnEditWebReturn2List, s.BtnEditLocalReturn2list);
}

void ClearAllHTMLLocalFolder(Settings& s, Document& doc, Ui& ui) {
  s.BtnEditRootFolder.clear();
  s.BtnEditHTMLSaveFolder.clear();
  s.BtnEdit3FileFolder.clear();
  s.ComboBoxHTMLFile.clear();
  s.BtnEditLocalCSSFile.clear();
  s.BtnEditLocalHeadInclude.clear();
  s.BtnEditLocalSidelinkInclude.clear();
  s.BtnEditWebSidelinkInclude.clear();
  doc.DefaultFolder.clear();
  s.LabelLocalCSSbsoluteRelativePath.clear();
  StatusbarDefFolder(ui, doc.DefaultFolder);
}

void ApplySample(Settings& s, Sample sample) {
  switch (sample) {
    case Sample::WebCSSRelative:
      s.BtnEditWebCSSFile = "../css/minutes.css";
      break;
    case Sample::WebCSSDomain:
      s.BtnEditWebCSSFile = "@domain@/common/css/minutes.css";
      break;
    case Sample::WebHome:
      s.BtnEditWebReturn2Home = "@domain@index.html";
      break;
    case Sample::WebTopRelative:
      s.BtnEditWebReturn2Top = "../../top.html";
      break;
    case Sample::WebTopDomain:
      s.BtnEditWebReturn2Top = "@domain@assembly/top.html";
      break;
    case Sample::WebList:
      s.BtnEditWebReturn2List = "../minutes-list.html";
      break;
    case Sample::WebDomain:
      s.BtnEditWebDomain = "https://www.city.example.jp/";
      break;
    case Sample::LocalHome:
      s.BtnEditLocalReturn2Home = "../../../index.html";
      break;
    case Sample::LocalTop:
      s.BtnEditLocalReturn2Top = "../../top.html";
      break;
    case Sample::LocalList:
      s.BtnEditLocalReturn2list = "../minutes-list.html";
      break;
    case Sample::PageTitle:
      s.BtnEditHEADTitle = "例示市議会　平成２６年１２月定例会"_sj;
      break;
    case Sample::TopFrameCaption:
      s.BtnEditLocalTopFrameCaption =
          "<span class=\"big\">例示市議会</span>　<span class=\"medium\">平成２６年１２月定例会</span>"_sj;
      break;
  }
}

}  // namespace korva
