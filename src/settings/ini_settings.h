// Reading and writing the settings file (and project files, which share its
// layout) through the settings table, and finding the settings file.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "session/document.h"
#include "session/files.h"
#include "session/ui.h"
#include "settings/ini_file.h"
#include "settings/settings.h"

namespace korva {

// How files are written; tests put a failing writer here.
using FileWriter =
    std::function<std::optional<FileError>(const std::filesystem::path&, std::string_view)>;

struct IniLoadResult {
  bool loaded = false;               // the file existed and was read
  std::optional<FileError> error;    // it exists but could not be read
  std::vector<IniProblem> problems;  // lines that were kept but not understood
  std::vector<IniProblem> notes;     // values replaced (line 0: the whole file)
};

// Reads every key of the table and applies its reading rule. A missing file
// only clears ProjectClearedFlag. Restores DefaultFolder (shown in the status
// bar) and MinutesFileName into `doc`; the project path stays in
// `settings.SavedProjectFileName` for the caller.
IniLoadResult LoadIniSettings(const std::string& path, Settings& settings, Document& doc, Ui& ui);

// The same for the bytes of such a file, already read.
IniLoadResult ReadIniSettingsText(std::string bytes, Settings& settings, Document& doc, Ui& ui);

// The bytes of a settings file as CP932: a file saved as UTF-8 (with a
// byte-order mark, or valid UTF-8 holding a multi-byte character) is
// converted, and `note`, when given, says so.
std::string SettingsText(std::string bytes, std::optional<std::string>* note);

// Reads `path` (when it exists), lets `edit` change its values and writes it
// back through `writer`, keeping every other line. A file that exists but
// cannot be read is not written. Failures are reported through the Ui.
// Returns 0 when written, -1 otherwise.
int UpdateIniFile(const std::string& path, Ui& ui, const FileWriter& writer,
                  const std::function<void(IniFile&)>& edit);

// Sets every row a save writes in `ini`, where it stands.
void StoreSavedSettings(IniFile& ini, const Settings& settings);

// Writes every saved setting into `path`, updating an existing file in place.
// A failure is reported through the Ui and leaves the old file intact.
// Returns 0 when written, -1 otherwise.
int SaveIniSettings(const std::string& path, Settings& settings, Document& doc, Ui& ui,
                    const FileWriter& writer = WriteFileAtomically);

// The first entry of `folder` (in name order) that is not a folder and whose
// name is `baseName` + anything + ".inf"; empty when none.
std::filesystem::path GetInf(const std::filesystem::path& folder, std::string_view baseName);

// The per-user settings folder: $XDG_CONFIG_HOME/korva, else ~/.config/korva;
// %APPDATA%\korva on Windows.
std::optional<std::filesystem::path> UserConfigFolder();

// GetInf in the program's folder, then in the per-user folder.
std::optional<std::filesystem::path> FindSettingsFile(
    const std::filesystem::path& programFolder, std::string_view baseName,
    const std::optional<std::filesystem::path>& userFolder);

// Start-up: finds the settings file for the program `AppFolder` +
// `AppBaseName` (beside it, then in `userFolder`) and makes it IniFileName.
// With none, shows "本ソフトの【 設定ファイル  】が見つかりません" and returns
// -1: the desktop program ends then; the command line uses its defaults.
int FindIniFileAtStartUp(Document& doc, Ui& ui,
                         const std::optional<std::filesystem::path>& userFolder);

// "設定を保存する": saves to IniFileName when it is set.
int ManuSettingsSaveClick(Settings& settings, Document& doc, Ui& ui,
                          const FileWriter& writer = WriteFileAtomically);

// The tool button "変更した設定を保存する " does the same.
inline int tbSettingsSaveClick(Settings& settings, Document& doc, Ui& ui,
                               const FileWriter& writer = WriteFileAtomically) {
  return ManuSettingsSaveClick(settings, doc, ui, writer);
}

// "最大表示": toggles the check, except while start-up or a project load is
// still setting the controls (UIReady clear). Returns whether it toggled; the
// window follows the check.
bool MenuViewMaximizedClick(Settings& settings, const Document& doc);
// "常に手前に": toggles the check; the window follows it.
void MenuViewStayOnTopClick(Settings& settings);

struct WindowGeometry {
  int top = 0, left = 0, width = 0, height = 0, paneWidth = 0;
};

// "この位置に、このこサイズで出現させる": keeps the window geometry and writes
// only [FormPosition] and [Pane] Width, when the settings file exists.
int MenuSettingsThisPositionAndSizeClick(Settings& settings, Document& doc, Ui& ui,
                                         const WindowGeometry& geometry,
                                         const FileWriter& writer = WriteFileAtomically);

// The text of the dialog that tells a needed file is missing from a folder.
std::string WarningMsgFileNotFoudText(const std::string& fileName, const std::string& folder);
void WarningMsgFileNotFoud(Ui& ui, const std::string& fileName, const std::string& folder);

// The message for a file that could not be written (CP932).
std::string SaveFailedMessage(const FileError& error);

}  // namespace korva
