#include "session/pane_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "support/recording_ui.h"
#include "text/literal.h"
#include "text/sjis.h"

namespace korva {
namespace {

using namespace korva::literals;

TEST(EdictScan, SplitsAtBlanksAndCommas) {
  struct {
    const char* text;
    BlankRuns runs;
    StringList words;  // UTF-8
  } cases[] = {
      {"議長　市長", BlankRuns::Halving, {"議長", "市長"}},
      {"  　議長 , 市長", BlankRuns::Halving, {"議長", "", "", "市長"}},
      {"a,,b", BlankRuns::Halving, {"a", "", "b"}},
      {"a        b", BlankRuns::Halving, {"a", "b"}},        // 8 blanks collapse
      {"a         b", BlankRuns::Halving, {"a", "", "b"}},   // 9 do not
      {"a         b", BlankRuns::LongestFirst, {"a", "b"}},  // 7 then 3
      {"\"a b\" c", BlankRuns::Halving, {"a,b", "c"}},
      {"\"say \"\"x\"\"\",y", BlankRuns::Halving, {"say,\"x\"", "y"}},
      {"a,", BlankRuns::Halving, {"a", ""}},
      {"表ソ", BlankRuns::Halving, {"表ソ"}},
      {"　　", BlankRuns::Halving, {}},
      {"", BlankRuns::Halving, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    StringList words{"stale"};
    StringList expected;
    for (const auto& w : c.words) expected.push_back(Sj(w));
    EXPECT_EQ(EdictScan(Sj(c.text), words, c.runs), static_cast<int>(expected.size()));
    EXPECT_EQ(words, expected);
  }
}

TEST(PaneSearch, TwoWordsSplitByAFullWidthSpace) {
  const std::string pane = "議長と市長\r\n市長"_sj;
  StringList words;
  ASSERT_EQ(EdictScan("議長　市長"_sj, words), 2);
  StringList list{"old entry"};
  const auto outcome = RichEditSearchList(pane, words, list);
  ASSERT_EQ(outcome.highlights.size(), 3u);
  EXPECT_EQ(outcome.highlights[0].offset, 0u);
  EXPECT_TRUE(outcome.highlights[0].style.bold);
  EXPECT_EQ(outcome.highlights[1].offset, 6u);
  EXPECT_EQ(outcome.highlights[1].length, 4u);
  EXPECT_EQ(outcome.highlights[1].style.backColor, 0xD2691Eu);
  EXPECT_EQ(outcome.highlights[2].offset, 12u);
  EXPECT_EQ(list, (StringList{"   1/01", "   1/07", "   2/01"}));
  EXPECT_EQ(outcome.caret, 6u) << "caret on the first match of the last word found";
}

TEST(PaneSearch, OnlyTheFirstSevenWordsAreSearched) {
  const std::string pane = "a b c d e f g h";
  StringList words;
  ASSERT_EQ(EdictScan(pane, words), 8);
  StringList list;
  const auto outcome = RichEditSearchList(pane, words, list);
  ASSERT_EQ(outcome.highlights.size(), 7u);
  EXPECT_EQ(outcome.highlights.back().offset, 12u);  // "g"
  EXPECT_EQ(outcome.highlights.back().style.backColor, 0xEE82EEu);
  EXPECT_EQ(list.size(), 7u);
}

TEST(PaneSearch, MatchesOfOneWord) {
  struct {
    const char* name;
    std::string pane, word;
    std::vector<std::size_t> offsets;
    StringList entries;
  } cases[] = {
      {"a double full-width character is found once", "議議"_sj, "議"_sj, {0}, {"   1/01"}},
      {"every other one of a run of three", "議議議"_sj, "議"_sj, {0, 4}, {"   1/01", "   1/05"}},
      {"half-width repeat", "aaaa", "aa", {0}, {"   1/01"}},
      {"one byte between matches is enough", "aaXaa", "aa", {0, 3}, {"   1/01", "   1/04"}},
      {"～ in a word stands for a blank", "xa by"_sj, "a～b"_sj, {1}, {"   1/02"}},
      {"~ in a word stands for a blank", "xa by", " a~b ", {1}, {"   1/02"}},
      {"@ after a full-width space", "　@"_sj, "@", {2}, {"   1/03"}},
      {"backslash after 表", "表\\"_sj, "\\", {2}, {"   1/03"}},
      {"columns count bytes from the line start",
       "ab\r\nc議d\nx\rd"_sj,
       "d",
       {7, 11},
       {"   2/04", "   4/01"}},
      {"no match", "abc", "z", {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    StringList list;
    PaneSearchOutcome outcome;
    EXPECT_EQ(HighlightWordInPane(c.pane, c.word, list, 0, outcome),
              static_cast<int>(c.offsets.size()));
    std::vector<std::size_t> offsets;
    for (const auto& h : outcome.highlights) offsets.push_back(h.offset);
    EXPECT_EQ(offsets, c.offsets);
    EXPECT_EQ(list, c.entries);
    EXPECT_EQ(outcome.caret, c.offsets.empty() ? 0u : c.offsets.front());
  }
}

TEST(PaneSearch, HighlightsAlwaysMatchWholeCharacters) {
  // Random CP932-like text full of trail-byte look-alikes: every highlight
  // holds the word and starts on a character boundary.
  const std::string pieces[] = {"@",     "\\",    "a",     " ",     "\r\n",
                                "　"_sj, "表"_sj, "ソ"_sj, "議"_sj, "～"_sj};
  const std::string words[] = {"@", "\\", "a", "表", "議議", "a@", "\\a"};
  std::uint32_t seed = 3;
  for (int round = 0; round < 200; ++round) {
    std::string pane;
    for (int i = 0; i < round % 40; ++i) {
      seed = seed * 1664525u + 1013904223u;
      pane += pieces[(seed >> 8) % std::size(pieces)];
    }
    const auto starts = sjis::CharStarts(pane);
    for (const std::string& utf8 : words) {
      const std::string word = Sj(utf8);
      StringList list;
      PaneSearchOutcome outcome;
      HighlightWordInPane(pane, word, list, 0, outcome);
      ASSERT_EQ(list.size(), outcome.highlights.size());
      for (const auto& h : outcome.highlights) {
        ASSERT_EQ(pane.substr(h.offset, h.length), word) << "round " << round;
        ASSERT_TRUE(std::binary_search(starts.begin(), starts.end(), h.offset))
            << "round " << round << " word " << utf8;
      }
    }
  }
}

TEST(PaneSearch, EmptyPaneOrWord) {
  StringList list{"kept"};
  PaneSearchOutcome outcome;
  EXPECT_EQ(HighlightWordInPane("", "a", list, 0, outcome), -2);
  EXPECT_EQ(HighlightWordInPane("abc", "", list, 0, outcome), -1);
  EXPECT_EQ(list, StringList{"kept"});
  // A word of blanks after the "~" rule finds nothing rather than everything.
  EXPECT_EQ(HighlightWordInPane("a b", "~", list, 0, outcome), -1);
  EXPECT_TRUE(outcome.highlights.empty());
  // Without words nothing happens, not even clearing the list.
  list = {"kept"};
  RichEditSearchList("abc", {}, list);
  EXPECT_EQ(list, StringList{"kept"});
}

TEST(PaneSearch, StylesByWordIndex) {
  struct {
    int k;
    bool bold;
    std::optional<std::uint32_t> text, back;
  } cases[] = {
      {0, true, 0xFF0000, std::nullopt},  {1, false, std::nullopt, 0xD2691E},
      {2, false, std::nullopt, 0xADFF2F}, {3, false, std::nullopt, 0xE9967A},
      {4, false, std::nullopt, 0xDAA520}, {5, false, std::nullopt, 0x00FA9A},
      {6, false, std::nullopt, 0xEE82EE}, {7, false, std::nullopt, 0xDAA520},
      {8, false, 0x000080, std::nullopt},
  };
  for (const auto& c : cases) {
    const auto style = SearchHighlightStyle(c.k);
    EXPECT_EQ(style.bold, c.bold) << c.k;
    EXPECT_EQ(style.textColor, c.text) << c.k;
    EXPECT_EQ(style.backColor, c.back) << c.k;
  }
}

TEST(ResultEntries, ClickParsesLineAndColumn) {
  struct {
    std::string entry;
    int mode;
    std::string label, description, searchText;
    std::optional<std::size_t> line;
    std::size_t column;
  } cases[] = {
      {"  12/05", 1, "  12/05", "", "", 12, 4},
      {"  12/05", 0, "  12/05", "", "", 12, 4},
      {"○議長（山田君）\t  15/1"_sj, 1, "  15/1", "○議長（山田君）"_sj, "議長（山田君）"_sj, 15, 0},
      {"3. ◎市長\t20/1 x"_sj, 1, "20/1 x", "3. ◎市長"_sj, "市長"_sj, 20, 0},
      {"no position", 1, "no position", "", "", std::nullopt, 0},
      {"x/y", 0, "x/y", "", "", 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry);
    const auto click = ListBoxClick(c.entry, c.mode);
    EXPECT_EQ(click.label, c.label);
    EXPECT_EQ(click.description, c.description);
    EXPECT_EQ(click.searchText, c.searchText);
    EXPECT_EQ(click.line, c.line);
    EXPECT_EQ(click.column, c.column);
  }
}

TEST(ResultEntries, EntriesLeadBackToTheirMatches) {
  const std::string pane = "first line\r\nsecond 議 line\r\nthird"_sj;
  StringList list;
  PaneSearchOutcome outcome;
  ASSERT_EQ(HighlightWordInPane(pane, "line", list, 0, outcome), 2);
  for (std::size_t i = 0; i < list.size(); ++i) {
    const auto click = ListBoxClick(list[i], 1);
    ASSERT_TRUE(click.line.has_value());
    EXPECT_EQ(CaretForLine(pane, *click.line, click.column), outcome.highlights[i].offset);
  }
  struct {
    std::size_t line, column, caret;
  } clamped[] = {{0, 3, 3}, {99, 0, 28}, {1, 99, 10}, {3, 2, 30}};
  for (const auto& c : clamped) {
    EXPECT_EQ(CaretForLine(pane, c.line, c.column), c.caret) << c.line << "/" << c.column;
  }
}

TEST(GridSearch, ContinuesBelowTheLastHitAndWraps) {
  LineTable table;
  table.Resize(4);
  table.Row(1).Designation = "議長"_sj;
  table.Row(1).Text = "開会します"_sj;
  table.Row(2).Text = "市長の答弁"_sj;
  table.Row(3).Designation = "市長"_sj;
  table.Row(4).Text = "　@"_sj;
  testing::RecordingUi ui;
  GridSearchState state;
  const std::string find = " 市長 "_sj;

  struct {
    bool hit;
    std::size_t current, nextStart;
    const char* status;
  } steps[] = {
      {true, 2, 3, " [ 1 / 1 ]"},
      {true, 3, 4, " [ 3 / 1 ]"},
      {false, 1, 1, " [ 4 / 1 ]"},  // miss: row 1 current, start over
      {true, 2, 3, " [ 1 / 1 ]"},
  };
  for (const auto& s : steps) {
    EXPECT_EQ(tbRightGridSeachGoClick(table, find, state, ui), s.hit);
    EXPECT_EQ(state.currentRow, s.current);
    EXPECT_EQ(state.start, s.nextStart);
    EXPECT_EQ(ui.panels[0], s.status);
  }

  // The user moved the current row above the last hit: search from the top.
  state = {4, 1};
  EXPECT_TRUE(tbRightGridSeachGoClick(table, "議長"_sj, state, ui));
  EXPECT_EQ(state.currentRow, 1u);

  // "@" inside "　" (0x81 0x40) is not a match; the real "@" is.
  state = {};
  EXPECT_TRUE(tbRightGridSeachGoClick(table, "@", state, ui));
  EXPECT_EQ(state.currentRow, 4u);
}

TEST(GridSearch, NothingToSearch) {
  testing::RecordingUi ui;
  GridSearchState state{3, 2};
  LineTable cleared;
  EXPECT_FALSE(tbRightGridSeachGoClick(cleared, "a", state, ui));
  LineTable one;
  one.Row(1).Text = "abc";
  EXPECT_FALSE(tbRightGridSeachGoClick(one, "   ", state, ui));
  EXPECT_TRUE(ui.calls.empty());
  EXPECT_EQ(state.start, 3u);
  EXPECT_EQ(state.currentRow, 2u);
  state = {};
  EXPECT_TRUE(tbRightGridSeachGoClick(one, "b", state, ui)) << "a one-line text is searched";
}

TEST(PaneButtons, Bottom) {
  struct {
    std::size_t lines, caret, scroll, caretAfter;
  } cases[] = {{3, 2, 1, 2}, {3, 0, 3, 2}, {20, 0, 15, 15}, {20, 14, 1, 15}, {20, 15, 5, 19}};
  for (const auto& c : cases) {
    const auto move = BottomOfPane(c.lines, c.caret);
    EXPECT_EQ(move.scrollBy, c.scroll) << c.lines << "/" << c.caret;
    EXPECT_EQ(move.caretLine, c.caretAfter) << c.lines << "/" << c.caret;
  }
}

// Lines end at CR LF, LF or CR in any mix, as an editor counts them.
TEST(LineIndex, EveryKindOfLineEnd) {
  struct Case {
    std::string text;
    std::vector<std::pair<std::size_t, std::size_t>> lines;  // start, end
  };
  const Case cases[] = {
      {"", {{0, 0}}},
      {"ab", {{0, 2}}},
      {"a\r\nb", {{0, 1}, {3, 4}}},
      {"a\n\rb", {{0, 1}, {2, 2}, {3, 4}}},
      {"a\rb\nc\r\n", {{0, 1}, {2, 3}, {4, 5}, {7, 7}}},
      {"\r\r\n\n", {{0, 0}, {1, 1}, {3, 3}, {4, 4}}},
  };
  for (const Case& c : cases) {
    const LineIndex index(c.text);
    ASSERT_EQ(index.LineCount(), c.lines.size()) << c.text;
    for (std::size_t line = 0; line < c.lines.size(); ++line) {
      EXPECT_EQ(index.LineStart(line), c.lines[line].first) << c.text << " " << line;
      EXPECT_EQ(index.LineEnd(line), c.lines[line].second) << c.text << " " << line;
      EXPECT_EQ(index.LineOf(c.lines[line].first), line) << c.text;
    }
  }
}

}  // namespace
}  // namespace korva
