#include "intake/forced_breaks.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "intake/file_reset.h"
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
  std::string paragraphs;  // the paragraph conversion
  // The back-slash marking; unset: the same text as the paragraph conversion.
  std::optional<std::string> marked = std::nullopt;
  bool noLowerLimit = false;
};

TEST(ForcedBreaks, ConversionsFollowTheLengthRules) {
  const std::string l3 = Line(3), l15 = Line(15), l16 = Line(16), l40 = Line(40), l59 = Line(59),
                    l60 = Line(60), l70 = Line(70), l70s = Line(70, kMaru), s4 = Line(4, kMaru);
  const std::string mark = "＼"_sj;
  // "\x88\x81" is one character: the 0x81 0x42 pair after it is no full stop.
  const std::string notStop = std::string(58, 'a') + "\x88\x81" + "B";
  const std::string crlf = "\r\n";
  const Case cases[] = {
      {"page number dropped, forced line joined to the sentence",
       {l3, l70, l70s},
       l70 + l70s + crlf,
       l70 + mark + crlf + l70s + crlf},
      {"40-byte line keeps its break and gets no mark", {l40}, l40 + crlf},
      {"60 bytes is at least the limit",
       {l60, l16},
       l60 + l16 + crlf,
       l60 + mark + crlf + l16 + crlf},
      {"59 bytes is below the limit", {l59}, l59 + crlf},
      {"15 bytes dropped, 16 kept", {l15, l16}, l16 + crlf},
      {"lower limit 0 drops nothing", {l3}, l3 + crlf, std::nullopt, true},
      {"a short sentence is never dropped", {s4}, s4 + crlf},
      {"a short line ending in a comma mark is dropped", {Line(10, "、"_sj)}, ""},
      {"last joined line leaves no final break",
       {l40, l70},
       l40 + crlf + l70,
       l40 + crlf + l70 + mark + crlf},
      {"empty lines are paragraph breaks", {"", l40, ""}, crlf + l40 + crlf + crlf},
      {"a 0x81 0x42 byte pair inside a character", {notStop}, notStop, notStop + mark + crlf},
      // One leading space goes in the paragraph conversion only, two stay.
      {"one leading space", {" ab"}, "ab" + crlf, " ab" + crlf, true},
      {"two leading spaces", {"  ab"}, "  ab" + crlf, std::nullopt, true},
      {"a lone space", {" "}, crlf, " " + crlf, true},
      // The single space counts towards the limit only when it stays.
      {"leading space and 59 bytes", {" " + l59}, l59 + crlf, " " + l59 + mark + crlf, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ForcedBreakOptions options;
    if (c.noLowerLimit) options.lowerLimit = 0;
    EXPECT_EQ(ConvertForcedBreaks(c.lines, options), c.paragraphs);
    std::vector<std::string> marked;
    EXPECT_EQ(MarkForcedBreaks(c.lines, options, marked), c.marked.value_or(c.paragraphs));
  }
}

TEST(ForcedBreaks, HalfWidthSpaceOptions) {
  struct {
    bool remove, change;
    const char* input;
    const char* expected;  // UTF-8
  } cases[] = {
      {false, false, "a b  c   d。", "a b  c   d。\r\n"},
      {true, false, "a b  c   d。", "abcd。\r\n"},
      {false, true, "a b  c   d。", "a　b　c　　d。\r\n"},
      {true, true, "a b  c   d。", "abcd。\r\n"},
      // "ア" is 0x83 0x41 and "　" ends in 0x40 ("@"): trail bytes are never spaces.
      {false, true, "表 ア@　x。", "表　ア@　x。\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    ForcedBreakOptions options;
    options.removeHalfSpaces = c.remove;
    options.changeHalfSpaces = c.change;
    EXPECT_EQ(ConvertForcedBreaks({Sj(c.input)}, options), Sj(c.expected));
    std::vector<std::string> marked;
    EXPECT_EQ(MarkForcedBreaks({Sj(c.input)}, options, marked), Sj(c.expected));
  }
}

class ForcedBreakCommands : public ::testing::Test {
 protected:
  Settings settings;
  Document doc;
  testing::RecordingUi ui;
};

TEST_F(ForcedBreakCommands, RunAndCopyFlow) {
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

TEST_F(ForcedBreakCommands, SettingsDriveTheLimits) {
  settings.SpinEditLowerLimit = 0;
  settings.SpinEditLineLimit = 4;
  settings.CheckBoxRemoveHSP = true;
  LoadForcedBreakText(doc, "a b\r\nab cd\r\nx");
  tbDoWordWrapClick(settings, doc, ui);
  EXPECT_EQ(doc.ConvertedText, "ab\r\nabcdx\r\n");
}

TEST_F(ForcedBreakCommands, PasteConvertCopyAndTheToolPanels) {
  doc.MinutesTextList = {"x"};
  doc.GeneratedHTMLText = "<p>x</p>";
  doc.CRLFPanelMode = 1;
  // Two pastes in a row: the second replaces the first.
  for (const std::string& pasted :
       {Line(70) + "\r\n" + Line(20, kMaru), Line(64) + "\n" + Line(8)}) {
    ui.clipboard = pasted;
    ui.pagesShown.clear();
    MenuTextPaste2TextPaneClick(doc, ui);
    EXPECT_TRUE(doc.MinutesTextList.empty()) << "the paste starts a new file";
    EXPECT_TRUE(doc.GeneratedHTMLText.empty());
    EXPECT_EQ(doc.ForcedBreakTextList.size(), 2u);
    EXPECT_EQ(doc.EditorMinutesText,
              doc.ForcedBreakTextList[0] + "\r\n" + doc.ForcedBreakTextList[1] + "\r\n");
    EXPECT_EQ(doc.CRLFPanelMode, 1);
    EXPECT_EQ(ui.pagesShown, (std::vector<std::string>{"PGLeftTab02Project", "PGLeftTab08HTMLBody",
                                                       "PGRightTab06MinutesText"}));
  }
  // The forced-broken line is joined to a page number that goes: no final break.
  tbDoWordWrapClick(settings, doc, ui);
  EXPECT_EQ(doc.ConvertedText, Line(64));
  EXPECT_EQ(doc.ConvertedPaneText, doc.ConvertedText);

  // The copy closes the panels and empties what it copied; the pane keeps showing it.
  tbDoWordWrapCOPYClick(doc, ui);
  EXPECT_EQ(doc.CRLFPanelMode, 0);
  EXPECT_TRUE(doc.ConvertedText.empty());
  EXPECT_EQ(doc.ConvertedPaneText, Line(64));

  // Any reset empties the pane; a new file also closes the panels.
  FileReset(doc, ui, 1);
  EXPECT_TRUE(doc.ConvertedPaneText.empty());
  EXPECT_EQ(doc.ForcedBreakTextList.size(), 2u) << "the pasted text outlives a reset";
  doc.CRLFPanelMode = 1;
  Filenew(doc, ui);
  EXPECT_EQ(doc.CRLFPanelMode, 0);
}

}  // namespace
}  // namespace korva
