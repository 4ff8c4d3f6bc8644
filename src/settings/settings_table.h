// One row per setting: the member it binds, where the settings file keeps it
// and how a read value is checked. The INI store, the desktop binding and the
// command line's --set all walk this table; adding a setting is one row.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "settings/settings.h"

namespace korva {

enum class SettingKind { String, Integer, Boolean };

// Above this a spin edit's value in a settings file is broken data, not a
// value to bring into range: roster columns and indents are counted in bytes
// of a line.
inline constexpr int kSpinEditMax = 999;

enum class ReadRule {
  Set,                    // taken as it stands
  NotRead,                // written, never read back
  FolderMustExist,        // emptied when the folder no longer exists
  FileMustExist,          // emptied when the file no longer exists
  RelativeTo3FileFolder,  // kept only when it resolves, against the 3-file folder, to a file
  PositiveOrFallback,     // a missing or non-positive integer becomes `fallback`
  NonEmptyOrFallback,     // an empty text becomes `fallback` (UTF-8 in the table)
  CategoryIndex,          // a meeting category 0..7; anything else becomes `fallback`
  SpinEditOrFallback,     // 1..kSpinEditMax brought into the row's range; else `fallback`
};

using SettingMember = std::variant<std::string Settings::*, int Settings::*, bool Settings::*>;

struct SettingRow {
  constexpr SettingRow(std::string_view name_, SettingMember member_, std::string_view section_,
                       std::string_view key_, ReadRule rule_ = ReadRule::Set,
                       std::string_view fallback_ = {}, bool writtenBySave_ = true)
      : name(name_),
        member(member_),
        section(section_),
        key(key_),
        rule(rule_),
        fallback(fallback_),
        writtenBySave(writtenBySave_) {}

  std::string_view name;  // the control name (the member's name)
  SettingMember member;
  std::string_view section;  // empty: the setting is not saved
  std::string_view key;
  ReadRule rule = ReadRule::Set;
  std::string_view fallback;  // for the *OrFallback rules
  // False for the rows only the window-position command writes.
  bool writtenBySave = true;
};

// Rows in the order the settings writer writes them.
std::span<const SettingRow> SettingsTable();

SettingKind KindOf(const SettingRow& row);

// The values an integer row takes: a spin edit's range, a radio group's
// items. Values from a settings file are brought into it, as the control
// would show them; anything else set by name must lie inside.
struct IntegerRange {
  int low;
  int high;
};
IntegerRange RangeOf(const SettingRow& row);

// The first row whose control name is `name` (exact), or nullptr.
const SettingRow* FindSettingByName(std::string_view name);

// The value of a row's member as text: CP932 for strings, decimal for
// integers, "1"/"0" for Booleans.
std::string SettingValueText(const Settings& settings, const SettingRow& row);

// Sets a row's member from text. Integers must be decimal numbers (leading
// sign allowed) and Booleans "1"/"0" (any non-zero integer is true). Returns
// an error message (UTF-8) when the text does not fit the kind.
std::optional<std::string> SetSettingFromText(Settings& settings, const SettingRow& row,
                                              std::string_view text);

}  // namespace korva
