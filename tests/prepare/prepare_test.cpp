// The preparation of exported minutes, one convention at a time.
#include "prepare/prepare.h"

#include <gtest/gtest.h>

#include <bit>
#include <stdexcept>

#include "prepare_support.h"

namespace korva {
namespace {
using testing::SjLines;
using testing::ToU8;
using testing::U8;

struct Case {
  const char* name;
  std::vector<std::string> input, expected;
};

// Each case is prepared, and the prepared text prepared once more changes nothing.
void Check(const Case& c, const Settings& settings = {}) {
  const auto lines = SjLines(c.input);
  const PrepareResult result = PrepareMinutes(lines, settings);
  const auto prepared = ApplyPrepareChanges(lines, result.changes);
  EXPECT_EQ(ToU8(prepared), c.expected) << c.name;
  EXPECT_TRUE(PrepareMinutes(prepared, settings).changes.empty()) << c.name << " (again)";
}

TEST(Prepare, ProceedingsAndPageMarkers) {
  const Case cases[] = {
      {"opening line, page marker, closing before the adjournment",
       {"　　午前10時00分　開会", "<PAGE=\"2\">", "○議長（山田太郎議員）　開会します。",
        "　　午前10時05分　散会"},
       {"■　　午前10時00分　開会", "○議長（山田太郎議員）　開会します。", "■",
        "　　午前10時05分　散会"}},
      {"opening over notes and a separator, closing before a blank line",
       {"　　午後一時二分開議", "　〔事務総長議長席に着く〕", "―――――",
        "○事務総長（築山信彦君）　これより会議を開きます。", "　続けます。", "",
        "　地方自治法の規定によりここに署名する。"},
       {"■　　午後一時二分開議", "　〔事務総長議長席に着く〕", "―――――",
        "○事務総長（築山信彦君）　これより会議を開きます。", "　続けます。", "■", "",
        "　地方自治法の規定によりここに署名する。"}},
      {"closed by an adjournment with no speech to open them again: no closing mark",
       {"午前１０時開議", "○議長（山田太郎君）　散会します。", "　　午前10時散会",
        "○事務局長（佐藤記一）　（朗読）"},
       {"■午前１０時開議", "○議長（山田太郎君）　散会します。", "　　午前10時散会",
        "○事務局長（佐藤記一）　（朗読）"}},
      {"no line announces the opening: no marks",
       {"会議録", "○議長（山田太郎君）　開会します。"},
       {"会議録", "○議長（山田太郎君）　開会します。"}},
      {"page markers go in any case, in any letter case",
       {"■開議", "<page=3>", "○議長（山田太郎君）　開会します。", " <PAGE=\"4\"> ", "■"},
       {"■開議", "○議長（山田太郎君）　開会します。", "■"}},
      {"a tag that is no page marker stays",
       {"■開議", "<PAGES>", "<hr>", "○議長（山田太郎君）　開会します。"},
       {"■開議", "<PAGES>", "<hr>", "○議長（山田太郎君）　開会します。"}},
  };
  for (const auto& c : cases) Check(c);
}

TEST(Prepare, DesignationsAloneOnTheirLine) {
  const Case cases[] = {
      {"joined to the speech",
       {"開会（午前１０時００分）", "◯議長（高瀬博文）", "　報告します。", "　以上です。"},
       {"■開会（午前１０時００分）", "◯議長（高瀬博文）　報告します。", "　以上です。", "■"}},
      {"a stage note stays as the speech's note",
       {"午前１０時開議", "◯町長（小野信次）〔登壇〕", "　お許しを賜りました。"},
       {"■午前１０時開議", "◯町長（小野信次）　〔登壇〕　お許しを賜りました。", "■"}},
      {"a speech line without its leading space",
       {"午前１０時開議", "◯議長（高瀬博文）", "報告します。"},
       {"■午前１０時開議", "◯議長（高瀬博文）　報告します。", "■"}},
      {"a title without a name",
       {"午前１０時開議", "○市長", "　お答えします。"},
       {"■午前１０時開議", "○市長　お答えします。", "■"}},
      {"a list heading followed by no speech stays",
       {"〇出席議員（２６人）", "　　１番　吉田崇仁", "午前１０時開議",
        "○議長（吉田崇仁）　開会します。"},
       {"〇出席議員（２６人）", "　　１番　吉田崇仁", "■午前１０時開議",
        "○議長（吉田崇仁）　開会します。", "■"}},
      {"a speaker line ending in a stage note",
       {"午前１０時開議", "○議長（山田太郎君）　市長の答弁を求めます。（「市長」と呼ぶ者あり）"},
       {"■午前１０時開議", "○議長（山田太郎君）　市長の答弁を求めます。",
        "（「市長」と呼ぶ者あり）", "■"}},
      {"two notes at the end go together, with the blanks after them",
       {"午前１０時開議",
        "○議長（山田太郎君）　答弁を求めます。〔「市長」と呼ぶ者あり〕（拍手）　"},
       {"■午前１０時開議", "○議長（山田太郎君）　答弁を求めます。",
        "〔「市長」と呼ぶ者あり〕（拍手）　", "■"}},
      {"applause keeps a speaker line apart already",
       {"午前１０時開議", "○議長（山田太郎君）　ありがとうございました。（拍手）"},
       {"■午前１０時開議", "○議長（山田太郎君）　ありがとうございました。（拍手）", "■"}},
      {"a speech line ending in a note would be a note as a whole",
       {"午前１０時開議", "○議長（山田太郎君）　お諮りします。",
        "　御異議ありませんか。〔「異議なし」と呼ぶ者あり〕"},
       {"■午前１０時開議", "○議長（山田太郎君）　お諮りします。", "　御異議ありませんか。",
        "〔「異議なし」と呼ぶ者あり〕", "■"}},
      {"a joined speech line ending in a note",
       {"午前１０時開議", "◯議長（高瀬博文）", "　答弁を求めます。（「町長」と呼ぶ者あり）"},
       {"■午前１０時開議", "◯議長（高瀬博文）　答弁を求めます。", "（「町長」と呼ぶ者あり）", "■"}},
  };
  for (const auto& c : cases) Check(c);
}

TEST(Prepare, NamesNeverBecomeSpeakers) {
  const Case cases[] = {
      {"names inside a speech continue it",
       {"午前１０時開議", "○議長（吉田崇仁）　会議録署名議員の指名を行います。",
        "　会議録署名議員に", "　　９番　富　山　悦　子　議　員",
        "　　14番　斉　藤　佐知子　議　員", "を指名いたします。"},
       {"■午前１０時開議", "○議長（吉田崇仁）　会議録署名議員の指名を行います。",
        "　会議録署名議員に＼", "　　９番　富　山　悦　子　議　員＼",
        "　　14番　斉　藤　佐知子　議　員＼", "を指名いたします。", "■"}},
      {"a tally inside a speech, and a line of it without a name",
       {"午後一時開議", "○議長（額賀福志郎君）　得票数を申し上げます。", "額賀福志郎君　四百六十二",
        "　　　ほかに無効　　　八十四", "　右の結果、額賀福志郎君が当選されました。"},
       {"■午後一時開議", "○議長（額賀福志郎君）　得票数を申し上げます。",
        "　額賀福志郎君　四百六十二＼", "　　　ほかに無効　　　八十四＼",
        "　右の結果、額賀福志郎君が当選されました。", "■"}},
      {"a roll call between speeches goes into a plain-text block; its title stays a heading",
       {"午後一時開議", "○議長（額賀福志郎君）　点呼を命じます。", "　　―――――", "投票者の氏名",
        "逢沢　　一郎君　　　赤澤　　亮正君", "麻生　　太郎君", "", "副議長選挙の投票者",
        "石破　　　茂君", "　　―――――", "○議長（額賀福志郎君）　散会します。"},
       {"■午後一時開議", "○議長（額賀福志郎君）　点呼を命じます。", "　　―――――", "投票者の氏名",
        "（（", "逢沢　　一郎君　　　赤澤　　亮正君", "麻生　　太郎君", "））", "",
        "副議長選挙の投票者", "（（", "石破　　　茂君", "））", "　　―――――",
        "○議長（額賀福志郎君）　散会します。", "■"}},
      {"a line without names after the last names goes with them",
       {"午後一時開議", "○議長（額賀福志郎君）　報告させます。", "　　　石破　　茂君　二百二十一",
        "　　　ほかに無効　　　八十四", "○議長（額賀福志郎君）　以上です。"},
       {"■午後一時開議", "○議長（額賀福志郎君）　報告させます。", "（（",
        "　　　石破　　茂君　二百二十一", "　　　ほかに無効　　　八十四", "））",
        "○議長（額賀福志郎君）　以上です。", "■"}},
      {"an unmarked line the rules would split is no speaker where speakers are marked",
       {"午前１０時開議", "○議長（山田太郎君）　開会します。", "本日は　晴天であります。",
        "委員長 報告します。"},
       {"■午前１０時開議", "○議長（山田太郎君）　開会します。", "　本日は　晴天であります。",
        "　委員長 報告します。", "■"}},
      {"without speaker marks, unmarked lines may be speakers",
       {"議長（山田太郎君）　開会します。", "本日は　晴天であります。", "　　９番　富山悦子議員"},
       {"議長（山田太郎君）　開会します。", "本日は　晴天であります。", "　　９番　富山悦子議員"}},
      {"headings without names stay",
       {"開議（午前１０時０３分）", "◯議長（高瀬博文）", "　会議を開きます。", "", "日程第１",
        "◯議長（高瀬博文）", "　日程第１を議題とします。"},
       {"■開議（午前１０時０３分）", "◯議長（高瀬博文）　会議を開きます。", "", "日程第１",
        "◯議長（高瀬博文）　日程第１を議題とします。", "■"}},
  };
  for (const auto& c : cases) Check(c);
}

TEST(Prepare, LinesThatBeginWithAPeriod) {
  const Case cases[] = {
      {"a period goes back to its line; a comment line turns into a note",
       {"午前１０時開議", "○議長（山田太郎君）　開会します", "。", "", "。。",
        "○議長（山田太郎君）　散会します。"},
       {"■午前１０時開議", "○議長（山田太郎君）　開会します。", "", "￥。。",
        "○議長（山田太郎君）　散会します。", "■"}},
      {"marked by a clerk, they stay",
       {"■開議", "○議長（山田太郎君）　開会します。", "", "。", "■", "。。　メモ"},
       {"■開議", "○議長（山田太郎君）　開会します。", "", "。", "■", "。。　メモ"}},
  };
  for (const auto& c : cases) Check(c);
}

// The limits of what reads as a designation: a stage note of at most ten
// characters, a designation that the rules split within their first 50 bytes.
TEST(Prepare, LimitsOfADesignation) {
  auto repeat = [](const std::string& ch, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += ch;
    return s;
  };
  const std::string note10 = "〔" + repeat("あ", 10) + "〕",
                    note11 = "〔" + repeat("あ", 11) + "〕";
  const std::string title19 = "◯" + repeat("ア", 19) + "（山田）";  // 48 bytes
  const std::string title20 = "◯" + repeat("ア", 20) + "（山田）";  // 50 bytes
  const Case cases[] = {
      {"ten characters of note",
       {"午前１０時開議", "◯町長（小野）" + note10, "　始めます。"},
       {"■午前１０時開議", "◯町長（小野）　" + note10 + "　始めます。", "■"}},
      {"eleven characters are no stage note: no designation either",
       {"午前１０時開議", "○議長（山田君）　開会します。", "◯町長（小野）" + note11,
        "　始めます。"},
       {"■午前１０時開議", "○議長（山田君）　開会します。", "◯町長（小野）" + note11,
        "　始めます。", "■"}},
      {"a designation of 48 bytes joins",
       {"午前１０時開議", title19, "　始めます。"},
       {"■午前１０時開議", title19 + "　始めます。", "■"}},
      {"one of 50 bytes would not split: it stays",
       {"午前１０時開議", title20, "　始めます。"},
       {"■午前１０時開議", title20, "　始めます。", "■"}},
  };
  for (const auto& c : cases) Check(c);

  const PrepareResult left =
      PrepareMinutes(SjLines({"午前１０時開議", title20, "　始めます。"}), Settings{});
  ASSERT_FALSE(left.report.leftAsItWas.empty());
  EXPECT_EQ(left.report.leftAsItWas.back().line, 2u);
}

TEST(Prepare, ReportNamesMarksTitlesAndWhatWasLeft) {
  Settings settings;
  const auto lines =
      SjLines({"午前１０時開議", "<PAGE=\"2\">", "○（青木克德区長）　お答えします。",
               "◆１番（山田太郎君）　質問します。", "○（青木克德区長）　以上です。"});
  const PrepareResult plain = PrepareMinutes(lines, settings);
  ASSERT_EQ(plain.report.pageMarkers.size(), 1u);
  EXPECT_EQ(plain.report.pageMarkers[0].line, 2u);
  EXPECT_EQ(U8(plain.report.pageMarkers[0].text), "<PAGE=\"2\">");
  ASSERT_EQ(plain.report.unknownTitles.size(), 1u);  // named once
  EXPECT_EQ(plain.report.unknownTitles[0].line, 3u);
  EXPECT_EQ(U8(plain.report.unknownTitles[0].text), "○（青木克德区長）");
  ASSERT_EQ(plain.report.speakerMarks.size(), 2u);
  EXPECT_EQ(U8(plain.report.speakerMarks[0].first) +
                std::to_string(plain.report.speakerMarks[0].second) +
                U8(plain.report.speakerMarks[1].first) +
                std::to_string(plain.report.speakerMarks[1].second),
            "○2◆1");

  settings.EditExtraTitlesAssembly = Sj("区長 1");
  EXPECT_TRUE(PrepareMinutes(lines, settings).report.unknownTitles.empty());
  settings.RadioGroupCategory = 7;  // no titles at all in general documents
  settings.EditExtraTitlesAssembly.clear();
  EXPECT_TRUE(PrepareMinutes(lines, settings).report.unknownTitles.empty());

  const PrepareResult marked = PrepareMinutes(SjLines({"■開議", "○議長（山田君）　開会。"}), {});
  ASSERT_EQ(marked.report.leftAsItWas.size(), 1u);
  EXPECT_EQ(marked.report.leftAsItWas[0].line, 0u);
  const PrepareResult unmarked = PrepareMinutes(SjLines({"議長（山田君）　開会。"}), {});
  ASSERT_EQ(unmarked.report.leftAsItWas.size(), 1u);
  EXPECT_TRUE(PrepareMinutes({}, {}).changes.empty());
}

TEST(Prepare, ChangesApplyAloneOrTogether) {
  const auto lines = SjLines({"　　午前10時00分　開会", "<PAGE=\"2\">", "◯議長（山田太郎）",
                              "　開会します。", "　　午前10時05分　散会"});
  const PrepareResult result = PrepareMinutes(lines, {});
  ASSERT_EQ(result.changes.size(), 3u);
  // In line order, each with the line it starts at and what it shows.
  EXPECT_EQ(result.changes[0].line, 1u);
  EXPECT_EQ(U8(result.changes[0].before), "　　午前10時00分　開会");
  EXPECT_EQ(U8(result.changes[0].after), "■　　午前10時00分　開会\r\n■");
  EXPECT_EQ(U8(result.changes[1].before), "<PAGE=\"2\">");
  EXPECT_EQ(U8(result.changes[1].after), "");
  EXPECT_EQ(result.changes[2].line, 3u);
  EXPECT_EQ(U8(result.changes[2].after), "◯議長（山田太郎）　開会します。");

  // Each alone.
  const std::vector<std::vector<std::string>> alone = {
      {"■　　午前10時00分　開会", "<PAGE=\"2\">", "◯議長（山田太郎）", "　開会します。", "■",
       "　　午前10時05分　散会"},
      {"　　午前10時00分　開会", "◯議長（山田太郎）", "　開会します。", "　　午前10時05分　散会"},
      {"　　午前10時00分　開会", "<PAGE=\"2\">", "◯議長（山田太郎）　開会します。",
       "　　午前10時05分　散会"},
  };
  for (std::size_t i = 0; i < 3; ++i) {
    std::vector<bool> chosen(3, false);
    chosen[i] = true;
    EXPECT_EQ(ToU8(ApplyPrepareChanges(lines, result.changes, chosen)), alone[i]) << i;
  }
  // Whatever was taken, preparing again proposes exactly the rest, and the
  // end is the full preparation.
  const auto full = ToU8(ApplyPrepareChanges(lines, result.changes));
  EXPECT_EQ(full, ToU8(ApplyPrepareChanges(lines, result.changes, {true, true, true})));
  for (unsigned mask = 0; mask < 8; ++mask) {
    const std::vector<bool> chosen = {(mask & 1) != 0, (mask & 2) != 0, (mask & 4) != 0};
    const auto applied = ApplyPrepareChanges(lines, result.changes, chosen);
    const auto again = PrepareMinutes(applied, {});
    EXPECT_EQ(again.changes.size(), 3u - static_cast<unsigned>(std::popcount(mask))) << mask;
    EXPECT_EQ(ToU8(ApplyPrepareChanges(applied, again.changes)), full) << mask;
  }
}

TEST(Prepare, ChangesForAnotherTextAreRefused) {
  const auto lines = SjLines({"午前１０時開議", "◯議長（山田）", "　開会します。"});
  const PrepareResult result = PrepareMinutes(lines, {});
  ASSERT_FALSE(result.changes.empty());
  EXPECT_THROW(ApplyPrepareChanges({lines[0]}, result.changes), std::invalid_argument);
  EXPECT_THROW(ApplyPrepareChanges(lines, result.changes, {}), std::invalid_argument);
  std::vector<PrepareChange> overlapping = {result.changes.back(), result.changes.back()};
  EXPECT_THROW(ApplyPrepareChanges(lines, overlapping), std::invalid_argument);
}

}  // namespace
}  // namespace korva
