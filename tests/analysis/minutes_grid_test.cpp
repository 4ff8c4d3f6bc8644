#include "analysis/minutes_grid.h"

#include <gtest/gtest.h>

#include "analysis/block_check.h"
#include "analysis_support.h"

namespace korva {
namespace {
using testing::U8;

TEST(MinutesGrid, PreparedLines) {
  const std::pair<std::string, std::string> cases[] = {
      {"  インデント", "  インデント"},  // two spaces stay
      {" インデント", "インデント"},     // one space goes
      {"本文　 \t", "本文"},             // trailing blanks go
      {" ", ""},
      {"   ", ""},
      {"　 全角の後", "　 全角の後"},
      {"本文　", "本文"},      // ends in 0x40, the trail byte of "　"
      {"メール@", "メール@"},  // an "@" is not a blank
      {"表ソ", "表ソ"},        // trail bytes 0x5C
      {"\t本文\t", "\t本文"},
  };
  for (const auto& [input, expected] : cases) {
    EXPECT_EQ(U8(PrepareMinutesLine(Sj(input))), expected) << "[" << input << "]";
  }
}

TEST(MinutesGrid, EmptyTextChangesNothing) {
  Settings settings;
  Document doc;
  doc.SpeakerNavEntryList = {"kept"};
  doc.MinutesTextStringGrid.Row(1).Text = "kept";
  EXPECT_EQ(LoadMinutesTextStringGrid(settings, doc), -1);
  EXPECT_EQ(doc.SpeakerNavEntryList.size(), 1u);
  EXPECT_EQ(doc.MinutesTextStringGrid.Row(1).Text, "kept");
}

TEST(MinutesGrid, OneLineText) {
  const Document doc = testing::Analyse({"○議長（山田太郎君）　開会します。"});
  ASSERT_EQ(doc.MinutesTextStringGrid.RowCount(), 1u);
  EXPECT_EQ(doc.MinutesTextStringGrid.Row(1).LineKind, "2");
  EXPECT_EQ(doc.MinutesTextStringGrid.Row(1).SpeechNo, "1");
  EXPECT_EQ(doc.MinutesTextList.size(), 1u);
}

TEST(MinutesGrid, CategoryColours) {
  const std::pair<std::string, std::uint32_t> cases[] = {
      {"1", 0xE6E6FA},  {"2", 0xFA8072},  {"3", 0xFFFF00}, {"4", 0xFFB6C1},  {"5", 0x99FFCC},
      {"6", 0xE6E6FA},  {"7", 0xFFE4B5},  {"8", 0xF0E68C}, {"9", 0xFAF0E6},  {"0", 0xFFFFFF},
      {"10", 0xFFFFFF}, {"14", 0xFFFFFF}, {"", 0xFFFFFF},  {"3x", 0xFFFFFF}, {"-3", 0xFFFFFF},
  };
  for (const auto& [code, colour] : cases) EXPECT_EQ(CategoryCodeColour(code), colour) << code;
}

// Only a Text cell with more than blanks takes the colour of its category.
TEST(MinutesGrid, CellColours) {
  struct Case {
    const char* text;
    const char* code;
    int column;
    std::uint32_t colour;
  };
  const Case cases[] = {
      {"　答えます。", "3", 2, 0xFFFF00},
      {"　答えます。", "3", 1, 0xFFFFFF},
      {"　答えます。", "3", 4, 0xFFFFFF},
      {"　　 \t", "3", 2, 0xFFFFFF},
      {"", "2", 2, 0xFFFFFF},
      {"表", "", 2, 0xFFFFFF},
  };
  for (const Case& c : cases) {
    LineRow row;
    row.Text = Sj(c.text);
    row.CategoryCode = c.code;
    EXPECT_EQ(GridCellColour(row, c.column), c.colour) << c.text << " " << c.column;
  }
}

TEST(BlockCheck, NamesTheLinesOfUnpairedMarks) {
  const Document doc = testing::Analyse(
      {"「「", "一", "「「", "二", "」」", "】】", "【【", "引用", "｛｛", "議長　山田"});
  struct Expected {
    std::size_t line;
    BlockMarkProblem::Kind kind;
    std::string opening;
  };
  using K = BlockMarkProblem::Kind;
  // The closing mark closes the block of line 1, so the extra mark is line 3's.
  const std::vector<Expected> expected = {
      {3, K::OpenedAgain, "「「"},
      {6, K::NotOpened, "【【"},
      {7, K::NotClosed, "【【"},
      {9, K::NotClosed, "｛｛"}};  // a roster mark is seen even inside a quotation
  const auto problems = FindBlockMarkProblems(doc.MinutesTextStringGrid);
  ASSERT_EQ(problems.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(problems[i].line, expected[i].line);
    EXPECT_EQ(problems[i].kind, expected[i].kind);
    EXPECT_EQ(U8(problems[i].opening), expected[i].opening);
  }
  EXPECT_EQ(problems[0].openLine, 1u);
}

}  // namespace
}  // namespace korva
