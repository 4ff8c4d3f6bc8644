#include "settings/ini_settings.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "platform/program.h"
#include "session/captions.h"
#include "settings/path_rules.h"
#include "settings/settings_table.h"
#include "text/codec.h"
#include "text/literal.h"
#include "text/path_text.h"

namespace korva {
using namespace literals;

namespace {

// Sections in the order the reader visits them: [HTML] SaveFile must come
// before [Local] Html, and the three-file folder before the paths relative to it.
constexpr std::string_view kReadOrder[] = {
    "File",     "HTML", "Local",        "Web",    "Minutes",    "Sentense",
    "Speaker",  "Mark", "LeftLink",     "Roster", "Annotation", "Quotation",
    "Document", "Menu", "FormPosition", "Pane",   "CheckBox",   "ExtraTitles",
};

bool FolderExists(const std::string& cp932) {
  std::error_code ec;
  return !cp932.empty() && std::filesystem::is_directory(ToFsPath(cp932), ec);
}

bool FileExists(const std::string& cp932) {
  std::error_code ec;
  return !cp932.empty() && std::filesystem::is_regular_file(ToFsPath(cp932), ec);
}

}  // namespace

// The text of a settings file as CP932. A file a text editor saved as UTF-8
// (valid UTF-8 holding a multi-byte sequence, or opening with a byte-order
// mark) is practically never Shift_JIS, so it is converted; the note says so.
std::string SettingsText(std::string bytes, std::optional<std::string>* note) {
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  const bool bom = std::string_view(bytes).starts_with(kBom);
  const bool multiByte = std::any_of(bytes.begin(), bytes.end(),
                                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  if (!bom && !(multiByte && IsValidUtf8(bytes))) return bytes;
  if (bom) bytes.erase(0, kBom.size());
  std::vector<std::size_t> replaced;
  std::string text = Utf8ToCp932(bytes, &replaced);
  if (note) {
    *note = "read as UTF-8, not Shift_JIS (a save writes it back in Shift_JIS)";
    if (!replaced.empty()) {
      **note += "; " + std::to_string(replaced.size()) +
                " character(s) Shift_JIS cannot hold became \"〓\"";
    }
  }
  return text;
}

namespace {

// The label that shows the absolute path of a setting kept relative.
std::string* LabelFor(Settings& s, std::string_view name) {
  if (name == "BtnEditLocalCSSFile") return &s.LabelLocalCSSbsoluteRelativePath;
  if (name == "BtnEditLocalReturn2Home") return &s.LabelLocalReturn2HomePath;
  if (name == "BtnEditLocalReturn2Top") return &s.LabelLocalReturn2TopPath;
  if (name == "BtnEditLocalReturn2list") return &s.LabelLocalReturn2listPath;
  return nullptr;
}

// The "【 file 】" label slot of an include-file setting, or -1.
int IncludeSlot(std::string_view name) {
  constexpr std::string_view kNames[] = {
      "BtnEditLocalHeadInclude", "BtnEditLocalTopFrameInclude", "BtnEditLocalSidelinkInclude",
      "BtnEditWebHeadInclude",   "BtnEditWebTopframeInclude",   "BtnEditWebSidelinkInclude"};
  for (int i = 0; i < 6; ++i) {
    if (kNames[i] == name) return i;
  }
  return -1;
}

void ReadRow(const SettingRow& row, const IniFile& ini, Settings& s, Document& doc,
             std::vector<IniProblem>& notes) {
  if (row.rule == ReadRule::NotRead) return;
  const std::optional<std::string> stored = ini.Get(row.section, row.key);
  const std::string current = SettingValueText(s, row);
  const std::string fallback(row.fallback);

  switch (KindOf(row)) {
    case SettingKind::Boolean: {
      // Any non-zero integer is true; missing or not a number is false.
      const auto number = stored ? ParseSettingInteger(*stored) : std::nullopt;
      SetSettingFromText(s, row, number && *number != 0 ? "1" : "0");
      return;
    }
    case SettingKind::Integer: {
      // A missing or empty value falls back quietly; a wrong one is named.
      const auto number = stored ? ParseSettingInteger(*stored) : std::nullopt;
      if (number && row.range.Contains(*number)) {
        SetSettingFromText(s, row, std::to_string(*number));
        return;
      }
      const std::string used = fallback.empty() ? current : fallback;
      if (stored && !stored->empty()) {
        const std::string why =
            number ? "is not " + RangeText(row.range) : std::string("is not a whole number");
        notes.push_back({ini.LineNo(row.section, row.key),
                         "[" + std::string(row.section) + "] " + std::string(row.key) + "=" +
                             Cp932ToUtf8Lossy(*stored) + " " + why + "; " + used + " is used"});
      }
      SetSettingFromText(s, row, used);
      return;
    }
    case SettingKind::String:
      break;
  }

  // A key the file lacks keeps the value the control already has.
  std::string value = stored.value_or(current);
  switch (row.rule) {
    case ReadRule::FolderMustExist:
      if (!FolderExists(value)) value.clear();
      break;
    case ReadRule::FileMustExist:
      if (!FileExists(value)) value.clear();
      if (const int slot = IncludeSlot(row.name); slot >= 0) {
        doc.IncludeFileLabels[slot] =
            value.empty() ? std::string() : "【 "_sj + ExtractFileName(value) + " 】"_sj;
      }
      break;
    case ReadRule::RelativeTo3FileFolder: {
      std::string* label = LabelFor(s, row.name);
      std::string resolved;
      if (!s.BtnEdit3FileFolder.empty() && !value.empty()) {
        resolved = ResolveAgainstFolder(s.BtnEdit3FileFolder, value);
      }
      if (resolved.empty() || !FileExists(resolved)) {
        value.clear();
        resolved.clear();
      }
      if (label) *label = resolved;
      if (row.name == "BtnEditLocalCSSFile") {
        doc.EditorCSSText.clear();
        doc.LabelRightTab04CSSFilename.clear();
      }
      break;
    }
    case ReadRule::NonEmptyOrFallback:
      if (value.empty()) value = Sj(fallback);
      break;
    default:
      break;
  }
  SetSettingFromText(s, row, value);
}

}  // namespace

std::string SaveFailedMessage(const FileError& error) {
  return "【 "_sj + Sj(error.path) + " 】を保存できませんでした。"_sj + "\r\n\r\n" +
         Sj(error.reason) + "\r\n\r\n" + "前のファイルは、そのまま残っています。"_sj;
}

IniLoadResult LoadIniSettings(const std::string& path, Settings& settings, Document& doc, Ui& ui) {
  const std::filesystem::path fsPath = ToFsPath(path);
  std::error_code ec;
  if (path.empty() || !std::filesystem::exists(fsPath, ec)) {
    doc.ProjectClearedFlag = false;
    return {};
  }
  ReadResult read = ReadFileBytes(fsPath);
  if (read.error) {
    IniLoadResult result;
    result.error = read.error;
    ui.Warning(Sj(read.error->Describe()));
    doc.ProjectClearedFlag = false;
    return result;
  }
  return ReadIniSettingsText(std::move(read.bytes), settings, doc, ui);
}

IniLoadResult ReadIniSettingsText(std::string bytes, Settings& settings, Document& doc, Ui& ui) {
  IniLoadResult result;
  std::optional<std::string> utf8Note;
  const IniFile ini = IniFile::Parse(SettingsText(std::move(bytes), &utf8Note));
  result.problems = ini.Problems();
  if (utf8Note) result.notes.push_back({0, *utf8Note});

  const auto table = SettingsTable();
  for (std::string_view section : kReadOrder) {
    for (const auto& row : table) {
      if (row.section == section) ReadRow(row, ini, settings, doc, result.notes);
    }
  }

  doc.DefaultFolder = settings.SavedDefaultFolder;
  StatusbarDefFolder(ui, doc.DefaultFolder);
  doc.MinutesFileName = settings.SavedMinutesFileName;
  if (settings.SavedProjectFileName.empty()) MessageProjectLoaded(doc, ui, "", 2);

  result.loaded = true;
  doc.ProjectClearedFlag = false;
  return result;
}

int UpdateIniFile(const std::string& path, Ui& ui, const FileWriter& writer,
                  const std::function<void(IniFile&)>& edit) {
  const std::filesystem::path fsPath = ToFsPath(path);
  IniFile ini;
  std::error_code ec;
  if (std::filesystem::exists(fsPath, ec)) {
    // Without the old text its unknown lines would be lost: do not write.
    ReadResult read = ReadFileBytes(fsPath);
    if (read.error) {
      ui.Warning(SaveFailedMessage(*read.error));
      return -1;
    }
    ini = IniFile::Parse(SettingsText(std::move(read.bytes), nullptr));
  }
  edit(ini);
  if (auto error = writer(fsPath, ini.Serialize())) {
    ui.Warning(SaveFailedMessage(*error));
    return -1;
  }
  return 0;
}

namespace {

// Sets the rows `keep` takes in `ini`, where they stand.
template <typename Keep>
void StoreRows(IniFile& ini, const Settings& settings, Keep keep) {
  for (const auto& row : SettingsTable()) {
    if (row.section.empty() || !keep(row)) continue;
    ini.Set(row.section, row.key, SettingValueText(settings, row));
  }
}

template <typename Keep>
int WriteRows(const std::string& path, const Settings& settings, Ui& ui, const FileWriter& writer,
              Keep keep) {
  return UpdateIniFile(path, ui, writer, [&](IniFile& ini) { StoreRows(ini, settings, keep); });
}

}  // namespace

void StoreSavedSettings(IniFile& ini, const Settings& settings) {
  StoreRows(ini, settings, [](const SettingRow& row) { return row.writtenBySave; });
}

int SaveIniSettings(const std::string& path, Settings& settings, Document& doc, Ui& ui,
                    const FileWriter& writer) {
  settings.SavedProjectFileName = doc.ProjectFileName;
  settings.SavedDefaultFolder = doc.DefaultFolder;
  settings.SavedMinutesFileName = doc.MinutesFileName;
  const int result =
      UpdateIniFile(path, ui, writer, [&](IniFile& ini) { StoreSavedSettings(ini, settings); });
  if (result == 0) StatusbarClearSaveMessage(doc, ui);
  return result;
}

std::filesystem::path GetInf(const std::filesystem::path& folder, std::string_view baseName) {
  std::error_code ec;
  std::vector<std::filesystem::path> matches;
  std::filesystem::directory_iterator it(folder, ec);
  if (ec) return {};
  auto lower = [](std::string text) {
    for (char& c : text) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
  };
  // File names are UTF-8 here, where ASCII folding never touches a multi-byte character.
  const std::string prefix = lower(std::string(baseName));
  for (const auto& entry : it) {
    const std::string name = lower(Utf8FromPath(entry.path().filename()));
    if (name.size() < prefix.size() + 4 || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - 4, 4, ".inf") != 0) {
      continue;
    }
    std::error_code dirEc;
    if (entry.is_directory(dirEc)) continue;
    matches.push_back(entry.path().filename());
  }
  if (matches.empty()) return {};
  return *std::min_element(matches.begin(), matches.end());
}

std::optional<std::filesystem::path> UserConfigFolder() {
  return platform::UserSettingsFolder();
}

std::optional<std::filesystem::path> FindSettingsFile(
    const std::filesystem::path& programFolder, std::string_view baseName,
    const std::optional<std::filesystem::path>& userFolder) {
  if (auto name = GetInf(programFolder, baseName); !name.empty()) return programFolder / name;
  if (userFolder) {
    if (auto name = GetInf(*userFolder, baseName); !name.empty()) return *userFolder / name;
  }
  return std::nullopt;
}

int FindIniFileAtStartUp(Document& doc, Ui& ui,
                         const std::optional<std::filesystem::path>& userFolder) {
  auto found =
      FindSettingsFile(ToFsPath(doc.AppFolder), Cp932ToUtf8Lossy(doc.AppBaseName), userFolder);
  if (!found) {
    ui.Warning("本ソフトの【 設定ファイル  】が見つかりません"_sj);
    return -1;
  }
  doc.IniFileName = FromFsPath(*found);
  return 0;
}

int ManuSettingsSaveClick(Settings& settings, Document& doc, Ui& ui, const FileWriter& writer) {
  if (doc.IniFileName.empty()) return -1;
  settings.MenuSettingsReInitialize = false;
  return SaveIniSettings(doc.IniFileName, settings, doc, ui, writer);
}

bool MenuViewMaximizedClick(Settings& settings, const Document& doc) {
  if (!doc.UIReady) return false;
  settings.MenuViewMaximized = !settings.MenuViewMaximized;
  return true;
}

void MenuViewStayOnTopClick(Settings& settings) {
  settings.MenuViewStayOnTop = !settings.MenuViewStayOnTop;
}

int MenuSettingsThisPositionAndSizeClick(Settings& settings, Document& doc, Ui& ui,
                                         const WindowGeometry& geometry, const FileWriter& writer) {
  if (!FileExists(doc.IniFileName)) return -1;
  settings.FormPositionTop = geometry.top;
  settings.FormPositionLeft = geometry.left;
  settings.FormPositionWidth = geometry.width;
  settings.FormPositionHeight = geometry.height;
  settings.PaneWidth = geometry.paneWidth;
  return WriteRows(doc.IniFileName, settings, ui, writer, [](const SettingRow& row) {
    return row.section == "FormPosition" || (row.section == "Pane" && row.key == "Width");
  });
}

std::string WarningMsgFileNotFoudText(const std::string& fileName, const std::string& folder) {
  const std::string gap = "\r\n\r\n";
  return "【 "_sj + fileName + " 】が"_sj + gap + "フォルダー【 "_sj + folder + " 】"_sj + gap +
         "に存在しません。"_sj + gap +
         "保存する［ ｈｔｍｌ ］ファイルと、同じ［ フォルダー ］に"_sj + gap +
         "             【  tryout.css  】"_sj + gap + "　入れてください。"_sj;
}

void WarningMsgFileNotFoud(Ui& ui, const std::string& fileName, const std::string& folder) {
  ui.Warning(WarningMsgFileNotFoudText(fileName, folder));
}

}  // namespace korva
