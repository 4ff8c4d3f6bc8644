// One row per setting: the member it binds, where the settings file keeps it
// and how a read value is checked. The INI store, the desktop binding and the
// command line's --set all walk this table; adding a setting is one row.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "settings/settings.h"

namespace korva {

enum class SettingKind { String, Integer, Boolean };

// The values an integer setting may take, both ends included.
struct IntRange {
  int low = INT32_MIN;
  int high = INT32_MAX;
  constexpr bool Contains(long long value) const { return value >= low && value <= high; }
};
inline constexpr IntRange kPositive{1, INT32_MAX};
inline constexpr IntRange kNotNegative{0, INT32_MAX};

enum class ReadRule {
  Set,                    // taken as it stands
  NotRead,                // written, never read back
  FolderMustExist,        // emptied when the folder no longer exists
  FileMustExist,          // emptied when the file no longer exists
  RelativeTo3FileFolder,  // kept only when it resolves, against the 3-file folder, to a file
  NonEmptyOrFallback,     // an empty text becomes `fallback` (UTF-8 in the table)
  RangeOrFallback,        // an integer outside `range`, or none, becomes `fallback`
};

using SettingMember = std::variant<std::string Settings::*, int Settings::*, bool Settings::*>;

struct SettingRow {
  constexpr SettingRow(std::string_view name_, SettingMember member_, std::string_view section_,
                       std::string_view key_, ReadRule rule_ = ReadRule::Set,
                       std::string_view fallback_ = {}, IntRange range_ = {},
                       bool writtenBySave_ = true)
      : name(name_),
        member(member_),
        section(section_),
        key(key_),
        rule(rule_),
        fallback(fallback_),
        range(range_),
        writtenBySave(writtenBySave_) {}

  std::string_view name;  // the control name (the member's name)
  SettingMember member;
  std::string_view section;  // empty: the setting is not saved
  std::string_view key;
  ReadRule rule = ReadRule::Set;
  std::string_view fallback;  // for the *OrFallback rules
  // Integers: what the control takes, wherever the value comes from (the
  // settings file, --set, a tool's own option).
  IntRange range;
  // False for the rows only the window-position command writes.
  bool writtenBySave = true;
};

// Rows in the order the settings writer writes them.
std::span<const SettingRow> SettingsTable();

SettingKind KindOf(const SettingRow& row);

// The first row whose control name is `name` (exact), or nullptr.
const SettingRow* FindSettingByName(std::string_view name);

// The value of a row's member as text: CP932 for strings, decimal for
// integers, "1"/"0" for Booleans.
std::string SettingValueText(const Settings& settings, const SettingRow& row);

// Sets a row's member from text. Integers must be decimal numbers (leading
// sign allowed) within the row's range and Booleans "1"/"0" (any non-zero
// integer is true). Returns an error message (UTF-8) when the text does not
// fit, leaving the member as it was.
std::optional<std::string> SetSettingFromText(Settings& settings, const SettingRow& row,
                                              std::string_view text);

// "between 0 and 20", or "0 or more" for a range without an upper end.
std::string RangeText(const IntRange& range);

// A decimal integer with an optional sign, the whole text; nullopt otherwise.
std::optional<long long> ParseSettingInteger(std::string_view text);

}  // namespace korva
