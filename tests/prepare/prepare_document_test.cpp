// The preparation as a command on the document: the pane the minutes came
// from, its line ends, the analysis afterwards and what is not applied.
#include "prepare/prepare_document.h"

#include <gtest/gtest.h>

#include "prepare_support.h"
#include "support/recording_ui.h"

namespace korva {
namespace {
using testing::SjLines;
using testing::U8;

// Two designations alone on their lines, between an opening and an adjournment.
const std::vector<std::string> kExported = {
    "　　午前10時00分　開会",    "◯議長（山田太郎）", "　ただいまから会議を開きます。",
    "◯町長（佐藤一郎）〔登壇〕", "　お答えします。",  "　　午前10時05分　散会"};
const std::vector<std::string> kPrepared = {
    "■　　午前10時00分　開会", "◯議長（山田太郎）　ただいまから会議を開きます。",
    "◯町長（佐藤一郎）　〔登壇〕　お答えします。", "■", "　　午前10時05分　散会"};

std::size_t SpeakerRows(const Document& doc) {
  std::size_t speakers = 0;
  for (const LineRow& row : doc.MinutesTextStringGrid) speakers += row.LineKind == "2";
  return speakers;
}

TEST(PrepareDocument, AppliedToThePaneTheMinutesCameFromWithItsLineEnds) {
  const struct {
    const char* name;
    bool opened;  // else pasted into the main pane
    const char* lineBreak;
    bool finalBreak;
  } cases[] = {
      {"opened, CR LF", true, "\r\n", true},
      {"opened, LF, no final break", true, "\n", false},
      {"pasted, CR", false, "\r", true},
  };
  for (const auto& c : cases) {
    Settings settings;
    settings.ComboBoxHTMLFile = "mine";
    Document doc;
    testing::RecordingUi ui;
    const std::string input = testing::SjText(kExported, c.lineBreak, c.finalBreak);
    const std::string other = Sj("メモ");
    if (c.opened) {
      OpenMinutesText(settings, doc, ui, "a@b.txt", input);
      doc.EditorMainText = other;
    } else {
      PasteTextFromWebpage(settings, doc, ui, "", input);
      settings.ComboBoxHTMLFile = "mine";
    }
    EXPECT_EQ(SpeakerRows(doc), 0u) << c.name;

    const auto preparation = ProposeMinutesPreparation(settings, doc, ui);
    ASSERT_TRUE(preparation) << c.name;
    const std::vector<bool> all(preparation->result.changes.size(), true);
    EXPECT_TRUE(ApplyMinutesPreparation(settings, doc, ui, *preparation, all)) << c.name;

    const std::string& pane = c.opened ? doc.EditorMinutesText : doc.EditorMainText;
    EXPECT_EQ(pane, testing::SjText(kPrepared, c.lineBreak, c.finalBreak)) << c.name;
    if (c.opened) {
      EXPECT_EQ(doc.EditorMainText, other) << c.name;
    }
    EXPECT_EQ(settings.ComboBoxHTMLFile, "mine") << c.name;
    EXPECT_EQ(doc.MinutesTextList, SjLines(kPrepared)) << c.name;
    EXPECT_EQ(SpeakerRows(doc), 2u) << c.name;
    EXPECT_TRUE(doc.TextModified) << c.name;
    EXPECT_NE(U8(ui.caption).find("変更されました"), std::string::npos) << c.name;
    EXPECT_EQ(doc.LoadedLineCount, PaneLineCount(doc.EditorMainText)) << c.name;
  }
}

// Nothing is applied when nothing was chosen or the text changed since the
// proposal; nothing is proposed for no text or text that needs no change.
TEST(PrepareDocument, WhatIsNeitherProposedNorApplied) {
  Settings settings;
  Document doc;
  testing::RecordingUi ui;
  EXPECT_FALSE(ProposeMinutesPreparation(settings, doc, ui));
  EXPECT_EQ(ui.beeps, 1);

  const std::string input = testing::SjText(kExported, "\r\n", true);
  OpenMinutesText(settings, doc, ui, "a@b.txt", input);
  const auto preparation = ProposeMinutesPreparation(settings, doc, ui);
  ASSERT_TRUE(preparation);
  const std::size_t count = preparation->result.changes.size();
  EXPECT_FALSE(
      ApplyMinutesPreparation(settings, doc, ui, *preparation, std::vector<bool>(count, false)));
  EXPECT_EQ(doc.EditorMinutesText, input);
  EXPECT_FALSE(doc.TextModified);

  doc.EditorMinutesText += Sj("　追記。\r\n");
  EXPECT_FALSE(
      ApplyMinutesPreparation(settings, doc, ui, *preparation, std::vector<bool>(count, true)));
  EXPECT_EQ(doc.EditorMinutesText, input + Sj("　追記。\r\n"));
  ASSERT_EQ(ui.warnings.size(), 1u);

  OpenMinutesText(settings, doc, ui, "a@b.txt", testing::SjText(kPrepared, "\r\n", true));
  EXPECT_FALSE(ProposeMinutesPreparation(settings, doc, ui));
  ASSERT_EQ(ui.informations.size(), 1u);
  EXPECT_EQ(U8(ui.informations[0]), "この会議録には、下準備で変える所はありません。");
  EXPECT_EQ(ui.beeps, 1);
}

// The HTML is made again when it had been made or the option asks for it,
// and not while the block marks do not pair up.
TEST(PrepareDocument, TheGenerationFollows) {
  const struct {
    bool hadHTML, immediateGo, unpairedMark, generates;
  } cases[] = {
      {false, false, false, false}, {true, false, false, true}, {false, true, false, true},
      {true, true, false, true},    {true, true, true, false},
  };
  for (const auto& c : cases) {
    Settings settings;
    settings.CheckBoxImmediateGo = c.immediateGo;
    Document doc;
    testing::RecordingUi ui;
    std::vector<std::string> lines = kExported;
    if (c.unpairedMark) lines.insert(lines.begin() + 3, "」」");
    OpenMinutesText(settings, doc, ui, "a@b.txt", testing::SjText(lines, "\r\n", true));
    if (c.hadHTML) doc.GeneratedHTMLText = "<html>";
    const auto preparation = ProposeMinutesPreparation(settings, doc, ui);
    ASSERT_TRUE(preparation);
    int generated = 0;
    ApplyMinutesPreparation(settings, doc, ui, *preparation,
                            std::vector<bool>(preparation->result.changes.size(), true),
                            [&](Settings&, Document&, Ui&) { ++generated; });
    EXPECT_EQ(generated, c.generates ? 1 : 0) << c.hadHTML << c.immediateGo << c.unpairedMark;
    EXPECT_EQ(ui.labels["LabelMarkNotMatch"], c.unpairedMark);
  }
}

}  // namespace
}  // namespace korva
