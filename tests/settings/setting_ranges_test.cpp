// Every integer setting takes one range, wherever its value comes from.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

#include "settings/ini_settings.h"
#include "settings/settings_table.h"
#include "support/recording_ui.h"
#include "support/temp_folder.h"

namespace korva {
namespace {
using korva::testing::RecordingUi;
using korva::testing::TempFolder;

struct Range {
  const char* name;
  long long low, high;
  int fallback;  // what a settings file's bad value becomes
};

// The ranges of the controls; "unbounded" limits are 0 or more (lengths) or
// 1 or more (sizes and positions the window takes).
constexpr long long kMax = INT32_MAX;
const Range kRanges[] = {
    {"SpinEditYakushokuPos", 2, 20, 4},         {"SpinEditShimeiPos", 10, 50, 32},
    {"SpinEditYakushokuPos2", 2, 60, 56},       {"SpinEditShimeiPos2", 10, 120, 68},
    {"SpinEditAnnotateLeadingZSP", 10, 50, 24}, {"SpinEditQuotationLeadingZSP", 0, 50, 0},
    {"SpinEditDocumentColorCount", 0, 8, 0},    {"SpinEditLowerLimit", 0, 20, 16},
    {"SpinEditLineLimit", 0, kMax, 60},         {"RadioGroupCategory", 0, 7, 0},
    {"RadioGroupSaveCharSet", 0, 1, 0},         {"PaneWidth", 1, kMax, 230},
    {"FormPositionTop", 1, kMax, 100},          {"FormPositionLeft", 1, kMax, 100},
    {"FormPositionWidth", 1, kMax, 500},        {"FormPositionHeight", 1, kMax, 300}};

TEST(SettingRanges, EveryIntegerSettingIsListed) {
  std::set<std::string> table, listed;
  for (const auto& row : SettingsTable()) {
    if (KindOf(row) == SettingKind::Integer) table.emplace(row.name);
  }
  for (const Range& r : kRanges) listed.emplace(r.name);
  EXPECT_EQ(table, listed);
}

TEST(SettingRanges, SetTakesEachEndAndRefusesJustBeyond) {
  for (const Range& r : kRanges) {
    const SettingRow* row = FindSettingByName(r.name);
    ASSERT_NE(row, nullptr) << r.name;
    Settings s;
    for (const long long value : {r.low, r.high}) {
      EXPECT_EQ(SetSettingFromText(s, *row, std::to_string(value)), std::nullopt)
          << r.name << "=" << value;
      EXPECT_EQ(SettingValueText(s, *row), std::to_string(value)) << r.name;
    }
    for (const long long value : {r.low - 1, r.high + 1}) {
      const auto error = SetSettingFromText(s, *row, std::to_string(value));
      ASSERT_TRUE(error) << r.name << "=" << value;
      EXPECT_NE(error->find(r.high == kMax ? std::to_string(r.low) + " or more"
                                           : "between " + std::to_string(r.low) + " and " +
                                                 std::to_string(r.high)),
                std::string::npos)
          << *error;
      EXPECT_EQ(SettingValueText(s, *row), std::to_string(r.high)) << "kept, " << r.name;
    }
  }
}

TEST(SettingRanges, TheSettingsFileKeepsEachEndAndNamesWhatItReplaces) {
  TempFolder tmp;
  for (const Range& r : kRanges) {
    const SettingRow* row = FindSettingByName(r.name);
    ASSERT_NE(row, nullptr) << r.name;
    if (row->section.empty()) continue;
    struct {
      long long stored;
      bool inRange;
    } cases[] = {{r.low - 1, false}, {r.low, true}, {r.high, true}, {r.high + 1, false}};
    for (const auto& c : cases) {
      const std::string text = "; settings\r\n[" + std::string(row->section) + "]\r\n" +
                               std::string(row->key) + "=" + std::to_string(c.stored) + "\r\n";
      Settings s;
      Document doc;
      RecordingUi ui;
      const IniLoadResult loaded = LoadIniSettings(tmp.File("r.inf", text), s, doc, ui);
      SCOPED_TRACE(text);
      EXPECT_EQ(SettingValueText(s, *row),
                std::to_string(c.inRange ? c.stored : static_cast<long long>(r.fallback)));
      if (c.inRange) {
        EXPECT_TRUE(loaded.notes.empty());
      } else {
        ASSERT_EQ(loaded.notes.size(), 1u);
        EXPECT_EQ(loaded.notes[0].lineNo, 3u);
        EXPECT_NE(loaded.notes[0].description.find(std::string(row->key) + "=" +
                                                   std::to_string(c.stored)),
                  std::string::npos)
            << loaded.notes[0].description;
      }
    }
  }
}

}  // namespace
}  // namespace korva
