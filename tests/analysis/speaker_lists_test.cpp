#include "analysis/speaker_lists.h"

#include <gtest/gtest.h>

#include "analysis_support.h"

namespace korva {
namespace {
using testing::Analyse;
using testing::ToU8;
using testing::U8;

TEST(SpeakerLists, ContinuationsInheritTheCategoryUntilAHeaderLine) {
  struct Case {
    const char* name;
    int category;
    std::vector<std::string> lines;
    std::vector<std::string> kindAndCode;  // per row
  };
  const Case cases[] = {
      {"a note does not interrupt",
       0,
       {"■開議", "○議長（山田太郎君）　開会します。", "　続けます。", "（拍手）",
        "　さらに続けます。"},
       {"4/", "2/3", "3/3", "8/", "3/3"}},
      {"a header line clears",
       0,
       {"■開議", "○市長（佐藤一郎君）　答弁します。", "（（", "見出し", "））", "　続けます。"},
       {"4/", "2/1", "94/", "1/", "95/", "3/"}},
      {"a heading does not interrupt",
       0,
       {"■開議", "○１番（鈴木花子君）　質問します。", "日程第２　一般質問", "　続けます。"},
       {"4/", "2/5", "4/", "3/5"}},
      {"a lone designation becomes a speaker, a word without a title stays a heading",
       0,
       {"■開議", "市長", "　お答えします。", "開議"},
       {"4/", "2/1", "3/1", "4/"}},
      {"default category for an unknown title", 0, {"■開議", "○山田　発言します。"}, {"4/", "2/5"}},
      {"general documents have no categories nor lone speakers",
       7,
       {"■開議", "○議長（山田太郎君）　一。", "市長", "　二。"},
       {"4/", "2/", "4/", "3/"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Document doc = Analyse(c.lines, c.category);
    ASSERT_EQ(doc.MinutesTextStringGrid.RowCount(), c.kindAndCode.size());
    for (std::size_t r = 1; r <= c.kindAndCode.size(); ++r) {
      const LineRow& row = doc.MinutesTextStringGrid.Row(r);
      EXPECT_EQ(row.LineKind + "/" + row.CategoryCode, c.kindAndCode[r - 1]) << "row " << r;
      EXPECT_EQ(U8(row.KindLabel) == "発言者", row.LineKind == "2") << "row " << r;
    }
  }
}

TEST(SpeakerLists, OnlyTheFirstChairSpeechIsNumbered) {
  const Document doc = Analyse({"■開議", "○議長（山田太郎君）　一。", "○議長（山田太郎君）　二。",
                                "○１番（鈴木一郎君）　三。", "○議長（山田太郎君）　四。",
                                "○副議長（鈴木花子君）　五。"});
  const LineTable& t = doc.MinutesTextStringGrid;
  const std::vector<std::string> speechNos = {"", "1", "", "2", "", ""};
  for (std::size_t r = 1; r <= speechNos.size(); ++r)
    EXPECT_EQ(t.Row(r).SpeechNo, speechNos[r - 1]);
  EXPECT_EQ(ToU8(doc.ListBoxGidaiHatsugen).back(), "   5. ○副議長（鈴木花子君）\t6/1");
  EXPECT_EQ(ToU8(doc.SpeakerNameSet.Items()),
            (std::vector<std::string>{"１番（鈴木一郎君）", "議長（山田太郎君）",
                                      "副議長（鈴木花子君）"}));
}

TEST(SpeakerLists, HeadingEntries) {
  const Document doc =
      Analyse({"会議録", "", "", "", "■日程第１", "／区切り", "○議長（山田太郎君）　一。"});
  EXPECT_EQ(ToU8(doc.SpeakerNavEntryList),
            (std::vector<std::string>{"日程第１/0005", "○議長（山田太郎君）%3/0007"}));
  // The "／" heading is not listed.
  EXPECT_EQ(ToU8(doc.ListBoxGidaiHatsugen),
            (std::vector<std::string>{"日程第１\t5/1", "   1. ○議長（山田太郎君）\t7/1"}));
}

TEST(SpeakerLists, MarkCountCheck) {
  Document doc = Analyse({"「「", "一", "「「", "二", "」」", "【【", "引用", "】】"});
  const MarkCountCheck check = CheckProcessMarkCount(doc);
  EXPECT_FALSE(check.balanced);
  EXPECT_EQ(check.pairs[0].openCount, 2);
  EXPECT_EQ(check.pairs[0].closeCount, 1);
  EXPECT_FALSE(check.pairs[0].Balanced());
  EXPECT_TRUE(check.pairs[4].Balanced());
  EXPECT_EQ(check.pairs[4].openCount, 1);

  doc = Analyse({"｛｛", "議長　山田", "｝｝"});
  EXPECT_TRUE(CheckProcessMarkCount(doc).balanced);
}

TEST(SpeakerLists, ReloadingCountsAgainFromZero) {
  Settings settings;
  Document doc;
  doc.MinutesTextList = testing::SjLines({"「「", "」」", "○議長（山田太郎君）　一。"});
  LoadMinutesTextStringGrid(settings, doc);
  LoadMinutesTextStringGrid(settings, doc);
  EXPECT_EQ(doc.MarkCounts.EnumStartCount, 1);
  EXPECT_EQ(doc.SpeakerNavEntryList.size(), 1u);
  EXPECT_EQ(doc.ListBoxGidaiHatsugen.size(), 1u);
}

TEST(SpeakerLists, RosterListCopiesTheNames) {
  Document doc =
      Analyse({"■開議", "○市長（佐藤君）　一。", "○議長（山田君）　二。", "○市長（佐藤君）　三。"});
  BuildCategoty(doc);
  EXPECT_EQ(ToU8(doc.ListBoxMunicipalRoster),
            (std::vector<std::string>{"議長（山田君）", "市長（佐藤君）"}));
}

// The one-pass completion must give what the three steps give in turn.
TEST(SpeakerLists, OnePassEqualsTheStepsInTurn) {
  const std::vector<std::string> lines = {"会議録",
                                          "｛｛",
                                          "議長　山田太郎",
                                          "｝｝",
                                          "■開議",
                                          "○議長（山田太郎君）　開会します。",
                                          "　続けます。",
                                          "市長",
                                          "　答弁します。",
                                          "（（",
                                          "見出し",
                                          "））",
                                          "　続き。",
                                          "日程第１　一般質問",
                                          "◆　１番　質問します。",
                                          "〔議場騒然",
                                          "〕",
                                          "　以上です。",
                                          "○副議長（鈴木花子君）　再開します。",
                                          "【【",
                                          "引用",
                                          "】】",
                                          "／区切り",
                                          "午後２時散会",
                                          "■",
                                          "署名"};
  for (int category : {0, 1, 2, 6, 7}) {
    Document stepwise;
    stepwise.MinutesTextList = testing::SjLines(lines);
    ClassifyMinutesLines(stepwise.MinutesTextList, stepwise.MinutesTextStringGrid,
                         stepwise.MarkCounts);
    Document onePass = stepwise;
    if (category < 7) BuildYakushoku(stepwise.MinutesTextStringGrid, category);
    CatTypeCode2Desc(stepwise.MinutesTextStringGrid);
    MakeGidaihatugenShaList(stepwise);
    CompleteLineTable(onePass, category);
    EXPECT_FALSE(stepwise.SpeakerNavEntryList.empty());
    // Loading completes each row right after classifying it: the same again.
    const Document loaded = testing::Analyse(lines, category);
    for (const Document* doc : {static_cast<const Document*>(&onePass), &loaded}) {
      SCOPED_TRACE(doc == &loaded ? "loaded" : "one pass");
      for (std::size_t r = 1; r <= lines.size(); ++r) {
        EXPECT_EQ(testing::ToU8(doc->MinutesTextStringGrid.Row(r)),
                  testing::ToU8(stepwise.MinutesTextStringGrid.Row(r)))
            << "category " << category << " row " << r;
      }
      EXPECT_EQ(doc->ListBoxGidaiHatsugen, stepwise.ListBoxGidaiHatsugen) << category;
      EXPECT_EQ(doc->SpeakerNavEntryList, stepwise.SpeakerNavEntryList) << category;
      EXPECT_EQ(doc->SpeakerNameSet.Items(), stepwise.SpeakerNameSet.Items()) << category;
    }
  }
}

}  // namespace
}  // namespace korva
