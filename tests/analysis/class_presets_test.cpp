#include "analysis/class_presets.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "analysis_support.h"

namespace korva {
namespace {
using testing::U8;

std::vector<std::string> ClassNames(const Settings& s) {
  return {s.ComboBoxClassWSC, s.ComboBoxClassWSQ, s.ComboBoClassBRL,  s.ComboBoxClassWDC,
          s.ComboBoxClassWRL, s.ComboBoxClassBTU, s.ComboBoxCalssWTU, s.ComboBoxClassWSS,
          s.ComboBoxClassBFS, s.ComboBoxClassBFC, s.ComboBoxClassBTD, s.ComboBoxClassWTD};
}

std::vector<std::string> Marks(const Settings& s) {
  return {U8(s.ComboBoxMarkWSC), U8(s.ComboBoxMarkWSQ), U8(s.ComboBoxMarkBRL),
          U8(s.ComboBoxMarkWDC), U8(s.ComboBoxMarkWRL), U8(s.ComboBoxMarkBTU),
          U8(s.ComboBoxMarkWTU), U8(s.ComboBoxMarkWSS), U8(s.ComboBoxMarkBFS),
          U8(s.ComboBoxMarkBFC), U8(s.ComboBoxMarkBTD), U8(s.ComboBoxMarkWTD)};
}

const std::vector<std::string> kDefaultMarks = {"○", "□", "◆", "◎", "◇", "▲",
                                                "△", "☆", "★", "※", "▼", "▽"};

TEST(ClassPresets, EveryCategory) {
  struct Case {
    int category;
    std::vector<std::string> classes;
    std::string bfcMark;
  };
  const Case cases[] = {
      {0,
       {"chairperson", "committeechair", "member", "mayor", "officer", "publicspeaker", "witness",
        "aide", "auditor", "citizen", "subject", "subcomp"},
       "※"},
      {1,
       {"chairperson", "committeechair", "member", "primeminister", "officer", "publicspeaker",
        "witness", "aide", "auditor", "governor", "subject", "subcomp"},
       "※"},
      {2,
       {"chairperson", "committeechair", "member", "chiefexective", "officer", "publicspeaker",
        "witness", "aide", "auditor", "citizen", "subject", "subcomp"},
       "※"},
      {3,
       {"chairperson", "committeechair", "member", "president", "staff", "corporation", "witness",
        "counselor", "advisor", "observer", "subject", "subcomp"},
       "※"},
      {4,
       {"host", "committeechair", "panelist", "president", "staff", "spectator", "witness",
        "counselor", "advisor", "observer", "subject", "subcomp"},
       "※"},
      {5,
       {"chairperson", "committeechair", "member", "president", "officer", "publicspeaker",
        "witness", "counselor", "advisor", "representative", "subject", "subcomp"},
       "※"},
      {6,
       {"judge", "associatejudge", "counsel", "chiefjudge", "prosecutor", "witness", "witness",
        "witness", "witness", "accused", "subject", "subcomp"},
       "●"},
      {7,
       {"sentence", "sentence", "sentence", "sentence", "sentence", "sentence", "sentence",
        "sentence", "sentence", "sentence", "subject", "subcomp"},
       "※"},
  };
  for (const auto& c : cases) {
    Settings s;
    // Start from user edits that every preset must overwrite.
    for (const auto& slot : SpeakerClassSlots()) {
      s.*(slot.classMember) = "edited";
      s.*(slot.markMember) = "x";
    }
    s.ComboBoxDOC_ID = "edited";
    s.RadioGroupCategory = c.category;
    MakeClassSettingByCategory(s);
    EXPECT_EQ(ClassNames(s), c.classes) << "category " << c.category;
    std::vector<std::string> marks = kDefaultMarks;
    marks[9] = c.bfcMark;
    EXPECT_EQ(Marks(s), marks) << "category " << c.category;
    EXPECT_EQ(s.ComboBoxDOC_ID, "sentence");
  }
}

TEST(ClassPresets, DesignerDefaultsAreTheAssemblyPreset) {
  const Settings defaults;
  Settings preset;
  preset.SpinEditYakushokuPos = 9;
  preset.ComboBoxID_Header = "x";
  AssemblySpeakerClassReinitialize(preset);
  RosterSettingsReinitialize(preset);
  EXPECT_EQ(ClassNames(defaults), ClassNames(preset));
  EXPECT_EQ(Marks(defaults), kDefaultMarks);
  EXPECT_EQ(preset.ComboBoxID_Header, "line-");
  EXPECT_EQ(preset.ComboBoxP_Class_First, "firstparagraph");
  EXPECT_EQ(preset.ComboBoxLI_ID, "bill");
  const int spins[] = {preset.SpinEditYakushokuPos,       preset.SpinEditShimeiPos,
                       preset.SpinEditYakushokuPos2,      preset.SpinEditShimeiPos2,
                       preset.SpinEditAnnotateLeadingZSP, preset.SpinEditQuotationLeadingZSP,
                       preset.SpinEditDocumentColorCount};
  EXPECT_EQ(std::vector<int>(std::begin(spins), std::end(spins)),
            (std::vector<int>{4, 32, 56, 68, 24, 0, 0}));
  EXPECT_EQ(U8(defaults.ComboBoxSubjectTitle), "議題・発言者");
}

TEST(ClassPresets, SlotsByCategoryCode) {
  const std::pair<std::string, const char*> cases[] = {
      {"3", "WSC"},  {"4", "WSQ"},   {"5", "BRL"},   {"1", "WDC"},  {"7", "WRL"},   {"12", "BTU"},
      {"9", "WTU"},  {"8", "WSS"},   {"6", "BFS"},   {"10", "BFS"}, {"11", "BFC"},  {"13", "BTD"},
      {"14", "WTD"}, {"2", nullptr}, {"0", nullptr}, {"", nullptr}, {"x", nullptr}, {"15", nullptr},
  };
  for (const auto& [code, key] : cases) {
    const SpeakerClassSlot* slot = SlotForCategoryCode(code);
    if (!key) {
      EXPECT_EQ(slot, nullptr) << code;
    } else {
      ASSERT_NE(slot, nullptr) << code;
      EXPECT_STREQ(slot->key, key) << code;
    }
  }
  EXPECT_EQ(U8(CategoryCaption(6)), "裁判調書");
  EXPECT_EQ(CategoryCaption(8), "");
}

// What the combo boxes offer: every slot one clean list with one empty entry,
// the slot's default mark among its marks.
TEST(ClassPresets, ComboItems) {
  for (const auto& slot : SpeakerClassSlots()) {
    SCOPED_TRACE(slot.key);
    for (const auto* items : {&ClassComboItems(slot.key), &MarkComboItems(slot.key)}) {
      ASSERT_FALSE(items->empty());
      std::vector<std::string> sorted = *items;
      std::sort(sorted.begin(), sorted.end());
      EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()) << "duplicates";
      for (const std::string& item : *items) {
        EXPECT_FALSE(item.starts_with(' ') || item.ends_with(' ')) << "[" << item << "]";
      }
    }
    const auto& classes = ClassComboItems(slot.key);
    EXPECT_EQ(std::count(classes.begin(), classes.end(), ""), 1);
    const auto& marks = MarkComboItems(slot.key);
    EXPECT_NE(std::find(marks.begin(), marks.end(), slot.defaultMark), marks.end());
  }
  EXPECT_EQ(ClassComboItems("WSC"), (std::vector<std::string>{"chairperson", "chairman",
                                                              "chairwoman", "chair", "judge", ""}));
  EXPECT_EQ(testing::ToU8(MarkComboItems("BTD")), std::vector<std::string>{"▼"});
  EXPECT_EQ(testing::ToU8(MarkComboItems("WTD")), std::vector<std::string>{"▽"});
  EXPECT_TRUE(ClassComboItems("XYZ").empty());
}

}  // namespace
}  // namespace korva
