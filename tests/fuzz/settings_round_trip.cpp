// The settings file as a clerk may have edited it: read, saved over itself
// and into a new file (in memory), and read back. Every value a save writes
// comes back as it was read.
#include <string>

#include "fuzz_entries.h"
#include "settings/ini_settings.h"
#include "settings/settings_table.h"
#include "support/recording_ui.h"

namespace korva::fuzz {
namespace {

Settings ReadBack(const std::string& bytes) {
  Settings settings;
  Document doc;
  testing::RecordingUi ui;
  ReadIniSettingsText(bytes, settings, doc, ui);
  return settings;
}

std::string Compare(const Settings& saved, const std::string& text, const char* how) {
  const Settings back = ReadBack(text);
  for (const SettingRow& row : SettingsTable()) {
    if (row.section.empty() || !row.writtenBySave || row.rule == ReadRule::NotRead) continue;
    if (SettingValueText(saved, row) != SettingValueText(back, row)) {
      return std::string(how) + ": [" + std::string(row.section) + "] " + std::string(row.key) +
             " does not survive";
    }
  }
  return {};
}

}  // namespace

std::string SettingsRoundTrip(std::string_view input) {
  Settings settings;
  Document doc;
  testing::RecordingUi ui;
  const IniLoadResult loaded = ReadIniSettingsText(std::string(input), settings, doc, ui);
  if (!loaded.loaded || loaded.error) return "the bytes of a file that was read were not loaded";
  // What the program does with a loaded project before a save.
  doc.ProjectFileName = settings.SavedProjectFileName;

  // Saved over itself: every other line stays where it was.
  IniFile ini = IniFile::Parse(SettingsText(std::string(input), nullptr));
  Settings saved = settings;
  saved.SavedProjectFileName = doc.ProjectFileName;
  saved.SavedDefaultFolder = doc.DefaultFolder;
  saved.SavedMinutesFileName = doc.MinutesFileName;
  StoreSavedSettings(ini, saved);
  const std::string over = ini.Serialize();
  // A Shift_JIS file that also reads as UTF-8 is taken for UTF-8: its
  // values cannot come back, whatever the save does.
  if (SettingsText(over, nullptr) == over) {
    if (auto broken = Compare(saved, over, "saved over the old file"); !broken.empty()) {
      return broken;
    }
  }

  // Saved into a new file through the settings writer.
  std::string fresh;
  const FileWriter toMemory = [&fresh](const std::filesystem::path&, std::string_view bytes) {
    fresh.assign(bytes);
    return std::optional<FileError>();
  };
  if (SaveIniSettings("/nonexistent-korva-folder/settings.inf", settings, doc, ui, toMemory) != 0) {
    return "a save to memory failed";
  }
  if (SettingsText(fresh, nullptr) == fresh) return Compare(saved, fresh, "saved as a new file");
  return {};
}

}  // namespace korva::fuzz
