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
  for (const auto& row : SettingsTable()) {
    // The row's name is the member's control name: setting through the name
    // must reach the member that the row binds.
    Settings settings;
    const SettingRow* byName = FindSettingByName(row.name);
    ASSERT_NE(byName, nullptr) << row.name;
    EXPECT_EQ(byName->member, row.member) << row.name;
    if (row.section.empty()) continue;
    // Keys are looked up without regard to case, so they must differ in more than case.
    EXPECT_TRUE(seen.insert({Lower(row.section), Lower(row.key)}).second)
        << row.section << "/" << row.key;
  }
}

TEST(SettingsTable, KeysAreSpelledAsTheFileHasThem) {
  const std::pair<const char*, const char*> expected[] = {
      {"Sentense", "ID_Headers"}, {"Local", "Retun2list"}, {"Web", "Retun2list"},
      {"Menu", "Initialload"},    {"File", "Global"},      {"Local", "Return2home"},
      {"Web", "Return2Home"},     {"Roster", "YakuPos1"},  {"CheckBox", "ChangeHSP"},
      {"Speaker", "BRL"},         {"Mark", "WTD"},         {"Minutes", "Category"},
  };
  for (const auto& [section, key] : expected) {
    bool found = false;
    for (const auto& row : SettingsTable()) found |= row.section == section && row.key == key;
    EXPECT_TRUE(found) << section << "/" << key;
  }
}

TEST(SettingsTable, WriterOrderOfSections) {
  const std::vector<std::string> order = {
      "File", "Local",    "HTML",   "Web",        "Sentense",    "Speaker",
      "Mark", "LeftLink", "Roster", "Annotation", "Quotation",   "Document",
      "Pane", "Minutes",  "Menu",   "CheckBox",   "FormPosition"};
  std::vector<std::string> seen;
  for (const auto& row : SettingsTable()) {
    if (!row.section.empty() && (seen.empty() || seen.back() != row.section)) {
      seen.emplace_back(row.section);
    }
  }
  EXPECT_EQ(seen, order);
}

TEST(SettingsTable, DesignerDefaults) {
  const Settings s;
  const std::pair<const char*, std::string> expected[] = {
      {"ComboBoxID_Header", "line-"},
      {"ComboBoxP_Class_First", "firstparagraph"},
      {"ComboBoxDOC_ID", "sentence"},
      {"ComboBoxClassWSC", "chairperson"},
      {"ComboBoxClassWDC", "mayor"},
      {"ComboBoxMarkBFC", "※"_sj},
      {"ComboBoxSubjectTitle", "議題・発言者"_sj},
      {"ComboBoxLeftGoTop", "先頭へ戻る"_sj},
      {"ComboBoxLeftGoBottom", "最終行へ"_sj},
      {"SpinEditYakushokuPos", "4"},
      {"SpinEditShimeiPos", "32"},
      {"SpinEditYakushokuPos2", "56"},
      {"SpinEditShimeiPos2", "68"},
      {"SpinEditAnnotateLeadingZSP", "24"},
      {"SpinEditQuotationLeadingZSP", "0"},
      {"SpinEditDocumentColorCount", "0"},
      {"RadioGroupCategory", "0"},
      {"RadioGroupSaveCharSet", "0"},
      {"CheckBoxImmediateGo", "1"},
      {"CheckBoxSaveAtBuild", "1"},
      {"CheckBoxOpenIEatSaved", "1"},
      {"CheckBoxBindCSS", "0"},
      {"CheckBoxAlternateBGColor", "1"},
      {"CheckBoxLeftLinkDuplicate", "1"},
  };
  for (const auto& [name, value] : expected) {
    const SettingRow* row = FindSettingByName(name);
    ASSERT_NE(row, nullptr) << name;
    EXPECT_EQ(SettingValueText(s, *row), value) << name;
  }
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
      {"SpinEditShimeiPos", "40", true, "40"},
      {"SpinEditShimeiPos", "+7", true, "7"},
      {"SpinEditShimeiPos", "-3", false, "7"},
      {"SpinEditShimeiPos", "4x", false, "7"},
      {"SpinEditShimeiPos", "", false, "7"},
      {"SpinEditShimeiPos", "1000", false, "7"},
      {"CheckBoxBindCSS", "1", true, "1"},
      {"CheckBoxBindCSS", "0", true, "0"},
      {"CheckBoxBindCSS", "7", true, "1"},
      {"CheckBoxBindCSS", "yes", false, "1"},
      {"ComboBoxClassWSC", "chair", true, "chair"},
      {"ComboBoxClassWSC", "", true, ""},
  };
  for (const auto& c : cases) {
    const SettingRow* row = FindSettingByName(c.name);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(!SetSettingFromText(s, *row, c.text).has_value(), c.ok) << c.name << "=" << c.text;
    EXPECT_EQ(SettingValueText(s, *row), c.after) << c.name << "=" << c.text;
  }
}

}  // namespace
}  // namespace korva
