#include "html/placeholders.h"

#include <gtest/gtest.h>

#include <random>

#include "html_test_support.h"
#include "support/recording_ui.h"
#include "text/sjis.h"

namespace korva {
namespace {

std::string Change(const std::string& utf8, const Settings& settings, const Document& doc) {
  return Cp932ToUtf8(ChangeAttmark(Sj(utf8), settings, doc));
}

TEST(ChangeAttmark, DefaultsAndOrder) {
  Settings settings;
  Document doc;
  doc.DocumentTitle = Sj("本会議");
  struct Case {
    std::string in, out;
  };
  const std::vector<Case> cases = {
      {"@title@|@t-caption@|@filename@|@topcaption@", "本会議|本会議|本会議|"},
      {"@TITLE@ @Css@", "本会議 ../css/minutes.css"},
      {"@home@ @top@ @list@", "../../../index.html ../../top.html ../minutes-list.html"},
      {"[@n-html@][@h-html@][@v-html@][@domain@]", "[][][][]"},
      {"a￣b＼c@other@", "a　bc@other@"},
      {"%hol%sentence", "%hol%sentence"},
      // "　" is 0x81 0x40: its trail byte must not start a placeholder.
      {"　title@", "　title@"},
      {"　@title@", "　本会議"},
      // "亜" is 0x88 0x9F, both in the lead-byte range: the pairs decide.
      {"亜@title@", "亜本会議"},
      {"亜　title@亜", "亜　title@亜"},
      {"表@css@表", "表../css/minutes.css表"},
      {"@title@@title@", "本会議本会議"},
      {"@css@|@CSS@", "../css/minutes.css|../css/minutes.css"},
  };
  for (const auto& c : cases) EXPECT_EQ(Change(c.in, settings, doc), c.out) << c.in;
}

TEST(ChangeAttmark, ValuesMeetOnlyLaterRows) {
  Settings settings;
  Document doc;
  settings.BtnEditWebDomain = "example.jp";
  settings.BtnEditLocalReturn2Home = "http://@domain@/index.html";
  settings.BtnEditHEADTitle = "@css@ and @title@";
  settings.BtnEditLocalCSSFile = "css/local.css";
  settings.BtnEditLocalTopFrameCaption = Sj("会議録");
  doc.NormalFileName = "a-n.html";
  doc.HorizontalFileName = "a-h.html";
  doc.VerticalFileName = "a-v.html";
  EXPECT_EQ(Change("<a href=\"@home@\">", settings, doc),
            "<a href=\"http://@domain@/index.html\">");
  EXPECT_EQ(Change("<title>@title@</title>", settings, doc),
            "<title>css/local.css and @title@</title>");
  EXPECT_EQ(Change("@t-caption@/@topcaption@", settings, doc), "会議録/会議録");
  EXPECT_EQ(Change("@n-html@ @h-html@ @v-html@", settings, doc), "a-n.html a-h.html a-v.html");
}

TEST(AlternateChars, CleanupKeepsTrailBytes) {
  struct Case {
    std::string in, cleanup, clean;
  };
  // "表" ends in 0x5C: only whole "＼" characters go.
  const std::vector<Case> cases = {
      {"表＼示￣", "表示￣", "表示　"},
      {"表\\", "表\\", "表\\"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Cp932ToUtf8(CleanupAlternatechar(Sj(c.in))), c.cleanup);
    EXPECT_EQ(Cp932ToUtf8(CleanAlternateChars(Sj(c.in))), c.clean);
  }
  EXPECT_EQ(DeleteLayoutMarker("<p class=\"%hol%a\"><b class=\"%HOL%b\">"),
            "<p class=\"a\"><b class=\"b\">");
}

// Against a walk over every character, on random texts rich in 0x81 and in
// the second bytes of "￣" (0x81 0x50) and "＼" (0x81 0x5F).
TEST(AlternateChars, AgreeWithACharacterWalk) {
  const auto walk = [](const std::string& text, bool overlineToSpace) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
      const std::size_t length = sjis::CharLength(text, i);
      const std::string ch = text.substr(i, length);
      if (ch == "\x81\x50") {
        out += overlineToSpace ? "\x81\x40" : ch;
      } else if (ch != "\x81\x5F") {
        out += ch;
      }
      i += length;
    }
    return out;
  };
  const char alphabet[] = {'\x81', '\x50', '\x5F', '\x8A', 'a', '\x40'};
  std::minstd_rand random(11);
  for (int round = 0; round < 3000; ++round) {
    std::string text(random() % 60, ' ');
    for (char& c : text) c = alphabet[random() % sizeof(alphabet)];
    ASSERT_EQ(CleanAlternateChars(text), walk(text, true)) << round;
    ASSERT_EQ(CleanupAlternatechar(text), walk(text, false)) << round;
    std::string inPlace = text;
    CleanAlternateCharsInPlace(inPlace);
    ASSERT_EQ(inPlace, walk(text, true)) << round;
  }
}

TEST(GenerationState, ResetsKeepTheColourCounter) {
  Document doc;
  testing::RecordingUi ui;
  doc.MinutesFileName = "m.txt";
  doc.SavedDocumentPath = "/x/a.html";
  doc.NormalFileName = "a-n.html";
  doc.MarkCounts.QuoteStartCount = 3;
  doc.DocumentColorCounter = 5;
  doc.BodyHTMLList = {"x"};
  doc.NavHTMLList = {"y"};
  doc.SpeakerSentenceSet.Add("z");
  doc.LocalCSSList = {"p {}"};
  GlobalHTMLVarClear(doc, ui);
  HTMLStringListClear(doc);
  EXPECT_TRUE(doc.MinutesFileName.empty());
  EXPECT_TRUE(doc.SavedDocumentPath.empty());
  EXPECT_TRUE(doc.NormalFileName.empty());
  EXPECT_EQ(doc.MarkCounts.QuoteStartCount, 0);
  EXPECT_EQ(doc.DocumentColorCounter, 5);
  EXPECT_TRUE(doc.BodyHTMLList.empty());
  EXPECT_TRUE(doc.NavHTMLList.empty());
  EXPECT_TRUE(doc.SpeakerSentenceSet.Empty());
  EXPECT_EQ(doc.LocalCSSList.size(), 1u);
  EXPECT_FALSE(ui.labels.at("LabelMarkNotMatch"));
}

}  // namespace
}  // namespace korva
