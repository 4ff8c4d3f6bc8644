#include "intake/forced_breaks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_ui.h"
#include "text/literal.h"

namespace korva {
namespace {

using namespace korva::literals;

// A line of `bytes` bytes made of full-width "あ" (plus one "x" for odd lengths).
std::string Line(std::size_t bytes, const std::string& ending = "") {
  std::string s;
  while (s.size() + 2 <= bytes - ending.size()) s += "あ"_sj;
  if (s.size() + ending.size() < bytes) s += "x";
  return s + ending;
}

const std::string& kMaru = "。"_sj;

struct Case {
  const char* name;
  std::vector<std::string> lines;
  ForcedBreakOptions options;
  std::string paragraphs;  // the paragraph conversion
  std::string marked;      // the back-slash marking
};

TEST(ForcedBreaks, ConversionsFollowTheLengthRules) {
  const ForcedBreakOptions defaults;
  ForcedBreakOptions noLower;
  noLower.lowerLimit = 0;
  const std::string l3 = Line(3), l15 = Line(15), l16 = Line(16), l40 = Line(40), l59 = Line(59),
                    l60 = Line(60), l70 = Line(70), l70s = Line(70, kMaru);
  const std::string mark = "＼"_sj;
  const Case cases[] = {
      {"page number dropped, forced line joined to the sentence",
       {l3, l70, l70s},
       defaults,
       l70 + l70s + "\r\n",
       l70 + mark + "\r\n" + l70s + "\r\n"},
      {"40-byte line keeps its break and gets no mark",
       {l40},
       defaults,
       l40 + "\r\n",
       l40 + "\r\n"},
      {"60 bytes is at least the limit",
       {l60, l16},
       defaults,
       l60 + l16 + "\r\n",
       l60 + mark + "\r\n" + l16 + "\r\n"},
      {"59 bytes is below the limit", {l59}, defaults, l59 + "\r\n", l59 + "\r\n"},
      {"15 bytes dropped, 16 kept", {l15, l16}, defaults, l16 + "\r\n", l16 + "\r\n"},
      {"lower limit 0 drops nothing", {l3}, noLower, l3 + "\r\n", l3 + "\r\n"},
      {"a short sentence is never dropped",
       {Line(4, kMaru)},
       defaults,
       Line(4, kMaru) + "\r\n",
       Line(4, kMaru) + "\r\n"},
      {"a short line ending in a comma mark is dropped", {Line(10, "、"_sj)}, defaults, "", ""},
      {"last joined line leaves no final break",
       {l40, l70},
       defaults,
       l40 + "\r\n" + l70,
       l40 + "\r\n" + l70 + mark + "\r\n"},
      {"empty lines are paragraph breaks",
       {"", l40, ""},
       defaults,
       "\r\n" + l40 + "\r\n\r\n",
       "\r\n" + l40 + "\r\n\r\n"},
      {"a 0x81 0x42 byte pair inside a character is not a full stop",
       {std::string(58, 'a') + "\x88\x81"
                               "B"},
       defaults,
       std::string(58, 'a') + "\x88\x81"
                              "B",
       std::string(58, 'a') +
           "\x88\x81"
           "B" +
           mark + "\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ConvertForcedBreaks(c.lines, c.options), c.paragraphs);
    std::vector<std::string> marked;
    EXPECT_EQ(MarkForcedBreaks(c.lines, c.options, marked), c.marked);
  }
}

TEST(ForcedBreaks, LeadingSpaceRuleOnlyInParagraphConversion) {
  ForcedBreakOptions options;
  options.lowerLimit = 0;
  struct {
    std::string line, paragraphs, marked;
  } cases[] = {
      {" ab", "ab\r\n", " ab\r\n"},
      {"  ab", "  ab\r\n", "  ab\r\n"},
      {" ", "\r\n", " \r\n"},
      // The single space counts towards the limit only when it stays.
      {" " + Line(59), Line(59) + "\r\n", " " + Line(59) + "＼"_sj + "\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(ConvertForcedBreaks({c.line}, options), c.paragraphs);
    std::vector<std::string> marked;
    EXPECT_EQ(MarkForcedBreaks({c.line}, options, marked), c.marked);
  }
}

TEST(ForcedBreaks, HalfWidthSpaceOptions) {
  struct {
    bool remove, change;
    const char* expected;  // UTF-8
  } cases[] = {
      {false, false, "a b  c   d。\r\n"},
      {true, false, "abcd。\r\n"},
      {false, true, "a　b　c　　d。\r\n"},
      {true, true, "abcd。\r\n"},
  };
  const std::string input = Sj("a b  c   d。");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    ForcedBreakOptions options;
    options.removeHalfSpaces = c.remove;
    options.changeHalfSpaces = c.change;
    EXPECT_EQ(ConvertForcedBreaks({input}, options), Sj(c.expected));
    std::vector<std::string> marked;
    EXPECT_EQ(MarkForcedBreaks({input}, options, marked), Sj(c.expected));
  }
}

TEST(ForcedBreaks, SpaceConversionDoesNotTouchTrailBytes) {
  // "ア" is 0x83 0x41 and "@" after "　" must not be mistaken for anything;
  // spaces adjacent to double-byte characters convert cleanly.
  ForcedBreakOptions options;
  options.changeHalfSpaces = true;
  const std::string line = "表 ア@　x。"_sj;
  EXPECT_EQ(ConvertForcedBreaks({line}, options), "表　ア@　x。"_sj + "\r\n");
}

TEST(ForcedBreakCommands, RunAndCopyFlow) {
  Settings settings;
  Document doc;
  testing::RecordingUi ui;

  tbDoWordWrapClick(settings, doc, ui);
  tbDoAddBackSlashClick(settings, doc, ui);
  EXPECT_EQ(ui.beeps, 2) << "nothing pasted: both conversions only beep";
  EXPECT_TRUE(doc.ConvertedText.empty());

  LoadForcedBreakText(doc, Line(70) + "\r\n" + Line(20, kMaru) + "\r\n");
  ASSERT_EQ(doc.ForcedBreakTextList.size(), 2u);
  tbDoAddBackSlashClick(settings, doc, ui);
  EXPECT_EQ(doc.ConvertedTextList.size(), 2u);
  EXPECT_EQ(doc.ConvertedText, Line(70) + "＼"_sj + "\r\n" + Line(20, kMaru) + "\r\n");

  tbDoWordWrapClick(settings, doc, ui);
  EXPECT_TRUE(doc.ConvertedTextList.empty()) << "the paragraph conversion clears the marked list";
  EXPECT_EQ(doc.ConvertedText, Line(70) + Line(20, kMaru) + "\r\n");

  tbDoWordWrapCOPYClick(doc, ui);
  EXPECT_EQ(ui.clipboard, Line(70) + Line(20, kMaru) + "\r\n");
  EXPECT_EQ(ui.beeps, 2);
  tbDoWordWrapCOPYClick(doc, ui);
  EXPECT_EQ(ui.beeps, 3) << "a second copy without a new conversion beeps";
}

TEST(ForcedBreakCommands, SettingsDriveTheLimits) {
  Settings settings;
  settings.SpinEditLowerLimit = 0;
  settings.SpinEditLineLimit = 4;
  settings.CheckBoxRemoveHSP = true;
  Document doc;
  testing::RecordingUi ui;
  LoadForcedBreakText(doc, "a b\r\nab cd\r\nx");
  tbDoWordWrapClick(settings, doc, ui);
  EXPECT_EQ(doc.ConvertedText, "ab\r\nabcdx\r\n");
}

}  // namespace
}  // namespace korva
