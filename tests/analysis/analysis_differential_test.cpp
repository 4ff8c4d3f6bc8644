// The analysis against the rules written plainly (reference_analysis.h): the
// same line table, lists and counts on the real minutes in every meeting
// category, and on random documents made of the rules' own fragments.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "analysis/title_tables.h"
#include "analysis_support.h"
#include "reference_analysis.h"
#include "session/files.h"
#include "text/path_text.h"
#include "text/sjis.h"

namespace korva {
namespace {

// Keeps the rows a streamed analysis hands on, with the kinds it says follow.
struct KeptRows final : RowConsumer {
  std::vector<LineRow> rows;
  std::vector<std::string> nextKinds;
  void Row(std::size_t r, const LineRow& row, std::string_view nextKind) override {
    EXPECT_EQ(r, rows.size() + 1);
    rows.push_back(row);
    nextKinds.emplace_back(nextKind);
  }
};

// The streamed analysis (of the lines, and of their text) gives the rows of
// the table, in order, each with the kind of the row after it, and the same
// lists.
void ExpectSameStream(const Settings& settings, const Document& tabled, const std::string& where) {
  Document fromLines;
  fromLines.MinutesTextList = tabled.MinutesTextList;
  KeptRows kept;
  ASSERT_EQ(StreamMinutesAnalysis(settings, fromLines, kept), tabled.MinutesTextList.size());
  Document fromText;
  KeptRows keptFromText;
  StreamMinutesAnalysis(settings, fromText, sjis::JoinLines(tabled.MinutesTextList), keptFromText);
  Document rowsOnly;
  KeptRows keptRowsOnly;
  StreamMinutesAnalysis(settings, rowsOnly, sjis::JoinLines(tabled.MinutesTextList), keptRowsOnly,
                        StreamLists::None);
  EXPECT_TRUE(rowsOnly.SpeakerNavEntryList.empty() && rowsOnly.SpeakerNameSet.Empty()) << where;
  const LineTable& table = tabled.MinutesTextStringGrid;
  ASSERT_EQ(kept.rows.size(), table.RowCount()) << where;
  for (std::size_t r = 1; r <= table.RowCount(); ++r) {
    ASSERT_EQ(testing::ToU8(kept.rows[r - 1]), testing::ToU8(table.Row(r)))
        << where << " row " << r;
    ASSERT_EQ(testing::ToU8(keptFromText.rows[r - 1]), testing::ToU8(table.Row(r))) << where;
    ASSERT_EQ(testing::ToU8(keptRowsOnly.rows[r - 1]), testing::ToU8(table.Row(r))) << where;
    ASSERT_EQ(kept.nextKinds[r - 1],
              r < table.RowCount() ? std::string(table.Row(r + 1).LineKind) : "")
        << where << " row " << r;
  }
  for (const Document* streamed : {&fromLines, &fromText}) {
    EXPECT_EQ(streamed->SpeakerNavEntryList, tabled.SpeakerNavEntryList) << where;
    EXPECT_EQ(streamed->ListBoxGidaiHatsugen, tabled.ListBoxGidaiHatsugen) << where;
    EXPECT_EQ(streamed->SpeakerNameSet.Items(), tabled.SpeakerNameSet.Items()) << where;
    EXPECT_EQ(streamed->MarkCounts.QuoteEndCount, tabled.MarkCounts.QuoteEndCount) << where;
    EXPECT_EQ(streamed->MinutesTextStringGrid.RowCount(), 1u) << where;
  }
}

void ExpectSameAnalysis(const std::vector<std::string>& lines, int category,
                        const std::string& what) {
  Settings settings;
  settings.RadioGroupCategory = category;
  Document fast;
  fast.MinutesTextList = lines;
  LoadMinutesTextStringGrid(settings, fast);
  const Document plain = testing::ReferenceAnalyse(lines, category);
  const std::string where = what + ", category " + std::to_string(category);
  ExpectSameStream(settings, fast, where);

  ASSERT_EQ(fast.MinutesTextStringGrid.RowCount(), plain.MinutesTextStringGrid.RowCount()) << where;
  for (std::size_t r = 1; r <= lines.size(); ++r) {
    ASSERT_EQ(testing::ToU8(fast.MinutesTextStringGrid.Row(r)),
              testing::ToU8(plain.MinutesTextStringGrid.Row(r)))
        << where << ", row " << r << ": " << testing::U8(lines[r - 1]);
  }
  EXPECT_EQ(fast.ListBoxGidaiHatsugen, plain.ListBoxGidaiHatsugen) << where;
  EXPECT_EQ(fast.SpeakerNavEntryList, plain.SpeakerNavEntryList) << where;
  EXPECT_EQ(fast.SpeakerNameSet.Items(), plain.SpeakerNameSet.Items()) << where;
  const BlockMarkCounts &a = fast.MarkCounts, &b = plain.MarkCounts;
  EXPECT_TRUE(
      a.EnumStartCount == b.EnumStartCount && a.EnumEndCount == b.EnumEndCount &&
      a.HTMLStartCount == b.HTMLStartCount && a.HTMLEndCount == b.HTMLEndCount &&
      a.RosterStartCount == b.RosterStartCount && a.RosterEndCount == b.RosterEndCount &&
      a.CommentStartCount == b.CommentStartCount && a.CommentEndCount == b.CommentEndCount &&
      a.QuoteStartCount == b.QuoteStartCount && a.QuoteEndCount == b.QuoteEndCount &&
      a.ParagraphStartCount == b.ParagraphStartCount && a.ParagraphEndCount == b.ParagraphEndCount)
      << where;
}

TEST(AnalysisDifferential, RealMinutesInEveryCategory) {
  const std::filesystem::path source = KORVA_SOURCE_DIR;
  std::vector<std::filesystem::path> files = {
      source / "examples" / PathFromUtf8("令和６年第１回定例会「本会議」@r0612t1-1.txt")};
  for (const auto& entry : std::filesystem::directory_iterator(source / "tests/data/corpus")) {
    if (entry.path().extension() == ".txt") files.push_back(entry.path());
  }
  ASSERT_GE(files.size(), 6u);
  for (const auto& file : files) {
    const ReadResult read = ReadFileBytes(file);
    ASSERT_FALSE(read.error) << file;
    const std::vector<std::string> lines = sjis::SplitLines(read.bytes);
    for (int category = 0; category <= 7; ++category) {
      ExpectSameAnalysis(lines, category, Utf8FromPath(file.filename()));
    }
  }
}

// Lines made of what the rules look at: marks, titles, block marks, brackets,
// sentence ends, keywords, spaces of every kind, runs long enough to reach
// the byte thresholds, and characters whose second byte is an ASCII
// character the rules look for ("表" ends in "\", "　" in "@", "ソ" in "\").
std::vector<std::string> SjList(std::initializer_list<const char*> utf8) {
  std::vector<std::string> out;
  for (const char* s : utf8) out.push_back(Sj(s));
  return out;
}

class FragmentDocuments {
 public:
  FragmentDocuments() {
    const char* utf8[] = {"○",
                          "●",
                          "◆",
                          "◇",
                          "◎",
                          "＠",
                          "■",
                          "□",
                          "▲",
                          "▼",
                          "△",
                          "▽",
                          "★",
                          "☆",
                          "※",
                          "∇",
                          "◯",
                          "〇",
                          "￥",
                          "＜＜",
                          "＞＞",
                          "｛｛",
                          "｝｝",
                          "（（",
                          "））",
                          "「「",
                          "」」",
                          "『『",
                          "』』",
                          "【【",
                          "】】",
                          "〔〔",
                          "〕〕",
                          "「」",
                          "／／",
                          "／",
                          "＼",
                          "。。",
                          "。",
                          "…",
                          "、",
                          "（",
                          "）",
                          "〔",
                          "〕",
                          "［",
                          "］",
                          "【",
                          "】",
                          "「",
                          "」",
                          "－",
                          "-",
                          "―",
                          "─",
                          "━",
                          "～",
                          "＝",
                          "〓",
                          "散会",
                          "延会",
                          "閉会",
                          "宣告",
                          "閉会中",
                          "議決",
                          "休憩",
                          "再開",
                          "拍手",
                          "議案",
                          "日程",
                          "組合長",
                          "長 ",
                          "） ",
                          "員 ",
                          "）　",
                          "山田太郎",
                          "表",
                          "ソ",
                          "予",
                          "能",
                          "ｱｲ",
                          "abc",
                          "\t",
                          " ",
                          "  ",
                          "　",
                          "　　",
                          "　　　　　　　　　　",
                          "あいうえおかきくけこ",
                          "議長（山田太郎君）",
                          "市長",
                          "副市長",
                          "委員長",
                          "さん",
                          "氏",
                          "君",
                          "番"};
    for (const char* f : utf8) fragments_.push_back(Sj(f));
    for (int category = 0; category <= 6; ++category) {
      for (const YakushokuTable& record : TitleTableForCategory(category)) {
        fragments_.push_back(record.Key);
      }
    }
    fragments_.push_back("\x81");  // a lead byte that may be cut off
    fragments_.push_back("\xFF");
  }

  // Lines of fragments, often shaped like the lines the rules tell apart: a
  // lead (mark, block mark, bracket, blanks), fragments between runs of "あ"
  // of any length (so that spaces fall on either side of the byte limits),
  // and an end (sentence end, closing bracket, blanks or none). Documents
  // often open the proceedings first.
  std::vector<std::string> Document(std::mt19937& rng) const {
    static const std::vector<std::string> leads =
        SjList({"", "", "", "○", "◆　", "◎", "■", "（", "〔", "【【", "　", "  ", " ", "\t", "▼"});
    static const std::vector<std::string> ends =
        SjList({"", "。", "。", "…", "、", "＼", "）", "〕", "］", "】", "　", " ", "\t", "－"});
    const auto pick = [&](const std::vector<std::string>& from) -> const std::string& {
      return from[rng() % from.size()];
    };
    const auto run = [&](int most) {
      std::string out;
      for (int n = static_cast<int>(rng() % most); n > 0; --n) out += Sj("あ");
      return out;
    };
    std::vector<std::string> lines(1 + rng() % 40);
    if (rng() % 3 != 0) lines.front() = Sj("■開議");
    for (std::size_t i = rng() % 3 == 0 ? 0 : 1; i < lines.size(); ++i) {
      std::string& line = lines[i];
      line = pick(leads);
      if (rng() % 3 == 0) {
        // Designation-like segments ending near the byte limits.
        line += run(28) + pick(fragments_) + Sj("　") + run(12);
        if (rng() % 2 == 0) line += pick(fragments_) + Sj("）　") + run(8);
        if (rng() % 2 == 0) line += Sj("　") + run(8);
      }
      for (int n = static_cast<int>(rng() % 5); n > 0; --n) {
        line += pick(fragments_);
        if (rng() % 3 == 0) line += run(30);
        if (rng() % 4 == 0) line += Sj("　");
      }
      line += pick(ends);
    }
    return lines;
  }

 private:
  std::vector<std::string> fragments_;
};

TEST(AnalysisDifferential, RandomDocumentsOfTheRulesFragments) {
  const FragmentDocuments documents;
  std::mt19937 rng(20240612);
  for (int i = 0; i < 3000; ++i) {
    const std::vector<std::string> lines = documents.Document(rng);
    ExpectSameAnalysis(lines, static_cast<int>(rng() % 9) - 1, "document " + std::to_string(i));
    if (HasFailure()) return;
  }
}

TEST(AnalysisDifferential, CategoryOfRandomDesignations) {
  const FragmentDocuments documents;
  std::mt19937 rng(16);
  for (int i = 0; i < 20000; ++i) {
    const std::string designation = documents.Document(rng).front();
    const int category = static_cast<int>(rng() % 9) - 1;
    ASSERT_EQ(YakushokuCodeByCategory(designation, "5", category),
              testing::ReferenceCodeByCategory(designation, "5", category))
        << testing::U8(designation) << " in category " << category;
  }
}

}  // namespace
}  // namespace korva
