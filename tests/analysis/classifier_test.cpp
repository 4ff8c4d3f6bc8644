#include "analysis/classifier.h"

#include <gtest/gtest.h>

#include "analysis_support.h"

namespace korva {
namespace {
using testing::Analyse;
using testing::Classify;
using testing::RowU8;
using testing::ToU8;
using testing::U8;

const std::vector<std::string> kTenLines = {
    "令和元年第１回定例会会議録",
    "■開議",
    "○議長（山田太郎君）　ただいまから会議を開きます。",
    "　本日の議事日程は、お手元に配付のとおりです。",
    "〔「異議なし」と呼ぶ者あり〕",
    "○議長（山田太郎君）　異議なしと認めます。",
    "日程第１　会議録署名議員の指名",
    "○議長（山田太郎君）　散会します。",
    "午後２時散会",
    "（拍手）",
};

TEST(LineTable, TenLineDocumentGivesEveryColumnAndTheLists) {
  const Document doc = Analyse(kTenLines);
  const std::string chair = "○議長（山田太郎君）";
  const std::vector<RowU8> expected = {
      {"   1", "", "令和元年第１回定例会会議録", "1", "", "", "", ""},
      {"   2", "■開議", "", "4", "", "", "", "議題"},
      {"   3", chair, "　ただいまから会議を開きます。", "2", "1", "3", "", "発言者"},
      {"   4", "", "　本日の議事日程は、お手元に配付のとおりです。", "3", "", "3", "", ""},
      {"   5", "", "〔「異議なし」と呼ぶ者あり〕", "8", "", "", "0", ""},
      {"   6", chair, "　異議なしと認めます。", "2", "", "3", "", "発言者"},
      {"   7", "日程第１　会議録署名議員の指名", "", "4", "", "", "", "議題"},
      {"   8", chair, "　散会します。", "2", "", "3", "", "発言者"},
      {"   9", "", "午後２時散会", "8", "", "", "9", ""},
      {"  10", "", "（拍手）", "1", "", "", "", ""},
  };
  ASSERT_EQ(doc.MinutesTextStringGrid.RowCount(), expected.size());
  for (std::size_t r = 1; r <= expected.size(); ++r) {
    EXPECT_EQ(ToU8(doc.MinutesTextStringGrid.Row(r)), expected[r - 1]) << "row " << r;
  }
  EXPECT_EQ(ToU8(doc.ListBoxGidaiHatsugen),
            (std::vector<std::string>{
                "開議\t2/1", "   1. ○議長（山田太郎君）\t3/1", "   2. ○議長（山田太郎君）\t6/1",
                "日程第１　会議録署名議員の指名\t7/1", "   3. ○議長（山田太郎君）\t8/1"}));
  EXPECT_EQ(ToU8(doc.SpeakerNavEntryList),
            (std::vector<std::string>{
                "開議/0002", "○議長（山田太郎君）%3/0003", "○議長（山田太郎君）%3/0006",
                "日程第１会議録署名議員の指名/0007", "○議長（山田太郎君）%3/0008"}));
  EXPECT_EQ(ToU8(doc.SpeakerNameSet.Items()), (std::vector<std::string>{"議長（山田太郎君）"}));
}

struct LineCase {
  const char* name;
  bool inProceedings;  // a "■開議" line comes first
  std::string line;
  std::string designation, text, kind, blockPos;
};

TEST(Classifier, SingleLines) {
  const std::string fifty = [] {
    std::string s;
    for (int i = 0; i < 25; ++i) s += "あ";
    return s;
  }();
  const std::string sixteen = fifty.substr(0, 16 * 3);  // UTF-8: three bytes each
  const LineCase cases[] = {
      {"chair with name and sentence", false,
       "○議長（山田太郎君）　ただいまから本日の会議を開きます。", "○議長（山田太郎君）",
       "　ただいまから本日の会議を開きます。", "2", ""},
      {"mark followed by a full-width space", false, "○　答弁いたします。", "○",
       "　答弁いたします。", "2", ""},
      {"half-width space after a title", false, "○市長 山田太郎君 お答えします。", "○市長",
       "　山田太郎君 お答えします。", "2", ""},
      {"half-width space after a bracket", true, "○議長（山田君） 開会します。", "○議長（山田君）",
       "　開会します。", "2", ""},
      {"agenda words keep a sentence line", true, "日程第１　会議録署名議員の指名を行います。", "",
       "　日程第１　会議録署名議員の指名を行います。", "3", ""},
      {"comma in the first segment", true, "なお、本日は　以上です。", "",
       "　なお、本日は　以上です。", "3", ""},
      {"remark only", true, "／／メモ", "", "", "-", ""},
      {"remark after text", false, "本文です。／／後で直す", "", "　本文です。", "1", ""},
      {"applause note", true, "（拍手）", "", "（拍手）", "8", "0"},
      {"bracket note", true, "〔「異議なし」と呼ぶ者あり〕", "", "〔「異議なし」と呼ぶ者あり〕",
       "8", "0"},
      {"full-width minus line", false, "－－－－", "", "－－－－", "0", ""},
      {"minus line drops half-width minus", false, "－a-b－", "", "－ab－", "0", ""},
      {"dash separator", false, "――――", "", "――――", "-", ""},
      {"equals separator", false, "＝＝＝", "", "＝＝＝", "-", ""},
      {"drop mark", true, "　＼この行は出さない", "", "＼この行は出さない", "-", ""},
      {"comment line", true, "。。編集メモ", "", "。。編集メモ", "99", "9"},
      {"full stop line keeps its blanks", true, "。行頭 ", "", "。行頭 ", "0", "1"},
      {"down-triangle heading", false, "▼追加議題", "▼追加議題", "", "4", ""},
      {"down-triangle after blanks in the proceedings", true, "　▽追加", "▽追加", "", "4", ""},
      {"one-line enumeration", false, "「」議案第１号", "", "議案第１号", "73", ""},
      {"yen note", false, "￥手書きの注記", "", "￥手書きの注記", "8", ""},
      {"blank only", true, "　　 ", "", "", "0", ""},
      {"adjournment", true, "午後２時散会", "", "午後２時散会", "8", "9"},
      {"recess keeps the proceedings", true, "　午前１１時５８分休憩", "", "　午前１１時５８分休憩",
       "8", ""},
      {"recess of the session is a heading", true, "閉会中の継続審査", "閉会中の継続審査", "", "4",
       ""},
      {"heading in the proceedings", true, "日程第１　会議録署名議員の指名",
       "日程第１　会議録署名議員の指名", "", "4", ""},
      {"header line outside the proceedings", false, "令和元年第１回定例会", "",
       "令和元年第１回定例会", "1", ""},
      {"sentence outside the proceedings", false, "　開会の宣告。", "", "　開会の宣告。", "1", ""},
      {"continuation in the proceedings", true, "　続けます。", "", "　続けます。", "3", ""},
      {"mark at the very end", false, "発言者○", "発言者○", "　", "2", ""},
      {"last mark of the list wins, not the leftmost", false, "○　山田◆　鈴木", "○　山田◆",
       "　鈴木", "2", ""},
      {"second full-width space before 41", false, "山田　太郎　発言します。", "山田　太郎",
       "　発言します。", "2", ""},
      {"closing bracket and space wins", false, "（山田）　太郎　発言します。", "（山田）",
       "　太郎　発言します。", "2", ""},
      {"applause inside a sentence", true, "山田　議員の発言に拍手が起きた。", "山田",
       "　議員の発言に拍手が起きた。＼", "2", ""},
      {"first space at byte 51 is too far", false, fifty + "　発言。", "",
       "　" + fifty + "　発言。", "1", ""},
      {"second full-width space at byte 39 is used", false, "山田　" + sixteen + "　発言。",
       "山田　" + sixteen, "　発言。", "2", ""},
      {"second full-width space at byte 41 is not", false, "山田　" + sixteen + "あ　発言。",
       "山田", "　" + sixteen + "あ　発言。", "2", ""},
      // "ソ" ends in 0x5C and "　" in 0x40: neither may be read as "\" or "@",
      // and "表　" must not be found as a "＼" drop mark.
      {"trail byte 0x5C", true, "表ソ　議長です。", "表ソ", "　議長です。", "2", ""},
      {"full-width at sign", true, "＠　発言。", "＠", "　発言。", "2", ""},
      {"first space at byte 49 splits", false, fifty.substr(3) + "　発言。", fifty.substr(3),
       "　発言。", "2", ""},
  };
  for (const auto& c : cases) {
    std::vector<std::string> lines;
    if (c.inProceedings) lines.push_back("■開議");
    lines.push_back(c.line);
    const LineTable table = Classify(lines);
    const RowU8 row = ToU8(table.Row(lines.size()));
    EXPECT_EQ(row.Designation, c.designation) << c.name;
    EXPECT_EQ(row.Text, c.text) << c.name;
    EXPECT_EQ(row.LineKind, c.kind) << c.name;
    EXPECT_EQ(row.BlockPos, c.blockPos) << c.name;
  }
}

struct SequenceCase {
  const char* name;
  std::vector<std::string> lines;
  std::vector<std::pair<std::string, std::string>> kindAndPos;  // per row
};

TEST(Classifier, Sequences) {
  const SequenceCase cases[] = {
      {"note over three lines",
       {"■開議", "〔議場騒然", "　発言する者あり", "〕"},
       {{"4", ""}, {"8", "1"}, {"8", "2"}, {"8", "3"}}},
      {"quotation of two lines",
       {"【【", "　引用一", "　引用二", "】】"},
       {{"91", ""}, {"9", "1"}, {"9", "3"}, {"92", ""}}},
      {"quotation of one line", {"【【", "　引用", "】】"}, {{"91", ""}, {"9", "0"}, {"92", ""}}},
      {"empty quotation", {"【【", "】】"}, {{"91", "3"}, {"92", ""}}},
      {"paragraph block",
       {"〔〔", "一。", "二。", "三。", "〕〕"},
       {{"11", ""}, {"10", "1"}, {"10", "2"}, {"10", "3"}, {"12", ""}}},
      {"roster block", {"｛｛", "議長　山田太郎", "｝｝"}, {{"51", ""}, {"5", ""}, {"52", ""}}},
      {"comment block hides marks",
       {"＜＜", "○議長　何か。", "【【", "＞＞"},
       {{"96", ""}, {"93", ""}, {"93", ""}, {"97", ""}}},
      {"raw HTML block", {"『『", " <b>太字</b>", "』』"}, {{"61", ""}, {"6", ""}, {"62", ""}}},
      {"enumeration block", {"「「", "議案第１号", "」」"}, {{"71", ""}, {"7", ""}, {"72", ""}}},
      {"plain-text block",
       {"■開議", "（（", "○議長　本文。", "））"},
       {{"4", ""}, {"94", ""}, {"1", ""}, {"95", ""}}},
      {"comment line starts plain text",
       {"■開議", "。。メモ", "　続き。"},
       {{"4", ""}, {"99", "9"}, {"1", ""}}},
      {"after the closing line everything is a note",
       {"■開議", "■散会", "○議長（山田太郎君）　署名。", "　署名する。"},
       {{"4", ""}, {"1", ""}, {"8", ""}, {"8", ""}}},
      {"adjournment closes the proceedings",
       {"■開議", "午後２時散会", "（拍手）"},
       {{"4", ""}, {"8", "9"}, {"1", ""}}},
      {"speaker line opens the proceedings",
       {"山田　発言します。", "（拍手）"},
       {{"2", ""}, {"8", "0"}}},
  };
  for (const auto& c : cases) {
    const LineTable table = Classify(c.lines);
    ASSERT_EQ(table.RowCount(), c.kindAndPos.size()) << c.name;
    for (std::size_t r = 1; r <= table.RowCount(); ++r) {
      EXPECT_EQ(U8(table.Row(r).LineKind), c.kindAndPos[r - 1].first) << c.name << " row " << r;
      EXPECT_EQ(U8(table.Row(r).BlockPos), c.kindAndPos[r - 1].second) << c.name << " row " << r;
    }
  }
}

TEST(Classifier, CountsEveryBlockMark) {
  BlockMarkCounts counts;
  Classify({"「「", "「「", "」」", "『『", "』』", "｛｛", "｝｝", "＜＜", "＞＞", "【【", "】】",
            "〔〔", "〕〕", "〔〔"},
           &counts);
  const int seen[] = {
      counts.EnumStartCount,    counts.EnumEndCount,        counts.HTMLStartCount,
      counts.HTMLEndCount,      counts.RosterStartCount,    counts.RosterEndCount,
      counts.CommentStartCount, counts.CommentEndCount,     counts.QuoteStartCount,
      counts.QuoteEndCount,     counts.ParagraphStartCount, counts.ParagraphEndCount};
  EXPECT_EQ(std::vector<int>(std::begin(seen), std::end(seen)),
            (std::vector<int>{2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 1}));
}

TEST(Classifier, NoLinesLeavesTheTableAlone) {
  LineTable table;
  table.Row(1).Text = "kept";
  BlockMarkCounts counts;
  EXPECT_EQ(MoveGrid2Roster({}, table, counts), -1);
  EXPECT_EQ(table.RowCount(), 1u);
  EXPECT_EQ(table.Row(1).Text, "kept");
}

TEST(Classifier, BadInputStillGetsAKindForEveryLine) {
  std::string huge(1 << 20, 'x');
  huge += "\x81";  // a lone lead byte at the end
  const std::vector<std::string> lines = {std::string("\0\0\x01\xFF\x80", 5), huge,
                                          std::string("\x81\x40\x81", 3), "\xFD\xFE",
                                          std::string(300, '\t')};
  LineTable table;
  BlockMarkCounts counts;
  ASSERT_EQ(MoveGrid2Roster(lines, table, counts), 0);
  ASSERT_EQ(table.RowCount(), lines.size());
  for (const auto& row : table) EXPECT_FALSE(row.LineKind.empty()) << row.LineNo;
  EXPECT_EQ(table.Row(5).LineKind, "0");
}

}  // namespace
}  // namespace korva
