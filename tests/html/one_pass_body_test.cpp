// The body made in one pass from the lines, as publish makes it, against the
// body converted from the whole line table, on the real minutes.
#include <gtest/gtest.h>

#include <filesystem>

#include "analysis/block_check.h"
#include "analysis/minutes_grid.h"
#include "html/document_html.h"
#include "session/files.h"
#include "text/codec.h"
#include "text/literal.h"
#include "text/path_text.h"
#include "text/sjis.h"

namespace korva {
namespace {

std::vector<std::filesystem::path> RealMinutes() {
  const std::filesystem::path source = KORVA_SOURCE_DIR;
  std::vector<std::filesystem::path> files;
  for (const auto& folder : {source / "examples", source / "tests/data/corpus"}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.path().extension() == ".txt") files.push_back(entry.path());
    }
  }
  return files;
}

TEST(OnePassBody, SameBodyListsAndMarksAsTheTable) {
  const auto files = RealMinutes();
  ASSERT_GE(files.size(), 6u);
  for (const auto& file : files) {
    const ReadResult read = ReadFileBytes(file);
    ASSERT_FALSE(read.error) << file;
    const std::vector<std::string> lines = sjis::SplitLines(read.bytes);
    for (int category = 0; category <= 7; ++category) {
      const std::string where =
          Utf8FromPath(file.filename()) + ", category " + std::to_string(category);
      Settings settings;
      settings.RadioGroupCategory = category;
      // Alternate colours count speakers across the body: state a second pass must reset.
      settings.CheckBoxAlternateBGColor = category % 2 == 1;
      // The clerk's own titles, with and without.
      if (category % 2 == 0) {
        for (std::string* titles :
             {&settings.EditExtraTitlesAssembly, &settings.EditExtraTitlesDiet,
              &settings.EditExtraTitlesCooperative, &settings.EditExtraTitlesMeeting,
              &settings.EditExtraTitlesDiscuss, &settings.EditExtraTitlesHearing,
              &settings.EditExtraTitlesTrial}) {
          *titles = Sj("副区長 2, 区長 1, 事務局長 3");
        }
      }
      Document tabled;
      tabled.MinutesTextList = lines;
      LoadMinutesTextStringGrid(settings, tabled);
      Settings tabledSettings = settings;
      // What MakeHTMLBody takes from the settings before it builds.
      tabled.AnnotationIndent = MakeZleadingSP(settings.SpinEditAnnotateLeadingZSP);
      tabled.QuotationLeadSpaces = MakeZSP(settings.SpinEditQuotationLeadingZSP);
      BuildHTML(tabledSettings, tabled, kHeadStandard);
      const auto problems = FindBlockMarkProblems(tabled.MinutesTextStringGrid);

      Document streamed;
      streamed.MinutesTextList = lines;
      // Twice on the same document: nothing of the first pass may remain.
      // The second pass reads the text itself, as a batch that kept no lines.
      for (int pass = 1; pass <= 2; ++pass) {
        if (pass == 2) {
          streamed.MinutesTextList.clear();
          streamed.EditorMinutesText = sjis::JoinLines(lines);
        }
        Settings streamedSettings = settings;
        BlockMarkCheck marks;
        ASSERT_EQ(ConvertBodyInOnePass(streamedSettings, streamed, &marks), lines.size()) << where;
        const StringList& got = streamed.BodyHTMLList;
        const StringList& want = tabled.BodyHTMLList;
        ASSERT_EQ(got.size(), want.size()) << where << ", pass " << pass;
        for (std::size_t i = 0; i < got.size(); ++i) {
          ASSERT_EQ(Cp932ToUtf8Lossy(got[i]), Cp932ToUtf8Lossy(want[i]))
              << where << ", pass " << pass << ", line " << i;
        }
        EXPECT_EQ(streamed.SpeakerNavEntryList, tabled.SpeakerNavEntryList) << where;
        EXPECT_EQ(streamed.ListBoxGidaiHatsugen, tabled.ListBoxGidaiHatsugen) << where;
        EXPECT_EQ(streamed.SpeakerNameSet.Items(), tabled.SpeakerNameSet.Items()) << where;
        EXPECT_EQ(streamed.LineIdPrefix, tabled.LineIdPrefix) << where;
        EXPECT_EQ(streamedSettings.ComboBoxDOC_ID, tabledSettings.ComboBoxDOC_ID) << where;
        ASSERT_EQ(marks.Problems().size(), problems.size()) << where;
        for (std::size_t i = 0; i < problems.size(); ++i) {
          EXPECT_EQ(marks.Problems()[i].line, problems[i].line) << where;
        }
        // The table is never built.
        EXPECT_EQ(streamed.MinutesTextStringGrid.RowCount(), 1u) << where;
        EXPECT_TRUE(streamed.GeneratedHTMLText.empty()) << where;
      }
    }
  }
}

}  // namespace
}  // namespace korva
