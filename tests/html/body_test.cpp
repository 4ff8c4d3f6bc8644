#include "html/body.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "html_test_support.h"

namespace korva {
namespace {
using testing::FillTable;
using ::testing::HasSubstr;
using testing::Row;
using testing::ToUtf8;
using testing::Zs;
using Lines = std::vector<std::string>;

class BodyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.LineIdPrefix = "line-";
    doc.AnnotationIndent = MakeZleadingSP(settings.SpinEditAnnotateLeadingZSP);
  }
  Lines Convert(const std::vector<Row>& rows) {
    FillTable(doc, rows);
    doc.BodyHTMLList.clear();
    EXPECT_EQ(MakeContentsHTML(settings, doc), 0);
    return ToUtf8(doc.BodyHTMLList);
  }
  Settings settings;
  Document doc;
};

TEST_F(BodyTest, SpeakerWithTwoContinuationsIsOneParagraph) {
  struct Case {
    bool alternate, bySpeaker;
    std::string thirdClass;
  };
  // The second continuation is the odd paragraph: two short paragraphs count once.
  for (const Case& c : {Case{true, false, "alt"}, Case{true, true, "chairperson-alt"},
                        Case{false, false, "chairperson"}}) {
    settings.CheckBoxAlternateBGColor = c.alternate;
    settings.CheckBoxBGColorSpeakerBy = c.bySpeaker;
    const Lines body = Convert({
        {"2", "　開会します。", "○議長（山田太郎君）", "3", "1", ""},
        {"3", "　続けます。", "", "3", "", ""},
        {"3", "　終わります。", "", "3", "", ""},
    });
    EXPECT_EQ(body,
              (Lines{"<p id=\"line-0001\" class=\"%hol%firstparagraph\">○<span "
                     "class=\"speaker\">議長（山田太郎君）【1】</span>　<span "
                     "class=\"chairperson\">開会します。</span><br>",
                     "<a id=\"line-0002\"></a>　<span class=\"chairperson\">続けます。</span><br>",
                     "<a id=\"line-0003\"></a>　<span class=\"" + c.thirdClass +
                         "\">終わります。</span></p>"}))
        << c.thirdClass;
  }
}

TEST_F(BodyTest, LongParagraphAdvancesTheCounterByItself) {
  const std::string longText = "　" + std::string(310, 'x');
  const Lines body = Convert({
      {"2", longText, "○議長", "3", "", ""},
      {"3", "　二。", "", "3", "", ""},
  });
  ASSERT_EQ(body.size(), 2u);
  EXPECT_EQ(body[1], "<a id=\"line-0002\"></a>　<span class=\"alt\">二。</span></p>");
}

TEST_F(BodyTest, ContinuationResumesAfterInterruptingKinds) {
  for (const char* previous : {"4", "8", "0", "72", "73", "92", "95"}) {
    const Lines body =
        Convert({{previous, "", "", "", "", ""}, {"3", "　再開。", "", "3", "", ""}});
    ASSERT_FALSE(body.empty()) << previous;
    EXPECT_EQ(body.back().rfind("<p id=\"line-0002\" class=\"%hol%continuation\">", 0), 0u)
        << previous;
  }
  const Lines body = Convert({{"9", "引用", "", "", "", "0"}, {"3", "　続き。", "", "3", "", ""}});
  EXPECT_EQ(body.back().rfind("<a id=\"line-0002\"></a>", 0), 0u);
}

TEST_F(BodyTest, IdsArePaddedToFourDigits) {
  EXPECT_EQ(LineId("line-", 7), "line-0007");
  EXPECT_EQ(LineId("line-", 12345), "line-12345");
  std::vector<Row> rows(12345);
  rows[6] = {"4", "", "議題", "", "", ""};
  rows[12344] = {"4", "", "議題", "", "", ""};
  const Lines body = Convert(rows);
  ASSERT_EQ(body.size(), 4u);
  EXPECT_EQ(body[1], "<h4 id=\"line-0007\" class=\"%hol%subject\">▼議題</h4>");
  EXPECT_EQ(body[3], "<h4 id=\"line-12345\" class=\"%hol%subject\">▼議題</h4>");
}

TEST_F(BodyTest, CategoryTwoDependsOnMeetingCategory) {
  for (const auto& [category, cls] : {std::pair{1, "minister"}, {0, "vice-"}, {3, "vice-"}}) {
    settings.RadioGroupCategory = category;
    const Lines body = Convert({{"2", "　答えます。", "○副大臣（田中一郎君）", "2", "3", ""}});
    ASSERT_EQ(body.size(), 1u);
    EXPECT_EQ(body[0], std::string("<p id=\"line-0001\" class=\"%hol%firstparagraph\">∇<span "
                                   "class=\"speaker\">副大臣（田中一郎君）【3】</span>　<span "
                                   "class=\"") +
                           cls + "\">答えます。</span></p>");
  }
}

TEST_F(BodyTest, SpeakerClassFollowsTheSlots) {
  settings.ComboBoxClassWDC = "governor";
  settings.ComboBoxMarkWDC = Sj("　◎ ");
  const Lines body = Convert({
      {"2", "　一。", "◎知事", "1", "", ""},
      {"2", "　二。", "話者", "", "", ""},
  });
  ASSERT_EQ(body.size(), 2u);
  EXPECT_THAT(body[0],
              HasSubstr("\">◎<span class=\"speaker\">知事</span>　<span class=\"governor\">"));
  // No category: document text without mark.
  EXPECT_THAT(body[1],
              HasSubstr("\"><span class=\"speaker\">話者</span>　<span class=\"sentence\">"));
}

TEST_F(BodyTest, DocumentColourRotation) {
  settings.SpinEditDocumentColorCount = 3;
  const std::vector<Row> rows = {
      {"3", "　一。", "", "", "", ""}, {"0", "", "", "", "", ""},
      {"3", "　二。", "", "", "", ""}, {"0", "", "", "", "", ""},
      {"3", "　三。", "", "", "", ""}, {"0", "", "", "", "", ""},
      {"3", "　四。", "", "", "", ""},
  };
  auto classes = [&](const Lines& body) {
    std::vector<std::string> out;
    for (const auto& line : body) {
      const auto at = line.find("<span class=\"");
      out.push_back(line.substr(at + 13, line.find('"', at + 13) - at - 13));
    }
    return out;
  };
  settings.CheckBoxAlternateBGColor = true;
  EXPECT_EQ(classes(Convert(rows)),
            (Lines{"sentence-0", "sentence-1", "sentence-2", "sentence-0"}));
  // The counter lives on across runs, also while the suffix is switched off.
  settings.CheckBoxAlternateBGColor = false;
  EXPECT_EQ(classes(Convert(rows)), (Lines{"sentence", "sentence", "sentence", "sentence"}));
  settings.CheckBoxAlternateBGColor = true;
  EXPECT_EQ(classes(Convert(rows)),
            (Lines{"sentence-2", "sentence-0", "sentence-1", "sentence-2"}));
  settings.SpinEditDocumentColorCount = 1;
  doc.DocumentColorCounter = 0;
  EXPECT_EQ(classes(Convert(rows)),
            (Lines{"sentence-0", "sentence-1", "sentence-0", "sentence-1"}));
  settings.SpinEditDocumentColorCount = 0;
  EXPECT_EQ(classes(Convert(rows)), (Lines{"sentence", "sentence", "sentence", "sentence"}));
  EXPECT_EQ(doc.DocumentColorCounter, 4);
}

TEST_F(BodyTest, QuotationWithBlankRow) {
  const std::vector<Row> rows = {
      {"91", "", "", "", "", ""},       {"9", "引用一", "", "", "", "1"}, {"0", "", "", "", "", ""},
      {"9", "引用二", "", "", "", "3"}, {"92", "", "", "", "", ""},
  };
  const Lines withoutBr = {
      "",
      "<blockquote id=\"line-0001\" class=\"%hol%quotation\"><!--   %%%% Start-Blockquote %%%% -->",
      "<p id=\"line-0002\" class=\"%hol%quotation\">引用一<br>",
      "<br>",
      "<a id=\"line-0004\"></a>引用二</p>",
      "</blockquote><!--   #### End-Blockquote #### -->",
  };
  EXPECT_EQ(Convert(rows), withoutBr);
  settings.CheckBoxCRLF2Br = true;
  Lines withBr = withoutBr;
  withBr.insert(withBr.begin() + 3, "<br>");
  EXPECT_EQ(Convert(rows), withBr);
}

TEST_F(BodyTest, HeadingForms) {
  struct Case {
    std::string designation, line;
  };
  const std::vector<Case> cases = {
      {"／－－－－", "<hr class=\"%hol%separator\">"},
      {"　／　", "<hr class=\"%hol%separator\">"},
      {"／まとめ", "<h4 id=\"line-0001\" class=\"%hol%sentence\">まとめ</h4>"},
      {"▼日程第１", "<h4 id=\"line-0001\" class=\"%hol%subject\">▼日程第１</h4>"},
      {"▽追加議題 ", "<h4 id=\"line-0001\" class=\"%hol%subject\">▽追加議題</h4>"},
      {"日程第２　／／注記", "<h4 id=\"line-0001\" class=\"%hol%subject\">▼日程第２</h4>"},
      {"■開議", "<h4 id=\"line-0001\" class=\"%hol%subject\">▼開議</h4>"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Convert({{"4", "", c.designation, "", "", ""}}), (Lines{"", c.line}))
        << c.designation;
  }
}

TEST_F(BodyTest, SpeakerLegendEntries) {
  Convert({
      {"2", "　一。", "○議長（山田太郎君）", "3", "1", ""},
      {"2", "　二。", "◆１番（佐藤花子君）", "5", "2", ""},
      {"2", "　三。", "○議長（山田太郎君）", "3", "", ""},
  });
  const Lines legend = ToUtf8(doc.SpeakerSentenceSet.Items());
  ASSERT_EQ(legend.size(), 2u);
  // "議長（山田太郎君）" is 18 bytes: 22 spaces pad it to 40.
  EXPECT_EQ(legend[1],
            "【 議長（山田太郎君） 】" + std::string(22, ' ') + "<span class=\"chairperson\">");
}

// Each block as a whole: the rows in, every body line out.
TEST_F(BodyTest, BlocksAreConvertedWhole) {
  const Row blank = {"0", "", "", "", "", ""};
  const auto mark = [](const char* kind) { return Row{kind, "", "", "", "", ""}; };
  const std::string annotation = "<p class=\"%hol%annotation\">";
  const std::string roster = Zs(4) + "議長" + Zs(10) + "山田太郎";
  const Row rosterRow = {"5", "議長　山田太郎", "", "", "", ""};
  const std::string quoteOpen =
      "<blockquote id=\"line-0003\" class=\"%hol%quotation\"><!--   %%%% Start-Blockquote %%%% -->";
  struct Case {
    const char* what;
    int annotationSpaces, quotationSpaces;
    std::vector<Row> rows;
    Lines body;
  };
  const Case cases[] = {
      {"quotation lead spaces are stripped once",
       24,
       1,
       {mark("11"), {"10", Zs(2) + "本文", "", "", "", "0"}, mark("12")},
       {"", "<div id=\"line-0001\" class=\"%hol%content\"><!--   %%%% Start-Content %%%% -->",
        "<p id=\"line-0002\" class=\"%hol%content\">　本文</p>",
        "</div><!--   #### End-Content ####  -->"}},
      {"a comment block produces nothing",
       24,
       0,
       {mark("96"),
        {"1", "見出し", "", "", "", ""},
        {"2", "　発言。", "○議長", "3", "1", ""},
        {"4", "", "議題", "", "", ""},
        mark("91"),
        mark("97")},
       {}},
      {"the footer opens once and closes at the end",
       24,
       0,
       {{"8", "　〔「異議なし」と呼ぶ者あり〕", "", "", "", "0"},
        {"8", "午後３時散会", "", "", "", "9"},
        {"99", "。。記録", "", "", "", "9"},
        {"1", "署名", "", "", "", ""}},
       {annotation + Zs(12) + "〔「異議なし」と呼ぶ者あり〕</p>",
        annotation + Zs(12) + "午後３時散会</p>", "<pre class=\"%hol%content-footer\">", "署名",
        "</pre>"}},
      {"annotation block positions",
       10,
       0,
       {{"8", "◎休憩", "", "", "", "1"},
        {"8", "　途中 ", "", "", "", "2"},
        {"8", "再開", "", "", "", "3"}},
       {annotation + Zs(5) + "休憩<br>", "　" + Zs(5) + "途中<br>", "　" + Zs(5) + "再開</p>"}},
      // Less indented than the first item: its text is kept whole.
      {"enumeration strips the first item's indent",
       24,
       0,
       {mark("71"),
        {"7", Zs(2) + "第１号議案", "", "", "", ""},
        {"7", Zs(3) + "第２号議案", "", "", "", ""},
        {"7", Zs(1) + "第３号議案", "", "", "", ""},
        mark("72"),
        {"73", Zs(1) + "第４号議案", "", "", "", ""}},
       {"", "<ul class=\"enumeration\">",
        "<li id=\"line-0002\" class=\"%hol%bill\">第１号議案</li>",
        "<li id=\"line-0003\" class=\"%hol%bill\">　第２号議案</li>",
        "<li id=\"line-0004\" class=\"%hol%bill\">第３号議案</li>", "</ul>", "", "",
        "<ul class=\"enumeration\">", "<li id=\"line-0006\" class=\"%hol%bill\">第４号議案</li>",
        "</ul>", ""}},
      // Open lists stay open; pre-formatted blocks are closed anyway.
      {"unclosed blocks still give a body",
       24,
       0,
       {mark("71"),
        {"7", "議案", "", "", "", ""},
        mark("91"),
        mark("92"),
        mark("94"),
        {"1", "本文", "", "", "", ""}},
       {"", "<ul class=\"enumeration\">", "<li id=\"line-0002\" class=\"%hol%bill\">議案</li>", "",
        quoteOpen, "</blockquote><!--   #### End-Blockquote #### -->",
        "<pre class=\"%hol%content\">", "本文", "</pre>"}},
      {"a continuation after a blank row opens a continuation paragraph",
       24,
       0,
       {{"2", "　はい。", "◆１番（佐藤花子君）", "5", "2", ""},
        blank,
        {"3", "　次に。", "", "5", "", ""}},
       {"<p id=\"line-0001\" class=\"%hol%firstparagraph\">◆<span "
        "class=\"speaker\">１番（佐藤花子君）"
        "【2】</span>　<span class=\"member\">はい。</span></p>",
        "<p id=\"line-0003\" class=\"%hol%continuation\">　　<span "
        "class=\"member\">次に。</span></p>"}},
      // A line starting with "。" stays empty; after the first speaker, no header block.
      {"the header block closes at the first speaker",
       24,
       0,
       {{"1", "令和６年第１回定例会", "", "", "", ""},
        blank,
        {"1", "。注記", "", "", "", ""},
        {"2", "　開会します。", "○議長", "3", "1", ""},
        {"1", "以上", "", "", "", ""}},
       {"<pre class=\"%hol%content-header\">", "令和６年第１回定例会", "", "", "</pre>",
        "<p id=\"line-0004\" class=\"%hol%firstparagraph\">○<span "
        "class=\"speaker\">議長【1】</span>"
        "　<span class=\"chairperson\">開会します。</span></p>",
        "以上"}},
      // Raw rows keep even the break mark.
      {"raw HTML and minutes text are not escaped",
       24,
       0,
       {{"1", "見出し＼", "", "", "", ""},
        mark("61"),
        {"6", "<td>A&B＼</td>", "", "", "", ""},
        mark("62"),
        {"2", "　<b>強調</b>＼です", "○議長", "3", "", ""}},
       {"<pre class=\"%hol%content-header\">", "見出し", "</pre>", "",
        "<div class=\"tableposition\">", "<td>A&B＼</td>", "</div>", "",
        "<p id=\"line-0005\" class=\"%hol%firstparagraph\">○<span class=\"speaker\">議長</span>"
        "　<span class=\"chairperson\"><b>強調</b>です</span></p>"}},
      {"roster laid out at its end",
       24,
       0,
       {mark("51"), rosterRow, mark("52"), {"2", "　開会。", "○議長", "3", "", ""}},
       {roster,
        "<p id=\"line-0004\" class=\"%hol%firstparagraph\">○<span "
        "class=\"speaker\">議長</span>　<span "
        "class=\"chairperson\">開会。</span></p>"}},
      {"roster without its end is laid out all the same",
       24,
       0,
       {mark("51"), rosterRow, blank},
       {roster, Zs(6)}},
      {"roster reopened",
       24,
       0,
       {mark("51"), rosterRow, mark("51"), rosterRow, mark("52")},
       {roster, roster}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    doc.AnnotationIndent = MakeZleadingSP(c.annotationSpaces);
    settings.SpinEditQuotationLeadingZSP = c.quotationSpaces;
    doc.QuotationLeadSpaces = MakeZSP(c.quotationSpaces);
    doc.SpeakerSentenceSet.Clear();
    EXPECT_EQ(Convert(c.rows), c.body);
    // A commented speaker stays out of the legend too.
    if (c.body.empty()) {
      EXPECT_TRUE(doc.SpeakerSentenceSet.Empty());
    }
  }
}

TEST(BodyHelpers, SpaceRunsAndSeparators) {
  struct Case {
    std::string got, want;
  };
  const std::vector<Case> cases = {
      {MakeZleadingSP(24), Sj(Zs(12))},
      {MakeZleadingSP(11), Sj(Zs(5))},
      {MakeZleadingSP(0), Sj(Zs(26))},
      {MakeZSP(3), Sj(Zs(3))},
      {MakeZSP(0), ""},
      {MakeHSPSeparator("abc", 40), std::string(37, ' ')},
      {MakeHSPSeparator("", 40), std::string(40, ' ')},
      {MakeHSPSeparator(std::string(40, 'x'), 40), std::string(11, ' ')},
      {MakeHSPSeparator("", 101), std::string(11, ' ')},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(cases[i].got, cases[i].want) << i;
}

}  // namespace
}  // namespace korva
