#include "settings/settings_table.h"

#include <gtest/gtest.h>

#include <set>

namespace korva {
namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

TEST(SettingsTable, EveryRowNamesItsMemberAndNoKeyRepeatsInASection) {
  std::set<std::pair<std::string, std::string>> seen;
  std::vector<std::string> sections;
  for (const auto& row : SettingsTable()) {
    // Setting through the name must reach the member that the row binds.
    const SettingRow* byName = FindSettingByName(row.name);
    ASSERT_NE(byName, nullptr) << row.name;
    EXPECT_EQ(byName->member, row.member) << row.name;
    if (row.section.empty()) continue;
    // Keys are looked up without regard to case, so they must differ in more than case.
    EXPECT_TRUE(seen.insert({Lower(row.section), Lower(row.key)}).second)
        << row.section << "/" << row.key;
    if (sections.empty() || sections.back() != row.section) sections.emplace_back(row.section);
  }
  // The writer goes through the table in this section order.
  const std::vector<std::string> order = {
      "File", "Local",    "HTML",   "Web",        "Sentense",    "Speaker",
      "Mark", "LeftLink", "Roster", "Annotation", "Quotation",   "Document",
      "Pane", "Minutes",  "Menu",   "CheckBox",   "FormPosition"};
  EXPECT_EQ(sections, order);
}

TEST(SettingsTable, SetFromTextChecksTheKind) {
  Settings s;
  struct Case {
    const char* name;
    const char* text;
    bool ok;
    const char* after;
  };
  const Case cases[] = {
      {"SpinEditShimeiPos", "40", true, "40"},      {"SpinEditShimeiPos", "+7", true, "7"},
      {"SpinEditShimeiPos", "-3", false, "7"},      {"SpinEditShimeiPos", "4x", false, "7"},
      {"SpinEditShimeiPos", "", false, "7"},        {"SpinEditShimeiPos", "1000", false, "7"},
      {"CheckBoxBindCSS", "1", true, "1"},          {"CheckBoxBindCSS", "0", true, "0"},
      {"CheckBoxBindCSS", "7", true, "1"},          {"CheckBoxBindCSS", "yes", false, "1"},
      {"ComboBoxClassWSC", "chair", true, "chair"}, {"ComboBoxClassWSC", "", true, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + "=" + c.text);
    const SettingRow* row = FindSettingByName(c.name);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(!SetSettingFromText(s, *row, c.text).has_value(), c.ok);
    EXPECT_EQ(SettingValueText(s, *row), c.after);
  }
}

}  // namespace
}  // namespace korva
