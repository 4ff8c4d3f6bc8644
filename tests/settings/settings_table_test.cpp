#include "settings/settings_table.h"

#include <gtest/gtest.h>

#include <set>

#include "text/literal.h"

namespace korva {
namespace {
using namespace literals;

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
      "Pane", "Minutes",  "Menu",   "CheckBox",   "ExtraTitles", "FormPosition"};
  EXPECT_EQ(sections, order);
}

// The values a fresh program starts with, which a reset and a missing
// settings file fall back to (UTF-8 here).
TEST(SettingsTable, DesignerDefaults) {
  const Settings s;
  using Defaults = std::vector<std::pair<const char*, const char*>>;
  const Defaults strings = {{"ComboBoxID_Header", "line-"},
                            {"ComboBoxP_Class_First", "firstparagraph"},
                            {"ComboBoxDOC_ID", "sentence"},
                            {"ComboBoxClassWDC", "mayor"},
                            {"ComboBoxMarkBFC", "※"},
                            {"ComboBoxSubjectTitle", "議題・発言者"},
                            {"ComboBoxLeftGoTop", "先頭へ戻る"},
                            {"ComboBoxLeftGoBottom", "最終行へ"}};
  const Defaults integers = {
      {"SpinEditYakushokuPos", "4"},        {"SpinEditShimeiPos", "32"},
      {"SpinEditYakushokuPos2", "56"},      {"SpinEditShimeiPos2", "68"},
      {"SpinEditAnnotateLeadingZSP", "24"}, {"SpinEditQuotationLeadingZSP", "0"},
      {"SpinEditDocumentColorCount", "0"},  {"RadioGroupCategory", "0"},
      {"RadioGroupSaveCharSet", "0"}};
  const Defaults booleans = {{"CheckBoxImmediateGo", "1"},      {"CheckBoxSaveAtBuild", "1"},
                             {"CheckBoxOpenIEatSaved", "1"},    {"CheckBoxBindCSS", "0"},
                             {"CheckBoxDontHighlight", "0"},    {"CheckBoxOpenIEDontClose", "0"},
                             {"CheckBoxAlternateBGColor", "1"}, {"CheckBoxBGColorSpeakerBy", "0"},
                             {"CheckBoxLeftLinkDuplicate", "1"}};
  for (const Defaults& expected : {strings, integers, booleans}) {
    for (const auto& [name, value] : expected) {
      const SettingRow* row = FindSettingByName(name);
      ASSERT_NE(row, nullptr) << name;
      EXPECT_EQ(SettingValueText(s, *row), Sj(value)) << name;
    }
  }
}

// A value read wrongly from the settings file becomes its row's fallback,
// and a fresh program starts with its member's initial value: the two are
// written apart and must not drift apart.
TEST(SettingsTable, FallbacksAreTheDesignerDefaults) {
  const Settings s;
  int rows = 0;
  for (const SettingRow& row : SettingsTable()) {
    if (row.rule != ReadRule::NonEmptyOrFallback && row.rule != ReadRule::RangeOrFallback) {
      continue;
    }
    ++rows;
    EXPECT_EQ(SettingValueText(s, row), Sj(row.fallback)) << row.name;
  }
  EXPECT_GT(rows, 0);
}

TEST(SettingsTable, SetFromTextChecksTheKind) {
  Settings s;
  struct Case {
    const char *name, *text;
    bool ok;
    const char* after;
  };
  const Case cases[] = {
      {"SpinEditShimeiPos", "40", true, "40"},      {"SpinEditShimeiPos", "+17", true, "17"},
      {"SpinEditShimeiPos", "-3", false, "17"},     {"SpinEditShimeiPos", "4x", false, "17"},
      {"SpinEditShimeiPos", "", false, "17"},       {"SpinEditShimeiPos", "1000", false, "17"},
      {"CheckBoxBindCSS", "1", true, "1"},          {"CheckBoxBindCSS", "0", true, "0"},
      {"CheckBoxBindCSS", "7", true, "1"},          {"CheckBoxBindCSS", "yes", false, "1"},
      {"ComboBoxClassWSC", "chair", true, "chair"}, {"ComboBoxClassWSC", "", true, ""}};
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
