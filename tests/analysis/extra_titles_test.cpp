#include "analysis/extra_titles.h"

#include <gtest/gtest.h>

#include "analysis_support.h"

namespace korva {
namespace {
using testing::Analyse;
using testing::ToU8;
using testing::U8;

std::vector<std::string> Records(const std::vector<YakushokuTable>& table) {
  std::vector<std::string> out;
  for (const auto& r : table) out.push_back(U8(r.Key) + " " + r.Code);
  return out;
}

TEST(ExtraTitles, ParsesTitlesWithCodesAndNamesWhatItCannotRead) {
  struct Case {
    std::string text;
    std::vector<std::string> titles, rejected;
  };
  const Case cases[] = {
      {"副区長 2, 区長 1", {"副区長 2", "区長 1"}, {}},
      {"副区長　2、区長  1 ,", {"副区長 2", "区長 1"}, {}},  // full-width space and comma
      {"", {}, {}},
      {"区長 0, 区長 1, 区長 14, 区長 15", {"区長 1", "区長 14"}, {"区長 0", "区長 15"}},
      {"区長1, 区長 １, 区長, 7, 区 長 7", {}, {"区長1", "区長 １", "区長", "7", "区 長 7"}},
      {"区長 007", {}, {"区長 007"}},  // more than two digits
      {"１２番 5", {"１２番 5"}, {}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> rejected;
    EXPECT_EQ(Records(ParseExtraTitles(Sj(c.text), &rejected)), c.titles) << c.text;
    EXPECT_EQ(ToU8(rejected), c.rejected) << c.text;
  }
}

TEST(ExtraTitles, ComeBeforeTheTableButAfterTheMarks) {
  const auto extra = ParseExtraTitles(Sj("区長 1, 副区長 2, 教育委員 7"));
  struct Case {
    std::string designation;
    int category;
    std::string expected;
  };
  const Case cases[] = {
      {"○（青木克德区長）", 0, "1"},
      {"○（植竹貴副区長）", 0, "2"},      // the longer title wins, whatever the order
      {"○（久保洋子教育委員）", 0, "7"},  // ahead of 委員 in the table
      {"○区長（山田太郎君）", 0, "1"},    // ahead of 君
      {"◆　区長", 0, "5"},                // a mark still decides
      {"○（伊藤よしのり議長）", 0, "3"},  // no extra title: the table
      {"○（青木克德区長）", 7, "0"},      // general documents have no categories
  };
  for (const auto& c : cases) {
    EXPECT_EQ(YakushokuCodeByCategory(Sj(c.designation), "5", c.category, extra), c.expected)
        << c.designation;
  }
  EXPECT_EQ(YakushokuCodeByCategory(Sj("○（青木克德区長）"), "5", 0), "5");

  // A designation alone on its line: the title must end with the extra one.
  EXPECT_EQ(YakushokuCodeByTail(Sj("副区長"), "9", extra), "2");
  EXPECT_EQ(YakushokuCodeByTail(Sj("区長（青木克德）"), "9", extra), "1");
  EXPECT_EQ(YakushokuCodeByTail(Sj("区長室"), "9", extra), "0");
  EXPECT_EQ(YakushokuCodeByTail(Sj("区長"), "9"), "0");
}

TEST(ExtraTitles, TheAnalysisUsesThoseOfTheMeetingCategory) {
  const std::vector<std::string> lines = {"■開議", "○（青木克德区長）　お答えします。",
                                          "　以上です。", "区長"};
  for (int category : {0, 1}) {
    Settings settings;
    settings.RadioGroupCategory = category;
    settings.EditExtraTitlesAssembly = Sj("区長 1");
    settings.EditExtraTitlesDiet = Sj("区長 7");
    Document doc;
    doc.MinutesTextList = testing::SjLines(lines);
    LoadMinutesTextStringGrid(settings, doc);
    const std::string code = category == 0 ? "1" : "7";
    EXPECT_EQ(doc.MinutesTextStringGrid.Row(2).CategoryCode, code) << category;
    EXPECT_EQ(doc.MinutesTextStringGrid.Row(3).CategoryCode, code) << category;
    // Alone on its line, an extra title makes a speaker line too.
    EXPECT_EQ(doc.MinutesTextStringGrid.Row(4).LineKind, "2") << category;
  }
  // Without extra titles the ward mayor is a member, and "区長" a heading.
  const Document plain = Analyse(lines);
  EXPECT_EQ(plain.MinutesTextStringGrid.Row(2).CategoryCode, "5");
  EXPECT_EQ(plain.MinutesTextStringGrid.Row(4).LineKind, "4");
}

}  // namespace
}  // namespace korva
